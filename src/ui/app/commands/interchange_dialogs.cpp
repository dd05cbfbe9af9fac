#include "ui/app/commands/interchange_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "interchange/scan_table_source.h"
#include "ui/app/commands/save_file_dialog.h"
#include "ui/dialogs/import_summary_dialog.h"
#include "ui/dialogs/select_satellite_dialog.h"

namespace vq {
namespace {

struct FileKindTexts {
  const char* openTitle;
  const char* saveTitle;
  const char* filter;
  const char* suffix;  // of a saved file
};

constexpr const char* kAllFiles = QT_TRANSLATE_NOOP("vq::InterchangeCommands", "All files (*)");

// A title or filter of the file dialogs in the user's language.
QString Text(const char* text) {
  return *text ? QCoreApplication::translate("vq::InterchangeCommands", text) : QString();
}

FileKindTexts TextsOf(ListFileKind kind) {
  switch (kind) {
    case ListFileKind::kVdrChannels:
      return {
          kImportVdrTitle, kExportVdrTitle,
          QT_TRANSLATE_NOOP("vq::InterchangeCommands", "VDR channel lists (*.conf);;All files (*)"),
          "conf"};
    case ListFileKind::kScanTable:
      // The collection's tables have no extension ("Astra-19.2E").
      return {kImportScanTableTitle, "", kAllFiles, ""};
    case ListFileKind::kReference:
      return {kOrderLikeTitle, "",
              QT_TRANSLATE_NOOP("vq::InterchangeCommands",
                                "Channel lists (*.bin *.conf *.csv *.txt);;Settings Files (*.bin);;"
                                "VDR channel lists (*.conf);;CSV and text lists (*.csv *.txt);;"
                                "All files (*)"),
              ""};
    case ListFileKind::kCsv:
      return {"", kExportCsvTitle,
              QT_TRANSLATE_NOOP("vq::InterchangeCommands", "CSV files (*.csv);;All files (*)"),
              "csv"};
  }
  return {"", "", kAllFiles, ""};
}

}  // namespace

QString WindowInterchangeDialogs::AskOpenPath(ListFileKind kind, const QString& directory) {
  const FileKindTexts texts = TextsOf(kind);
  QString start = directory;
  const QString installed = QString::fromUtf8(kInstalledScanTables.data(),
                                              static_cast<qsizetype>(kInstalledScanTables.size()));
  if (kind == ListFileKind::kScanTable && QDir(installed).exists()) start = installed;
  return QFileDialog::getOpenFileName(parent_, Text(texts.openTitle), start, Text(texts.filter));
}

QString WindowInterchangeDialogs::AskSavePath(ListFileKind kind, const QString& directory) {
  const FileKindTexts texts = TextsOf(kind);
  const QString name = QStringLiteral("channels.") + texts.suffix;
  return AskSaveFileName(parent_, Text(texts.saveTitle), QDir(directory).filePath(name),
                         Text(texts.filter), texts.suffix);
}

bool WindowInterchangeDialogs::AskYesNo(const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent_);
  box.setTextFormat(Qt::PlainText);  // it names the file and its groups
  return box.exec() == QMessageBox::Yes;
}

std::optional<int> WindowInterchangeDialogs::ChooseSatellite(const SettingsDatabase& db,
                                                             const SatelliteNode* suggested) {
  SelectSatelliteDialog dialog(db, parent_);
  dialog.Preselect(suggested);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Chosen();
}

void WindowInterchangeDialogs::ShowSummary(const QString& title, const QString& heading,
                                           bool warning, const QStringList& lines) {
  ImportSummaryDialog dialog(title, heading, warning, lines, parent_);
  dialog.exec();
}

void WindowInterchangeDialogs::Tell(const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace vq
