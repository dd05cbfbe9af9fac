#pragma once
// The "Editor Configuration" dialog: a category list on the left and the
// page of the chosen category on the right.

#include <QDialog>

#include "ui/app/editor_config.h"

class QLabel;
class QListWidget;
class QStackedWidget;

namespace vq {

class GeneralSettingsPage;
class ComPortSettingsPage;

/// Works on a copy of the configuration: each page is filled from the copy
/// when shown and taken back when left or on "Save"; Config() is the copy.
/// The caller copies it back only when exec() returns QDialog::Accepted.
class EditorConfigDialog : public QDialog {
  Q_OBJECT

 public:
  explicit EditorConfigDialog(const EditorConfig& config, QWidget* parent = nullptr);

  const EditorConfig& Config() const { return config_; }
  /// Shows category 0 "General" or 1 "Com Port", keeping the page's changes.
  void ShowCategory(int category);
  int CurrentCategory() const { return current_; }

  void accept() override;

 private:
  void TakeBackCurrentPage();

  EditorConfig config_;
  int current_ = -1;
  QListWidget* categories_ = nullptr;
  QLabel* caption_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  GeneralSettingsPage* general_ = nullptr;
  ComPortSettingsPage* comPort_ = nullptr;
};

}  // namespace vq
