#include "ui/dialogs/rename_channels_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/dialogs/rename_preview_model.h"

namespace vq {
namespace {

// The first character of `text` beyond Latin-1, or a null character.
QChar BeyondLatin1(const QString& text) {
  for (const QChar c : text)
    if (c.unicode() > 0xFF) return c;
  return {};
}

}  // namespace

RenameChannelsDialog::RenameChannelsDialog(Planner plan, int selected, QWidget* parent)
    : QDialog(parent),
      plan_(std::move(plan)),
      find_(new QLineEdit),
      replace_(new QLineEdit),
      regex_(new QCheckBox(tr("Regular e&xpression ($1 .. $9 name its groups)"))),
      ignoreCase_(new QCheckBox(tr("&Ignore case"))),
      selected_(new QRadioButton(tr("The &selected channels (%1)").arg(selected))),
      all_(new QRadioButton(tr("&All channels"))),
      preview_(new RenamePreviewModel(this)),
      table_(new QTableView),
      problem_(new QLabel),
      rename_(new QPushButton(tr("&Rename"))) {
  setWindowTitle(tr("Rename Channels"));
  setObjectName(QStringLiteral("Rename Channels"));
  find_->setAccessibleName(tr("Find"));
  replace_->setAccessibleName(tr("Replace with"));
  selected_->setEnabled(selected > 0);
  (selected > 0 ? selected_ : all_)->setChecked(true);
  table_->setModel(preview_);
  table_->setAccessibleName(tr("Preview"));
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->verticalHeader()->hide();
  const int unit = table_->fontMetrics().averageCharWidth();
  table_->setColumnWidth(RenamePreviewModel::kOld, 24 * unit);
  table_->setColumnWidth(RenamePreviewModel::kNew, 24 * unit);
  problem_->setTextFormat(Qt::PlainText);  // it quotes what was typed
  problem_->setWordWrap(true);
  problem_->setAccessibleName(tr("Problem"));

  auto* form = new QFormLayout;
  auto* findLabel = new QLabel(tr("&Find:"));
  findLabel->setBuddy(find_);
  auto* replaceLabel = new QLabel(tr("Replace &with:"));
  replaceLabel->setBuddy(replace_);
  form->addRow(findLabel, find_);
  form->addRow(replaceLabel, replace_);
  form->addRow(regex_);
  form->addRow(ignoreCase_);
  form->addRow(selected_);
  form->addRow(all_);

  auto* buttons = new QDialogButtonBox;
  buttons->addButton(rename_, QDialogButtonBox::AcceptRole);
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  for (QLineEdit* edit : {find_, replace_})
    connect(edit, &QLineEdit::textChanged, this, &RenameChannelsDialog::Replan);
  for (QCheckBox* box : {regex_, ignoreCase_})
    connect(box, &QCheckBox::toggled, this, &RenameChannelsDialog::Replan);
  connect(selected_, &QRadioButton::toggled, this, &RenameChannelsDialog::Replan);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(table_, 1);
  layout->addWidget(problem_);
  layout->addWidget(buttons);
  resize(720, 480);
  Replan();
}

RenameRule RenameChannelsDialog::Rule() const {
  return {find_->text().toLatin1().toStdString(), replace_->text().toLatin1().toStdString(),
          regex_->isChecked(), ignoreCase_->isChecked()};
}

bool RenameChannelsDialog::SelectionOnly() const { return selected_->isChecked(); }

QString RenameChannelsDialog::ProblemText() const { return problem_->text(); }

void RenameChannelsDialog::Replan() {
  const QChar beyond = BeyondLatin1(find_->text() + replace_->text());
  QString problem;
  if (!beyond.isNull()) {
    preview_->SetPlan({});
    problem = tr("\"%1\" is not a Latin-1 character; names hold Latin-1 only.").arg(beyond);
  } else if (find_->text().isEmpty()) {
    preview_->SetPlan({});
  } else {
    preview_->SetPlan(plan_(Rule(), SelectionOnly()));
    const RenamePlan& plan = preview_->Plan();
    if (plan.error != PatternError::kNone)
      problem = QCoreApplication::translate("CoreText", PatternErrorText(plan.error));
    else if (plan.RefusedCount() > 0)
      problem = tr("Names refused: %1. Change the rule.").arg(plan.RefusedCount());
    else
      problem = tr("Names that change: %1").arg(plan.changes.size());
  }
  problem_->setText(problem);
  rename_->setEnabled(preview_->Plan().Applicable() && !preview_->Plan().changes.empty() &&
                      beyond.isNull());
}

}  // namespace vq
