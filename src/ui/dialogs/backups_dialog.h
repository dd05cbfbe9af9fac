#pragma once
/// @file
/// File > "Backups...": the kept images, newest first, to open one as a new
/// document or compare one with the open document.

#include <QDialog>
#include <vector>

#include "backups/backup_folder.h"

class QLabel;
class QPushButton;
class QStandardItemModel;
class QTreeView;

namespace vq {

/// One row per backup (date, what it came from, model, channel counts). The
/// dialog changes nothing itself: it closes with the chosen backup and what
/// to do with it. Enter or a double click on a row opens it.
class BackupsDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Action { kNone, kOpen, kCompare };

  /// `entries` newest first, as BackupFolder::List gives them; "Compare
  /// with current" is offered only when `canCompare`.
  BackupsDialog(std::vector<BackupEntry> entries, bool canCompare, QWidget* parent = nullptr);

  Action Chosen() const { return action_; }
  /// The backup the action is for (the current row when none was chosen).
  const BackupEntry* ChosenEntry() const;

  QTreeView* List() const { return list_; }
  QPushButton* OpenButton() const { return open_; }
  QPushButton* CompareButton() const { return compare_; }

 private:
  void Finish(Action action);
  void UpdateButtons();

  std::vector<BackupEntry> entries_;
  bool canCompare_;
  Action action_ = Action::kNone;
  QStandardItemModel* model_;
  QTreeView* list_;
  QPushButton* open_;
  QPushButton* compare_;
};

}  // namespace vq
