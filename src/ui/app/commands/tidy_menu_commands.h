#pragma once
/// @file
/// Special Actions and the channel list's context menu: "Find Duplicates",
/// "Sort Channels", "Move To Number" and "Rename Channels".

#include <QObject>

class QAction;
class QMenu;

namespace vq {

class CVQChannelEditorView;
class TidyDialogs;

/// Owns the four actions and runs each as one editing command over the
/// main view: the pane's pending edit is committed first, the user reviews
/// the plan in a dialog (Cancel changes nothing), and what was confirmed is
/// applied as one step of the history.
class TidyMenuCommands : public QObject {
  Q_OBJECT

 public:
  TidyMenuCommands(CVQChannelEditorView& view, TidyDialogs& dialogs, QObject* parent = nullptr);

  QAction* FindDuplicatesAction() const { return findDuplicates_; }
  QAction* SortAction() const { return sort_; }
  QAction* MoveToNumberAction() const { return moveToNumber_; }
  QAction* RenameAction() const { return rename_; }
  /// Appends the four actions to `menu`.
  void AddTo(QMenu* menu) const;
  /// Enables the actions for the database and the channel list as they are.
  void UpdateEnabled();

  void FindDuplicates();
  void Sort();
  void MoveToNumber();
  void Rename();

 private:
  CVQChannelEditorView& view_;
  TidyDialogs& dialogs_;
  QAction* findDuplicates_;
  QAction* sort_;
  QAction* moveToNumber_;
  QAction* rename_;
};

}  // namespace vq
