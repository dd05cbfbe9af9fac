#pragma once
/// @file
/// The find bar over the list of the current tab.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace vq {

/// A search field with Previous, Next, "Select all matches", a result text
/// and a close button. It only collects what the user asks for; the view
/// searches its list and tells the result back.
class FindBar : public QWidget {
  Q_OBJECT

 public:
  explicit FindBar(QWidget* parent = nullptr);

  /// Shows the bar with the search text selected and focused.
  void Open();
  QString Text() const;
  /// Puts the outcome of the last search beside the buttons.
  void SetResult(const QString& text);
  QString Result() const;

  QLineEdit* Field() const { return field_; }
  QToolButton* PreviousButton() const { return previous_; }
  QToolButton* NextButton() const { return next_; }
  QPushButton* SelectAllButton() const { return selectAll_; }
  QToolButton* CloseButton() const { return close_; }

 signals:
  /// The text changed by typing: search again from the current row.
  void textEdited(const QString& text);
  /// Enter, Next or F3 (forward) and Shift+Enter or Previous (backwards).
  void nextWanted(bool backwards);
  void selectAllWanted();
  /// The bar was closed (Escape or the close button).
  void closed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  /// The buttons get the style's icons when the bar is first shown: reading
  /// them costs the start-up time, and the bar starts hidden.
  void showEvent(QShowEvent* event) override;

 private:
  void Close();

  QLineEdit* field_;
  QToolButton* previous_;
  QToolButton* next_;
  QPushButton* selectAll_;
  QLabel* result_;
  QToolButton* close_;
};

}  // namespace vq
