#include "ui/dialogs/backups_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace vq {
namespace {

QString ReasonText(BackupReason reason) {
  switch (reason) {
    case BackupReason::kBeforeSave:
      return BackupsDialog::tr("Before Save");
    case BackupReason::kBeforeReceiverWrite:
      return BackupsDialog::tr("Before writing to the receiver");
    case BackupReason::kReadFromReceiver:
      return BackupsDialog::tr("Read from the receiver");
  }
  return {};
}

QString ModelText(int model) {
  switch (model) {
    case 0:
      return BackupsDialog::tr("FTA/CI");
    case 1:
      return BackupsDialog::tr("PVR");
    default:
      return BackupsDialog::tr("Not a settings image");
  }
}

QString CountText(int count) { return count < 0 ? QStringLiteral("-") : QString::number(count); }

QStandardItem* Cell(const QString& text) {
  auto* item = new QStandardItem(text);
  item->setEditable(false);
  return item;
}

}  // namespace

BackupsDialog::BackupsDialog(std::vector<BackupEntry> entries, bool canCompare, QWidget* parent)
    : QDialog(parent),
      entries_(std::move(entries)),
      canCompare_(canCompare),
      model_(new QStandardItemModel(this)),
      list_(new QTreeView),
      open_(new QPushButton(tr("Open"))),
      compare_(new QPushButton(tr("Compare with current"))) {
  setWindowTitle(tr("Backups"));
  setObjectName(QStringLiteral("Backups"));  // the same in every language

  auto* intro = new QLabel(
      tr("The settings kept before an overwrite and those read from a receiver, newest first. "
         "Open shows one as a new document that Save asks a name for; Compare with current "
         "shows its differences with the open document."));
  intro->setWordWrap(true);

  model_->setHorizontalHeaderLabels(
      {tr("Date"), tr("Kept"), tr("Model"), tr("TV"), tr("Radio"), tr("Data"), tr("Source")});
  for (const BackupEntry& entry : entries_) {
    QStandardItem* source = Cell(QString::fromStdString(entry.source));
    source->setToolTip(source->text());
    model_->appendRow({Cell(QString::fromStdString(entry.time)), Cell(ReasonText(entry.reason)),
                       Cell(ModelText(entry.model)), Cell(CountText(entry.tv)),
                       Cell(CountText(entry.radio)), Cell(CountText(entry.data)), source});
  }
  list_->setModel(model_);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setAllColumnsShowFocus(true);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setAccessibleName(tr("Backups"));
  list_->setAccessibleDescription(intro->text());
  // The source, a path of any length, comes last and takes the room left;
  // its tooltip shows what the middle elision hides.
  list_->setTextElideMode(Qt::ElideMiddle);
  for (int column = 0; column + 1 < model_->columnCount(); ++column)
    list_->resizeColumnToContents(column);
  if (!entries_.empty()) list_->setCurrentIndex(model_->index(0, 0));

  auto* empty = new QLabel(tr("No backups have been kept yet."));
  empty->setVisible(entries_.empty());

  open_->setAccessibleName(tr("Open the backup as a new document"));
  compare_->setAccessibleName(tr("Compare the backup with the open document"));
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(open_, QDialogButtonBox::ActionRole);
  buttons->addButton(compare_, QDialogButtonBox::ActionRole);
  buttons->addButton(QDialogButtonBox::Close);
  open_->setDefault(true);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(open_, &QPushButton::clicked, this, [this] { Finish(Action::kOpen); });
  connect(compare_, &QPushButton::clicked, this, [this] { Finish(Action::kCompare); });
  connect(list_, &QTreeView::activated, this, [this] { Finish(Action::kOpen); });
  connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &BackupsDialog::UpdateButtons);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(list_, 1);
  layout->addWidget(empty);
  layout->addWidget(buttons);
  resize(760, 420);
  UpdateButtons();
  list_->setFocus();
}

const BackupEntry* BackupsDialog::ChosenEntry() const {
  const int row = list_->currentIndex().row();
  if (row < 0 || static_cast<size_t>(row) >= entries_.size()) return nullptr;
  return &entries_[static_cast<size_t>(row)];
}

void BackupsDialog::UpdateButtons() {
  const bool chosen = ChosenEntry() != nullptr;
  open_->setEnabled(chosen);
  compare_->setEnabled(chosen && canCompare_);
}

void BackupsDialog::Finish(Action action) {
  if (!ChosenEntry()) return;
  if (action == Action::kCompare && !canCompare_) return;
  action_ = action;
  accept();
}

}  // namespace vq
