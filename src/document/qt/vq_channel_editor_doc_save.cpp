// The save side of the document: Save, Save As and the save-changes question.

#include <sys/stat.h>

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "common/trace.h"
#include "image/image_layout.h"

#include "document/qt/shown_message.h"
#include "document/qt/vq_channel_editor_doc.h"

namespace vq {

bool CVQChannelEditorDoc::Save() {
  CommitPendingEdits();
  if (path_.isEmpty() || readOnly_) return SaveAs();
  return SaveTo(path_);
}

bool CVQChannelEditorDoc::SaveAs(const QString& path) {
  CommitPendingEdits();
  QString target = path;
  if (target.isEmpty()) {
    target =
        prompter_.AskSavePath(path_.isEmpty() ? tr(kUntitled) + QStringLiteral(".bin") : path_);
    if (target.isEmpty()) return false;
  }
  return SaveTo(target);
}

bool CVQChannelEditorDoc::SaveTo(const QString& path) {
  std::vector<uint8_t> image;
  if (!database_->GetSettings(image)) return false;
  const std::string target = QFile::encodeName(path).toStdString();
  KeepFileAsBackup(target, BackupReason::kBeforeSave, target);
  std::string error;
  if (!file_.Save(target, image, error)) {
    prompter_.Tell(SaveErrorText(error).left(1000), DocumentPrompter::Icon::kError);
    return false;
  }
  SetPathAndTitle(path, false);
  history_.MarkSaved();
  emit fileUsed(path);
  return true;
}

bool CVQChannelEditorDoc::KeepBackup(std::span<const uint8_t> image, BackupReason reason,
                                     const std::string& source) {
  if (!backupKeeper_) return true;
  const std::string error = backupKeeper_(image, reason, source);
  if (error.empty()) return true;
  Trace("Backup failed: " + error);
  emit backupFailed(QString::fromStdString(error));
  return false;
}

// A file larger than any settings image is not one the editor wrote, and is
// left out.
bool CVQChannelEditorDoc::KeepFileAsBackup(const std::string& path, BackupReason reason,
                                           const std::string& source) {
  if (!backupKeeper_) return true;
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0 ||
      static_cast<uint64_t>(info.st_size) > kImageSizeModel1)
    return true;
  std::vector<uint8_t> bytes(static_cast<size_t>(info.st_size));
  std::ifstream in(path, std::ios::binary);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
    const std::string error = path + ": " + std::strerror(errno);
    Trace("Backup failed: " + error);
    emit backupFailed(QString::fromStdString(error));
    return false;
  }
  return KeepBackup(bytes, reason, source);
}

bool CVQChannelEditorDoc::SaveModified() {
  CommitPendingEdits();
  if (!modified_) return true;
  const QString name = path_.isEmpty() ? tr(kUntitled) : path_;
  switch (prompter_.AskYesNoCancel(tr("Save changes to %1?").arg(name))) {
    case DocumentPrompter::Answer::kYes:
      return Save();
    case DocumentPrompter::Answer::kNo:
      return true;
    case DocumentPrompter::Answer::kCancel:
      break;
  }
  return false;
}

}  // namespace vq
