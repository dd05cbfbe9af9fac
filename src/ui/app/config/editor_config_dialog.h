#pragma once
// The "Editor Configuration" dialog: a category list on the left and the
// page of the chosen category on the right.

#include <QDialog>

#include "ui/app/config/editor_config.h"

class QLabel;
class QTreeWidget;
class QStackedWidget;

namespace vq {

class GeneralSettingsPage;
class ComPortSettingsPage;
class ScanTableSettingsPage;
class BackupSettingsPage;

/// Works on a copy of the configuration: each page is filled from the copy
/// when shown and taken back when left or on "Save"; "Cancel" drops every
/// change, so Config() is then the configuration given.
class EditorConfigDialog : public QDialog {
  Q_OBJECT

 public:
  explicit EditorConfigDialog(const EditorConfig& config, QWidget* parent = nullptr);

  const EditorConfig& Config() const { return config_; }
  /// Shows category 0 "General", 1 "Com Port" or 2 "Scan Tables", keeping
  /// the page's changes.
  void ShowCategory(int category);
  int CurrentCategory() const { return current_; }

  void accept() override;
  void reject() override;

 private:
  void TakeBackCurrentPage();

  const EditorConfig original_;
  EditorConfig config_;
  int current_ = -1;
  QTreeWidget* categories_ = nullptr;
  QLabel* caption_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  GeneralSettingsPage* general_ = nullptr;
  ComPortSettingsPage* comPort_ = nullptr;
  ScanTableSettingsPage* scanTables_ = nullptr;
  BackupSettingsPage* backups_ = nullptr;
};

}  // namespace vq
