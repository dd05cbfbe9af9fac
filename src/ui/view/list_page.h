#pragma once
/// @file
/// One page of the main view's tab control.

#include <QStringList>
#include <QWidget>
#include <vector>

class QPushButton;

namespace vq {

class RecordTableView;
class SelectorBar;

/// A tab page: an optional selector bar, the tab's list and a row of command
/// buttons under it. The page owns its widgets; the view drives them.
class ListPage : public QWidget {
  Q_OBJECT

 public:
  /// `bar` may be null. The buttons are created disabled; the commands that
  /// enable them belong to the editing layer.
  ListPage(SelectorBar* bar, RecordTableView* list, const QStringList& buttons,
           QWidget* parent = nullptr);

  SelectorBar* Bar() const { return bar_; }
  RecordTableView* List() const { return list_; }
  /// The button with this caption, or null.
  QPushButton* Button(const QString& caption) const;

 private:
  SelectorBar* bar_;
  RecordTableView* list_;
  std::vector<QPushButton*> buttons_;
};

}  // namespace vq
