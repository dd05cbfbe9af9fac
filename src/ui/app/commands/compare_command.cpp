#include "ui/app/commands/compare_command.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "compare/take_over_command.h"
#include "database/settings_database.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "document/settings_file.h"
#include "editing/commands/command_frame.h"
#include "ui/dialogs/compare_review_dialog.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {
namespace {

QString Text(const char* text) { return QCoreApplication::translate("vq::CompareCommand", text); }

constexpr const char* kTitle = QT_TRANSLATE_NOOP("vq::CompareCommand", "Compare with file");
// Messages come from comparing with a file, the receiver or a backup.
constexpr const char* kMessageTitle = QT_TRANSLATE_NOOP("vq::CompareCommand", "Compare");
constexpr const char* kEqual =
    QT_TRANSLATE_NOOP("vq::CompareCommand", "This document and %1 hold the same settings.");
constexpr const char* kFilter =
    QT_TRANSLATE_NOOP("vq::CompareCommand", "Settings Files (*.bin);;All Files (*)");
constexpr const char* kStepName = QT_TRANSLATE_NOOP("vq::CompareCommand", "Take Over");

// Reads a settings file into `db`; the document's own message when it
// cannot.
bool LoadOther(const QString& path, SettingsDatabase& db, QString& error) {
  SettingsFile file;
  std::vector<uint8_t> image;
  if (!file.OpenReadOnly(QFile::encodeName(path).toStdString()) ||
      file.ReadImage(image) != SettingsFile::ReadStatus::kRead) {
    error = CVQChannelEditorDoc::tr(CVQChannelEditorDoc::kInvalidFile);
    return false;
  }
  db.ResetToDefaults(ModelForImageSize(image.size()), false);
  if (!db.LoadImage(image)) {
    error = CVQChannelEditorDoc::tr(CVQChannelEditorDoc::kCorrupted);
    return false;
  }
  return true;
}

}  // namespace

QString WindowCompareDialogs::ChooseFile() {
  return QFileDialog::getOpenFileName(parent_, Text(kTitle), QString(), Text(kFilter));
}

std::optional<std::vector<size_t>> WindowCompareDialogs::Review(
    const DatabaseComparison& comparison, const QString& otherName) {
  CompareReviewDialog dialog(comparison, otherName, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Chosen();
}

void WindowCompareDialogs::Tell(const QString& text) {
  QMessageBox box(QMessageBox::Information, Text(kMessageTitle), text, QMessageBox::Ok, parent_);
  box.setTextFormat(Qt::PlainText);  // it names the file
  box.exec();
}

CompareCommand::CompareCommand(CVQChannelEditorView& view, CompareDialogs& dialogs, QObject* parent)
    : QObject(parent), view_(view), dialogs_(dialogs) {}

bool CompareCommand::CompareWithFile() {
  if (view_.Database().GetChannelCapacity() < 0) return false;
  CommitPendingEdits(view_.Editing());
  const QString path = dialogs_.ChooseFile();
  if (path.isEmpty()) return false;
  SettingsDatabase other;
  QString error;
  if (!LoadOther(path, other, error)) {
    dialogs_.Tell(error);
    return false;
  }
  return CompareWith(other, QFileInfo(path).fileName());
}

bool CompareCommand::CompareWith(const SettingsDatabase& other, const QString& name) {
  CommitPendingEdits(view_.Editing());
  const DatabaseComparison comparison = CompareDatabases(view_.Database(), other);
  if (comparison.Equal()) {
    dialogs_.Tell(Text(kEqual).arg(name));
    return false;
  }
  const std::optional<std::vector<size_t>> chosen = dialogs_.Review(comparison, name);
  if (!chosen || chosen->empty()) return false;
  TakeOverResult result;
  view_.Recorded(Text(kStepName),
                 [&] { result = TakeOverIntoView(view_.Editing(), other, comparison, *chosen); });
  return result.Changed();
}

}  // namespace vq
