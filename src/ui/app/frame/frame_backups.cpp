// The backups of overwritten settings: where they go, how many are kept,
// the status line when one could not be kept, and File > "Backups...".
#include <QMessageBox>
#include <cstdlib>
#include <ctime>

#include "backups/backup_folder.h"
#include "common/qt/core_text.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "document/settings_file.h"
#include "ui/app/commands/compare_command.h"
#include "ui/app/config/editor_config.h"
#include "ui/app/frame/main_frame.h"
#include "ui/dialogs/backups_dialog.h"

namespace vq {
namespace {

std::string UserBackupFolder() {
  return DefaultBackupFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

}  // namespace

void CMainFrame::ConnectBackups() {
  document_.SetBackupKeeper([this](std::span<const uint8_t> image, BackupReason reason,
                                   const std::string& source) {
    BackupFolder folder(UserBackupFolder());
    std::string error;
    folder.Keep(image, reason, source, config_.BackupCount, std::time(nullptr), error);
    return error;
  });
  connect(&document_, &CVQChannelEditorDoc::backupFailed, this, [this](const QString& reason) {
    ShowStatusMessage(tr("The backup could not be kept: %1").arg(reason));
  });
}

void CMainFrame::ShowBackups() {
  document_.CommitPendingEdits();
  const BackupFolder folder(UserBackupFolder());
  const bool canCompare = compareCommand_ && document_.Database().GetModel() != kModelNone;
  BackupsDialog dialog(folder.List(), canCompare, this);
  if (dialog.exec() != QDialog::Accepted || !dialog.ChosenEntry()) return;
  const BackupEntry entry = *dialog.ChosenEntry();

  std::vector<uint8_t> image;
  std::string error;
  if (!folder.Read(entry, image, error)) {
    TellBackupUnreadable(CoreText(error));
    return;
  }
  if (dialog.Chosen() == BackupsDialog::Action::kOpen) {
    document_.OpenUntitledImage(image);
    return;
  }
  SettingsDatabase other;
  other.ResetToDefaults(ModelForImageSize(image.size()), false);
  if (!other.LoadImage(image)) {
    TellBackupUnreadable(CVQChannelEditorDoc::tr(CVQChannelEditorDoc::kCorrupted));
    return;
  }
  compareCommand_->CompareWith(other,
                               tr("the backup of %1").arg(QString::fromStdString(entry.time)));
}

void CMainFrame::TellBackupUnreadable(const QString& reason) {
  QMessageBox box(QMessageBox::Warning, windowTitle(),
                  tr("The backup could not be read: %1").arg(reason), QMessageBox::Ok, this);
  box.setTextFormat(Qt::PlainText);  // it names the file
  box.exec();
}

}  // namespace vq
