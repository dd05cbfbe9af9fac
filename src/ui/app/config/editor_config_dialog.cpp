#include "ui/app/config/editor_config_dialog.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/app/config/editor_config_backup_page.h"
#include "ui/app/config/editor_config_dialog_pages.h"

namespace vq {
namespace {

const char* const kCategoryNames[] = {QT_TRANSLATE_NOOP("vq::EditorConfigDialog", "General"),
                                      QT_TRANSLATE_NOOP("vq::EditorConfigDialog", "Com Port"),
                                      QT_TRANSLATE_NOOP("vq::EditorConfigDialog", "Scan Tables"),
                                      QT_TRANSLATE_NOOP("vq::EditorConfigDialog", "Backups")};
const char* const kCaptions[] = {
    QT_TRANSLATE_NOOP("vq::EditorConfigDialog", "General Settings"),
    QT_TRANSLATE_NOOP("vq::EditorConfigDialog", "COM Port Settings"),
    QT_TRANSLATE_NOOP("vq::EditorConfigDialog", "Update Channels from Internet"),
    QT_TRANSLATE_NOOP("vq::EditorConfigDialog", "Backups of Overwritten Settings")};
constexpr int kCategoryCount = 4;

}  // namespace

EditorConfigDialog::EditorConfigDialog(const EditorConfig& config, QWidget* parent)
    : QDialog(parent),
      original_(config),
      config_(config),
      categories_(new QTreeWidget),
      caption_(new QLabel),
      pages_(new QStackedWidget),
      general_(new GeneralSettingsPage),
      comPort_(new ComPortSettingsPage),
      scanTables_(new ScanTableSettingsPage),
      backups_(new BackupSettingsPage) {
  setWindowTitle(tr("Editor Configuration"));

  categories_->setHeaderLabels({tr("Category")});
  categories_->setRootIsDecorated(false);
  categories_->setAccessibleName(tr("Category"));
  for (const char* name : kCategoryNames)
    categories_->addTopLevelItem(new QTreeWidgetItem({tr(name)}));
  categories_->setMaximumWidth(160);

  pages_->addWidget(general_);
  pages_->addWidget(comPort_);
  pages_->addWidget(scanTables_);
  pages_->addWidget(backups_);

  auto* frame = new QFrame;
  frame->setFrameShape(QFrame::StyledPanel);
  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->addWidget(caption_);
  frameLayout->addWidget(pages_);

  auto* buttons = new QDialogButtonBox;
  buttons->addButton(tr("Save"), QDialogButtonBox::AcceptRole);
  buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* body = new QHBoxLayout;
  body->addWidget(categories_);
  body->addWidget(frame, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addWidget(buttons);

  connect(categories_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item) ShowCategory(categories_->indexOfTopLevelItem(item));
  });
  ShowCategory(0);
}

void EditorConfigDialog::ShowCategory(int category) {
  if (category < 0 || category >= kCategoryCount || category == current_) return;
  TakeBackCurrentPage();
  if (category == 0) general_->Fill(config_);
  if (category == 1) comPort_->Fill(config_);
  if (category == 2) scanTables_->Fill(config_);
  if (category == 3) backups_->Fill(config_);
  current_ = category;
  pages_->setCurrentIndex(category);
  caption_->setText(tr(kCaptions[category]));
  categories_->setCurrentItem(categories_->topLevelItem(category));
}

void EditorConfigDialog::TakeBackCurrentPage() {
  if (current_ == 0) general_->TakeBack(config_);
  if (current_ == 1) comPort_->TakeBack(config_);
  if (current_ == 2) scanTables_->TakeBack(config_);
  if (current_ == 3) backups_->TakeBack(config_);
}

void EditorConfigDialog::accept() {
  TakeBackCurrentPage();
  QDialog::accept();
}

void EditorConfigDialog::reject() {
  config_ = original_;
  QDialog::reject();
}

}  // namespace vq
