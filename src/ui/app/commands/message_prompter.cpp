#include "ui/app/commands/message_prompter.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "ui/app/commands/save_file_dialog.h"

namespace vq {

void MessagePrompter::Tell(const QString& text, Icon icon) {
  const QMessageBox::Icon shown = icon == Icon::kError     ? QMessageBox::Critical
                                  : icon == Icon::kWarning ? QMessageBox::Warning
                                                           : QMessageBox::Information;
  QMessageBox box(shown, kProgramTitle, text, QMessageBox::Ok, parent_);
  box.setTextFormat(Qt::PlainText);  // messages carry names from files and devices
  box.exec();
}

bool MessagePrompter::AskYesNo(const QString& text) {
  QMessageBox box(QMessageBox::Question, kProgramTitle, text,
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setTextFormat(Qt::PlainText);
  return box.exec() == QMessageBox::Yes;
}

DocumentPrompter::Answer MessagePrompter::AskYesNoCancel(const QString& text) {
  QMessageBox box(QMessageBox::Warning, kProgramTitle, text,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
  box.setTextFormat(Qt::PlainText);
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::kYes;
    case QMessageBox::No: return Answer::kNo;
    default: return Answer::kCancel;
  }
}

QString MessagePrompter::AskSavePath(const QString& suggested) {
  return AskSaveFileName(parent_, QCoreApplication::translate("FileDialogs", "Save As"), suggested,
                         QCoreApplication::translate("FileDialogs", kSettingsFilter),
                         QStringLiteral("bin"));
}

}  // namespace vq
