#include "ui/dialogs/duplicates_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/dialogs/duplicate_groups_model.h"

namespace vq {

DuplicatesDialog::DuplicatesDialog(Finder find, QWidget* parent)
    : QDialog(parent),
      find_(std::move(find)),
      model_(new DuplicateGroupsModel(this)),
      tree_(new QTreeView),
      twins_(new QCheckBox(tr(R"(Also &HD and SD twins (names equal but for "HD" or "SD"))"))),
      rule_(new QComboBox),
      summary_(new QLabel),
      remove_(new QPushButton(tr("&Remove the Others"))) {
  setWindowTitle(tr("Find Duplicates"));
  setObjectName(QStringLiteral("Find Duplicates"));  // the same in every language

  auto* intro = new QLabel(
      tr("Channels of one type that are the same service: same satellite position, service id "
         "and stream id, or without ids the same name on one transponder. The checked channel of "
         "each group stays and takes the others' favourite places and timers."));
  intro->setWordWrap(true);

  rule_->addItem(tr("The one in the most favourite groups, then the lowest number"));
  rule_->addItem(tr("The HD one"));
  rule_->addItem(tr("The lowest number"));
  rule_->setAccessibleName(tr("Keep"));
  twins_->setAccessibleName(tr("HD and SD twins"));

  tree_->setModel(model_);
  tree_->setAccessibleName(tr("Duplicate groups"));
  tree_->setAccessibleDescription(intro->text());
  tree_->setUniformRowHeights(true);
  tree_->setAllColumnsShowFocus(true);
  tree_->header()->setStretchLastSection(true);
  summary_->setTextFormat(Qt::PlainText);
  summary_->setAccessibleName(tr("Summary"));

  auto* form = new QFormLayout;
  auto* keepLabel = new QLabel(tr("&Keep:"));
  keepLabel->setBuddy(rule_);
  form->addRow(keepLabel, rule_);
  form->addRow(twins_);

  auto* buttons = new QDialogButtonBox;
  buttons->addButton(remove_, QDialogButtonBox::AcceptRole);
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(twins_, &QCheckBox::toggled, this, &DuplicatesDialog::Refind);
  connect(rule_, &QComboBox::currentIndexChanged, this,
          [this](int rule) { model_->ApplyRule(static_cast<KeepRule>(rule)); });
  connect(model_, &DuplicateGroupsModel::keepChanged, this, &DuplicatesDialog::UpdateSummary);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(form);
  layout->addWidget(tree_, 1);
  layout->addWidget(summary_);
  layout->addWidget(buttons);
  resize(900, 520);
  Refind();
}

void DuplicatesDialog::Refind() {
  model_->SetGroups(find_(twins_->isChecked()), static_cast<KeepRule>(rule_->currentIndex()));
  tree_->expandAll();
  for (int row = 0; row < model_->rowCount(); ++row) tree_->setFirstColumnSpanned(row, {}, true);
  const int unit = tree_->fontMetrics().averageCharWidth();
  tree_->setColumnWidth(DuplicateGroupsModel::kKeep, 22 * unit);
  tree_->setColumnWidth(DuplicateGroupsModel::kNumber, 10 * unit);
  tree_->setColumnWidth(DuplicateGroupsModel::kName, 24 * unit);
  tree_->setColumnWidth(DuplicateGroupsModel::kTransponder, 30 * unit);
  if (model_->GroupCount() > 0) tree_->setCurrentIndex(model_->index(0, 0));
  UpdateSummary();
}

void DuplicatesDialog::UpdateSummary() {
  summary_->setText(SummaryText());
  remove_->setEnabled(model_->GroupCount() > 0);
}

QString DuplicatesDialog::SummaryText() const {
  return tr("%1 groups; %2 channels would be removed.")
      .arg(model_->GroupCount())
      .arg(model_->RemovedCount());
}

std::vector<DedupeChoice> DuplicatesDialog::Choices() const { return model_->Choices(); }

}  // namespace vq
