#include "ui/dialogs/sort_channels_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vq {
namespace {

QDialogButtonBox* OkCancel(QDialog* dialog, const QString& ok) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(ok);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

QLabel* Buddy(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

SortChannelsDialog::SortChannelsDialog(int selected, int listed, QWidget* parent)
    : QDialog(parent),
      key_(new QComboBox),
      order_(new QComboBox),
      selected_(new QRadioButton(tr("The &selected channels (%1)").arg(selected))),
      all_(new QRadioButton(tr("&All channels of the list (%1)").arg(listed))),
      start_(new QCheckBox(tr("S&tart at number:"))),
      number_(new QSpinBox) {
  setWindowTitle(tr("Sort Channels"));
  setObjectName(QStringLiteral("Sort Channels"));
  key_->addItems({tr("Name"), tr("Satellite, frequency, service id"), tr("Network (provider)"),
                  tr("Service id")});
  key_->setAccessibleName(tr("Sort by"));
  order_->addItems({tr("Ascending"), tr("Descending")});
  order_->setAccessibleName(tr("Order"));
  selected_->setEnabled(selected > 0);
  (selected > 1 ? selected_ : all_)->setChecked(true);
  number_->setRange(1, std::max(1, listed));
  number_->setEnabled(false);
  number_->setAccessibleName(tr("Start number"));
  connect(start_, &QCheckBox::toggled, number_, &QWidget::setEnabled);

  auto* intro = new QLabel(
      tr("The sorted channels take the numbers they held, or start at the number given; the "
         "others keep their order."));
  intro->setWordWrap(true);
  auto* form = new QFormLayout;
  form->addRow(Buddy(tr("Sort &by:"), key_), key_);
  form->addRow(Buddy(tr("&Order:"), order_), order_);
  form->addRow(selected_);
  form->addRow(all_);
  form->addRow(start_, number_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(form);
  layout->addWidget(OkCancel(this, tr("Sort")));
}

SortOptions SortChannelsDialog::Options() const {
  return {static_cast<SortKey>(key_->currentIndex()), order_->currentIndex() == 1,
          start_->isChecked() ? number_->value() - 1 : -1};
}

bool SortChannelsDialog::SelectionOnly() const { return selected_->isChecked(); }

MoveToNumberDialog::MoveToNumberDialog(int selected, int listed, QWidget* parent)
    : QDialog(parent), number_(new QSpinBox) {
  setWindowTitle(tr("Move To Number"));
  setObjectName(QStringLiteral("Move To Number"));
  number_->setRange(1, std::max(1, listed));
  number_->setAccessibleName(tr("Number"));
  auto* intro = new QLabel(
      tr("The selected channels (%1) move as a block, in their order, to start at number:")
          .arg(selected));
  intro->setWordWrap(true);
  intro->setBuddy(number_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(number_);
  layout->addWidget(OkCancel(this, tr("Move")));
}

int MoveToNumberDialog::Number() const { return number_->value(); }

}  // namespace vq
