#pragma once
/// @file
/// The row above a list: its selectors, the previous/next buttons and the
/// selection counter.

#include <QWidget>

class QComboBox;
class QLabel;
class QToolButton;

namespace vq {

/// One or two selectors with images, previous/next buttons that step the
/// first selector, and the counter text on the right.
class SelectorBar : public QWidget {
  Q_OBJECT

 public:
  /// `secondId` adds a second selector (the channel type) after the first
  /// unless empty. The ids name the selectors for code and, translated in
  /// this class's context, for the user.
  SelectorBar(const char* firstId, const char* secondId, QWidget* parent = nullptr);

  QComboBox* First() const { return first_; }
  /// Null when the bar has one selector.
  QComboBox* Second() const { return second_; }
  QToolButton* Previous() const { return previous_; }
  QToolButton* Next() const { return next_; }
  QLabel* Counter() const { return counter_; }
  void SetCounterText(const QString& text);
  /// Enables or greys the first selector and its arrows.
  void SetFirstEnabled(bool enabled);

  /// Replaces the first selector's entries without reporting a choice, then
  /// chooses the entry whose data is `current` (or the first one).
  void SetFirstEntries(const QList<QPair<QIcon, QString>>& entries, const QList<int>& codes,
                       int current);

 signals:
  /// The user chose another entry of the first selector (its data value).
  void firstChosen(int code);
  void secondChosen(int index);

 private:
  void Step(int delta);
  void UpdateArrows();

  QComboBox* first_;
  QComboBox* second_ = nullptr;
  QToolButton* previous_;
  QToolButton* next_;
  QLabel* counter_;
};

}  // namespace vq
