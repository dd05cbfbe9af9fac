#include "ui/dialogs/compare_review_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "compare/difference_text.h"

namespace vq {
namespace {

constexpr int kIndexRole = Qt::UserRole + 1;

enum Section : int { kNew, kRemoved, kChanged, kPlaced, kSections };

Section SectionOf(DiffKind kind) {
  switch (kind) {
    case DiffKind::kOnlyInB:
      return kNew;
    case DiffKind::kOnlyInA:
      return kRemoved;
    case DiffKind::kChanged:
      return kChanged;
    case DiffKind::kPlaced:
      break;
  }
  return kPlaced;
}

bool TickedAtFirst(const Difference& d) {
  const bool record = d.subject == DiffSubject::kChannel || d.subject == DiffSubject::kTransponder;
  return record && (d.kind == DiffKind::kOnlyInB || d.kind == DiffKind::kChanged);
}

// The difference without its kind, which its section names: the subject,
// what it is, and the fields.
QString ItemText(const Difference& d) {
  std::string line = DifferenceLine(d);
  line.erase(0, DiffKindName(d.kind).size() + 2);
  return QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
}

bool Shown(const Difference& d, int filter) {
  if (filter == CompareReviewDialog::kNewChannels)
    return d.subject == DiffSubject::kChannel && d.kind == DiffKind::kOnlyInB;
  if (filter == CompareReviewDialog::kChanged) return d.kind == DiffKind::kChanged;
  return true;
}

}  // namespace

CompareReviewDialog::CompareReviewDialog(const DatabaseComparison& comparison,
                                         const QString& otherName, QWidget* parent)
    : QDialog(parent),
      comparison_(comparison),
      model_(new QStandardItemModel(this)),
      tree_(new QTreeView),
      filter_(new QComboBox),
      order_(new QCheckBox(tr("Take over the other list's order"))),
      summary_(new QLabel),
      takeOver_(new QPushButton(tr("Take over"))) {
  setWindowTitle(tr("Compare with Another List"));
  setObjectName(QStringLiteral("Compare with Another List"));  // the same in every language

  auto* intro = new QLabel(
      tr("Differences between this document and %1. Tick what to take over from %1: new "
         "records are added with all their fields, changed fields are written, removals remove "
         "records from this document. The ticked differences that are shown are taken over, as "
         "one step that Undo takes back.")
          .arg(otherName));
  intro->setTextFormat(Qt::PlainText);  // it names the other file
  intro->setWordWrap(true);

  const QString titles[kSections] = {tr("Only in %1").arg(otherName), tr("Only in this document"),
                                     tr("Changed"), tr("Placed differently")};
  QStandardItem* sections[kSections];
  for (int s = 0; s < kSections; ++s) {
    sections[s] = new QStandardItem(titles[s]);
    sections[s]->setEditable(false);
    model_->appendRow(sections[s]);
  }
  for (size_t i = 0; i < comparison.differences.size(); ++i) {
    const Difference& d = comparison.differences[i];
    auto* item = new QStandardItem(ItemText(d));
    item->setEditable(false);
    item->setCheckable(true);
    item->setCheckState(TickedAtFirst(d) ? Qt::Checked : Qt::Unchecked);
    item->setData(static_cast<qulonglong>(i), kIndexRole);
    sections[SectionOf(d.kind)]->appendRow(item);
  }
  for (int s = 0; s < kSections; ++s)
    sections[s]->setText(QStringLiteral("%1 (%2)").arg(titles[s]).arg(sections[s]->rowCount()));

  tree_->setModel(model_);
  tree_->setHeaderHidden(true);
  tree_->setUniformRowHeights(true);
  tree_->setAccessibleName(tr("Differences"));
  tree_->setAccessibleDescription(intro->text());
  tree_->expandAll();
  tree_->setCurrentIndex(model_->index(0, 0));

  filter_->addItems({tr("All differences"), tr("Only new channels"), tr("Only changed")});
  filter_->setAccessibleName(tr("Show"));
  order_->setAccessibleDescription(
      tr("Ticks every placement: the channel numbers and favourite groups take the other "
         "list's order"));
  summary_->setTextFormat(Qt::PlainText);
  summary_->setAccessibleName(tr("Summary"));

  auto* form = new QFormLayout;
  form->addRow(tr("Show:"), filter_);

  auto* buttons = new QDialogButtonBox;
  buttons->addButton(takeOver_, QDialogButtonBox::AcceptRole);
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(model_, &QStandardItemModel::itemChanged, this, &CompareReviewDialog::UpdateSummary);
  connect(filter_, &QComboBox::currentIndexChanged, this, &CompareReviewDialog::SetFilter);
  connect(order_, &QCheckBox::toggled, this, [this](bool on) {
    for (QStandardItem* item : Items())
      if (comparison_.differences[item->data(kIndexRole).toULongLong()].kind == DiffKind::kPlaced)
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(form);
  layout->addWidget(tree_, 1);
  layout->addWidget(order_);
  layout->addWidget(summary_);
  layout->addWidget(buttons);
  resize(900, 560);
  UpdateSummary();
}

std::vector<QStandardItem*> CompareReviewDialog::Items() const {
  std::vector<QStandardItem*> items;
  for (int s = 0; s < model_->rowCount(); ++s) {
    QStandardItem* section = model_->item(s);
    for (int r = 0; r < section->rowCount(); ++r) items.push_back(section->child(r));
  }
  return items;
}

void CompareReviewDialog::SetFilter(int filter) {
  if (filter_->currentIndex() != filter) filter_->setCurrentIndex(filter);
  for (int s = 0; s < model_->rowCount(); ++s) {
    QStandardItem* section = model_->item(s);
    for (int r = 0; r < section->rowCount(); ++r) {
      const size_t i = section->child(r)->data(kIndexRole).toULongLong();
      tree_->setRowHidden(r, section->index(), !Shown(comparison_.differences[i], filter));
    }
  }
  UpdateSummary();
}

void CompareReviewDialog::TickAll(bool ticked) {
  for (QStandardItem* item : Items())
    if (!tree_->isRowHidden(item->row(), item->parent()->index()))
      item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

std::vector<size_t> CompareReviewDialog::Chosen() const {
  std::vector<size_t> chosen;
  for (QStandardItem* item : Items())
    if (item->checkState() == Qt::Checked &&
        !tree_->isRowHidden(item->row(), item->parent()->index()))
      chosen.push_back(item->data(kIndexRole).toULongLong());
  std::sort(chosen.begin(), chosen.end());
  return chosen;
}

QString CompareReviewDialog::SummaryText() const {
  const int total = static_cast<int>(comparison_.differences.size());
  if (total == 0) return tr("No differences: the lists are equal.");
  return tr("%1 of %2 differences ticked and shown.")
      .arg(static_cast<int>(Chosen().size()))
      .arg(total);
}

void CompareReviewDialog::UpdateSummary() {
  summary_->setText(SummaryText());
  takeOver_->setEnabled(!Chosen().empty());
}

}  // namespace vq
