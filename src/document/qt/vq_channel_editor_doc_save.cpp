// The save side of the document: Save, Save As and the save-changes question.

#include <QFile>

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
  std::string error;
  if (!file_.Save(QFile::encodeName(path).toStdString(), image, error)) {
    prompter_.Tell(SaveErrorText(error).left(1000), DocumentPrompter::Icon::kError);
    return false;
  }
  SetPathAndTitle(path, false);
  history_.MarkSaved();
  emit fileUsed(path);
  return true;
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
