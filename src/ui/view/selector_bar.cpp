#include "ui/view/selector_bar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

namespace vq {
namespace {

QComboBox* MakeSelector(const char* id, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(id);
  box->setAccessibleName(SelectorBar::tr(id));
  box->setIconSize(QSize(16, 16));
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box->setMinimumContentsLength(22);
  box->setMaxVisibleItems(24);
  return box;
}

QToolButton* MakeArrow(Qt::ArrowType arrow, const QString& id, const QString& name,
                       QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRaise(false);
  button->setAccessibleName(name);
  button->setToolTip(name);
  button->setObjectName(id);
  return button;
}

}  // namespace

SelectorBar::SelectorBar(const char* firstId, const char* secondId, QWidget* parent)
    : QWidget(parent),
      first_(MakeSelector(firstId, this)),
      previous_(MakeArrow(Qt::LeftArrow, QStringLiteral("Previous ") + firstId,
                          tr("Previous %1").arg(tr(firstId)), this)),
      next_(MakeArrow(Qt::RightArrow, QStringLiteral("Next ") + firstId,
                      tr("Next %1").arg(tr(firstId)), this)),
      counter_(new QLabel(this)) {
  counter_->setObjectName("Selection counter");
  counter_->setAccessibleName(tr("Selection counter"));
  counter_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  counter_->setMinimumWidth(counter_->fontMetrics().horizontalAdvance("8888 channels") + 8);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(previous_);
  layout->addWidget(first_, 3);
  layout->addWidget(next_);
  if (secondId && *secondId) {
    second_ = MakeSelector(secondId, this);
    second_->setMinimumContentsLength(12);
    layout->addSpacing(6);
    layout->addWidget(second_, 1);
    connect(second_, &QComboBox::activated, this, &SelectorBar::secondChosen);
  }
  layout->addWidget(counter_);

  connect(first_, &QComboBox::activated, this, [this](int index) {
    UpdateArrows();
    emit firstChosen(first_->itemData(index).toInt());
  });
  connect(previous_, &QToolButton::clicked, this, [this] { Step(-1); });
  connect(next_, &QToolButton::clicked, this, [this] { Step(1); });
}

void SelectorBar::SetCounterText(const QString& text) { counter_->setText(text); }

void SelectorBar::SetFirstEnabled(bool enabled) {
  first_->setEnabled(enabled);
  UpdateArrows();
}

void SelectorBar::SetFirstEntries(const QList<QPair<QIcon, QString>>& entries,
                                  const QList<int>& codes, int current) {
  const QSignalBlocker block(first_);
  const qsizetype count = std::min(entries.size(), codes.size());
  // Most commands change no entry: the box is refilled only when one did.
  bool same = first_->count() == count;
  for (qsizetype i = 0; same && i < count; ++i) {
    const int at = static_cast<int>(i);
    same = first_->itemData(at).toInt() == codes[i] && first_->itemText(at) == entries[i].second &&
           first_->itemIcon(at).cacheKey() == entries[i].first.cacheKey();
  }
  if (!same) {
    first_->clear();
    for (qsizetype i = 0; i < count; ++i)
      first_->addItem(entries[i].first, entries[i].second, codes[i]);
  }
  const int index = first_->findData(current);
  first_->setCurrentIndex(index < 0 ? 0 : index);
  UpdateArrows();
}

void SelectorBar::Step(int delta) {
  const int index = first_->currentIndex() + delta;
  if (!first_->isEnabled() || index < 0 || index >= first_->count()) return;
  first_->setCurrentIndex(index);
  UpdateArrows();
  emit firstChosen(first_->itemData(index).toInt());
}

void SelectorBar::UpdateArrows() {
  const bool enabled = first_->isEnabled();
  previous_->setEnabled(enabled && first_->currentIndex() > 0);
  next_->setEnabled(enabled && first_->currentIndex() + 1 < first_->count());
}

}  // namespace vq
