// The backups of overwritten settings: where they go, how many are kept,
// and the status line when one could not be kept.
#include <cstdlib>
#include <ctime>

#include "backups/backup_folder.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "ui/app/config/editor_config.h"
#include "ui/app/frame/main_frame.h"

namespace vq {

void CMainFrame::ConnectBackups() {
  document_.SetBackupKeeper([this](std::span<const uint8_t> image, BackupReason reason,
                                   const std::string& source) {
    BackupFolder folder(DefaultBackupFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")));
    std::string error;
    folder.Keep(image, reason, source, config_.BackupCount, std::time(nullptr), error);
    return error;
  });
  connect(&document_, &CVQChannelEditorDoc::backupFailed, this, [this](const QString& reason) {
    ShowStatusMessage(tr("The backup could not be kept: %1").arg(reason));
  });
}

}  // namespace vq
