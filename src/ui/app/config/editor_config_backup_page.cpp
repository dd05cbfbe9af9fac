#include "ui/app/config/editor_config_backup_page.h"

#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

#include "ui/app/config/editor_config.h"

namespace vq {

BackupSettingsPage::BackupSettingsPage(QWidget* parent) : QWidget(parent), count_(new QSpinBox) {
  auto* form = new QFormLayout(this);

  count_->setRange(0, 1000);
  count_->setSpecialValueText(tr("Off"));
  count_->setAccessibleName(tr("Backups to keep"));
  form->addRow(tr("Backups to keep:"), count_);
  auto* note = new QLabel(
      tr("Before Save replaces a file, the bytes about to be lost are kept in the backup "
         "folder; so is every image read from a receiver. The oldest go first; 0 keeps none. "
         "\"vqtool backups\" lists them and copies one out."));
  note->setWordWrap(true);
  count_->setAccessibleDescription(note->text());
  form->addRow(note);
}

void BackupSettingsPage::Fill(const EditorConfig& config) { count_->setValue(config.BackupCount); }

void BackupSettingsPage::TakeBack(EditorConfig& config) const {
  config.BackupCount = count_->value();
}

}  // namespace vq
