#include "ui/view/find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace vq {
namespace {

// `id` names the button for code and, translated, for the user.
QToolButton* MakeToolButton(const char* id, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(id);
  const QString name = FindBar::tr(id);
  button->setAccessibleName(name);
  button->setToolTip(name);
  button->setAutoRaise(true);
  return button;
}

}  // namespace

FindBar::FindBar(QWidget* parent)
    : QWidget(parent),
      field_(new QLineEdit(this)),
      previous_(MakeToolButton(QT_TRANSLATE_NOOP("vq::FindBar", "Find previous"), this)),
      next_(MakeToolButton(QT_TRANSLATE_NOOP("vq::FindBar", "Find next"), this)),
      selectAll_(new QPushButton(tr("Select all matches"), this)),
      result_(new QLabel(this)),
      close_(MakeToolButton(QT_TRANSLATE_NOOP("vq::FindBar", "Close find bar"), this)) {
  setObjectName("Find bar");
  setAccessibleName(tr("Find bar"));
  field_->setObjectName("Find text");
  field_->setAccessibleName(tr("Find text"));
  field_->setPlaceholderText(tr("Name, frequency, service id or PID"));
  selectAll_->setAccessibleName(tr("Select all matches"));
  result_->setObjectName("Find result");
  result_->setAccessibleName(tr("Find result"));
  result_->setMinimumWidth(90);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 2, 0, 2);
  auto* label = new QLabel(tr("Find:"), this);
  label->setBuddy(field_);
  layout->addWidget(label);
  layout->addWidget(field_, 1);
  layout->addWidget(previous_);
  layout->addWidget(next_);
  layout->addWidget(selectAll_);
  layout->addWidget(result_);
  layout->addWidget(close_);

  connect(field_, &QLineEdit::textEdited, this, &FindBar::textEdited);
  connect(previous_, &QToolButton::clicked, this, [this] { emit nextWanted(true); });
  connect(next_, &QToolButton::clicked, this, [this] { emit nextWanted(false); });
  connect(selectAll_, &QPushButton::clicked, this, &FindBar::selectAllWanted);
  connect(close_, &QToolButton::clicked, this, &FindBar::Close);
  hide();
}

void FindBar::showEvent(QShowEvent* event) {
  // The style's icons (the clear button's too) load the icon theme, which
  // the window's first paint does not need while the bar is hidden.
  if (close_->icon().isNull()) {
    field_->setClearButtonEnabled(true);
    previous_->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    next_->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    close_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  }
  QWidget::showEvent(event);
}

void FindBar::Open() {
  show();
  field_->setFocus(Qt::ShortcutFocusReason);
  field_->selectAll();
}

QString FindBar::Text() const { return field_->text(); }

void FindBar::SetResult(const QString& text) {
  result_->setText(text);
  result_->setAccessibleDescription(text);
}

QString FindBar::Result() const { return result_->text(); }

void FindBar::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      Close();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit nextWanted(event->modifiers().testFlag(Qt::ShiftModifier));
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void FindBar::Close() {
  hide();
  emit closed();
}

}  // namespace vq
