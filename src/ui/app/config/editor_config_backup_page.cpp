#include "ui/app/config/editor_config_backup_page.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

#include "ui/app/config/editor_config.h"

namespace vq {

BackupSettingsPage::BackupSettingsPage(QWidget* parent)
    : QWidget(parent),
      count_(new QSpinBox),
      beforeUsbWrite_(
          new QCheckBox(tr("Read the receiver's settings into the backups before Save to USB"))) {
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
  beforeUsbWrite_->setAccessibleName(beforeUsbWrite_->text());
  auto* cost = new QLabel(tr("This costs one download's time before every Save to USB."));
  cost->setWordWrap(true);
  beforeUsbWrite_->setAccessibleDescription(cost->text());
  form->addRow(beforeUsbWrite_);
  form->addRow(cost);
}

void BackupSettingsPage::Fill(const EditorConfig& config) {
  count_->setValue(config.BackupCount);
  beforeUsbWrite_->setChecked(config.BackupBeforeUsbWrite != 0);
}

void BackupSettingsPage::TakeBack(EditorConfig& config) const {
  config.BackupCount = count_->value();
  config.BackupBeforeUsbWrite = beforeUsbWrite_->isChecked() ? 1 : 0;
}

}  // namespace vq
