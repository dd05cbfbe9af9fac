#include "ui/app/commands/save_file_dialog.h"

#include <QFileDialog>

namespace vq {

QString AskSaveFileName(QWidget* parent, const QString& title, const QString& start,
                        const QString& filter, const QString& suffix) {
  QFileDialog dialog(parent, title, start, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

}  // namespace vq
