#include "ui/dialogs/transponder_review_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/dialogs/transponder_review_model.h"

namespace vq {
namespace {

QString SourceText(const ScanTableSet& tables) {
  QString text = TransponderReviewDialog::tr("Scan tables from %1.")
                     .arg(QString::fromStdString(tables.source));
  for (const std::string& note : tables.notes) text += "\n" + QString::fromStdString(note);
  return text;
}

}  // namespace

TransponderReviewDialog::TransponderReviewDialog(TransponderComparison comparison,
                                                 const ScanTableSet& tables, QWidget* parent)
    : QDialog(parent),
      model_(new TransponderReviewModel(std::move(comparison), this)),
      tree_(new QTreeView),
      summary_(new QLabel),  // plain text: it holds names from the tables
      apply_(new QPushButton(tr("Apply"))) {
  setWindowTitle(tr("Update Channels from Internet"));
  setObjectName(QStringLiteral("Update Channels from Internet"));  // the same in every language

  auto* source = new QLabel(SourceText(tables));
  source->setTextFormat(Qt::PlainText);
  source->setWordWrap(true);
  source->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  source->setAccessibleName(tr("Source"));

  summary_->setTextFormat(Qt::PlainText);
  auto* intro = new QLabel(
      tr("Tick the differences to apply. Transponders that would take channels with them start "
         "unticked."));
  intro->setWordWrap(true);

  tree_->setModel(model_);
  tree_->setAccessibleName(tr("Differences"));
  tree_->setAccessibleDescription(intro->text());
  tree_->setUniformRowHeights(true);
  tree_->setAllColumnsShowFocus(true);
  tree_->expandAll();
  // A satellite row's title and status run across the columns.
  for (int row = 0; row < model_->rowCount(); ++row) tree_->setFirstColumnSpanned(row, {}, true);
  tree_->header()->setStretchLastSection(true);
  const int unit = tree_->fontMetrics().averageCharWidth();
  tree_->setColumnWidth(TransponderReviewModel::kDifference, 16 * unit);
  tree_->resizeColumnToContents(TransponderReviewModel::kTransponder);
  tree_->setColumnWidth(TransponderReviewModel::kBecomes, 17 * unit);
  tree_->setColumnWidth(TransponderReviewModel::kChannels, 10 * unit);
  tree_->setCurrentIndex(model_->index(0, 0));

  summary_->setAccessibleName(tr("Summary"));

  auto* buttons = new QDialogButtonBox;
  buttons->addButton(apply_, QDialogButtonBox::AcceptRole);
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(model_, &TransponderReviewModel::ticksChanged, this,
          &TransponderReviewDialog::UpdateSummary);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(source);
  layout->addWidget(intro);
  layout->addWidget(tree_, 1);
  layout->addWidget(summary_);
  layout->addWidget(buttons);
  resize(900, 520);
  UpdateSummary();
}

std::vector<TransponderUpdate> TransponderReviewDialog::Ticked() const { return model_->Ticked(); }

QString TransponderReviewDialog::SummaryText() const {
  const int total = model_->DifferenceCount();
  if (total == 0) return tr("No differences: there is nothing to apply.");
  QString text = tr("%1 of %2 differences ticked.").arg(model_->TickedCount()).arg(total);
  if (const int channels = model_->TickedChannelRemovals(); channels > 0)
    text += tr(" Applying removes %1 channels.").arg(channels);
  return text;
}

void TransponderReviewDialog::UpdateSummary() {
  summary_->setText(SummaryText());
  apply_->setEnabled(model_->TickedCount() > 0);
}

}  // namespace vq
