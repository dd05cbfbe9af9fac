#pragma once
/// @file
/// One page of the main view's tab control.

#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

class QPushButton;

namespace vq {

class RecordTableView;
class SelectorBar;

/// The command buttons under the lists, named by what they do so that the
/// view wires them by identity, whatever their captions say.
enum class ListButton {
  kAddNew,
  kRemoveSelected,
  kRemoveAll,
  kAddToFavorites,
  kMoveUp,
  kMoveDown,
  kClearChannels,
  kClearTransponders,
};

/// A tab page: an optional selector bar, the tab's list and a row of command
/// buttons under it. The page owns its widgets; the view drives them.
class ListPage : public QWidget {
  Q_OBJECT

 public:
  /// `bar` may be null. The buttons are created disabled; the commands that
  /// enable them belong to the editing layer.
  ListPage(SelectorBar* bar, RecordTableView* list,
           const std::vector<std::pair<ListButton, QString>>& buttons, QWidget* parent = nullptr);

  SelectorBar* Bar() const { return bar_; }
  RecordTableView* List() const { return list_; }
  /// The page's button for `id`, or null when the page has none.
  QPushButton* Button(ListButton id) const;

 private:
  SelectorBar* bar_;
  RecordTableView* list_;
  std::vector<std::pair<ListButton, QPushButton*>> buttons_;
};

}  // namespace vq
