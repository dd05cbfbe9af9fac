#include "ui/app/commands/preset_menu_commands.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <span>
#include <vector>

#include "common/qt/core_text.h"
#include "document/file_replace.h"
#include "document/qt/shown_message.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "editing/history/history_step.h"
#include "editing/preset/preset_file.h"
#include "editing/preset/preset_format.h"
#include "ui/app/commands/save_file_dialog.h"

namespace vq {
namespace {

QString Text(std::string_view text) { return CoreText(std::string(text)); }

}  // namespace

QString FilePresetDialogs::AskExportPath(const QString& directory) {
  return AskSaveFileName(parent_, QCoreApplication::translate("FileDialogs", "Save As"), directory,
                         QCoreApplication::translate("FileDialogs", kPresetFilter),
                         QStringLiteral("bin"));
}

QString FilePresetDialogs::AskImportPath(const QString& directory) {
  return QFileDialog::getOpenFileName(parent_, QCoreApplication::translate("FileDialogs", "Open"),
                                      directory,
                                      QCoreApplication::translate("FileDialogs", kPresetFilter));
}

bool FilePresetDialogs::Confirm(const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, parent_);
  box.setTextFormat(Qt::PlainText);
  return box.exec() == QMessageBox::Yes;
}

PresetMenuCommands::PresetMenuCommands(CVQChannelEditorDoc& document, DocumentPrompter& prompter,
                                       PresetDialogs& dialogs, QObject* parent)
    : QObject(parent), document_(document), prompter_(prompter), dialogs_(dialogs) {}

QString PresetMenuCommands::Directory() const {
  return document_.PathName().isEmpty() ? QString() : QFileInfo(document_.PathName()).path();
}

void PresetMenuCommands::Tell(std::string_view text) {
  if (!text.empty()) prompter_.Tell(Text(text), DocumentPrompter::Icon::kError);
}

bool PresetMenuCommands::Export() {
  document_.CommitPendingEdits();
  const QString path = dialogs_.AskExportPath(Directory());
  if (path.isEmpty()) return false;
  std::vector<uint8_t> bytes;
  const PresetExportResult result = ExportPreset(document_.Database(), bytes);
  if (!result.Ok()) {
    Tell(result.Message());
    return false;
  }
  // Under Save's rules: a file an editor holds, one the user may not write
  // or one that is not a regular file is never replaced.
  const ReplaceResult written = ReplaceFile(QFile::encodeName(path).toStdString(), bytes);
  if (!written.done) {
    prompter_.Tell(Text(kPresetFileOpenFailedText) + "\n" + CoreOrSystemText(written.reason),
                   DocumentPrompter::Icon::kError);
    return false;
  }
  return true;
}

bool PresetMenuCommands::Import() {
  // Before the question about unsaved changes and before the database is
  // replaced: the edit belongs to the database now shown.
  document_.CommitPendingEdits();
  const QString path = dialogs_.AskImportPath(Directory());
  if (path.isEmpty()) return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    Tell(kPresetFileOpenFailedText);
    return false;
  }
  // One byte more than a preset file holds is enough to refuse a larger
  // one; a device such as /dev/zero never ends.
  const QByteArray bytes = file.read(static_cast<qint64>(preset::kFileSize) + 1);
  file.close();
  PresetContent content;
  const PresetImportResult read =
      ReadPresetFile(std::span(reinterpret_cast<const uint8_t*>(bytes.constData()),
                               static_cast<size_t>(bytes.size())),
                     content);
  if (!read.Ok()) {
    Tell(read.Message());
    return false;
  }
  if (document_.IsModified() &&
      !dialogs_.Confirm(Text(kPresetConfirmTitle), Text(kPresetConfirmText)))
    return false;
  // One step from the old content to the refilled view of the new one.
  const HistoryStep step(document_.History(), tr("Import Preset data").toStdString());
  const PresetImportResult imported = ImportPreset(content, document_.Database());
  if (imported.status == PresetImportStatus::kFileCorrupted) {
    Tell(imported.Message());
    return false;
  }
  // kNoSpace: the preset is in, with the transponders that fitted.
  Tell(imported.Message());
  emit presetImported();
  document_.SetModifiedFlag(true);
  document_.ContentReplaced(false);
  return true;
}

}  // namespace vq
