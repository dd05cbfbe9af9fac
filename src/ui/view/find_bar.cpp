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

FindBar::FindBar(QWidget* parent) : QWidget(parent) {
  setObjectName("Find bar");
  setAccessibleName(tr("Find bar"));
  hide();
}

const FindBar::Parts& FindBar::Built() const {
  // Making the widgets is not a change a caller could see.
  if (!parts_.field) const_cast<FindBar*>(this)->Build();
  return parts_;
}

void FindBar::Build() {
  Parts& p = parts_;
  p.field = new QLineEdit(this);
  p.previous = MakeToolButton(QT_TRANSLATE_NOOP("vq::FindBar", "Find previous"), this);
  p.next = MakeToolButton(QT_TRANSLATE_NOOP("vq::FindBar", "Find next"), this);
  p.selectAll = new QPushButton(tr("Select all matches"), this);
  p.result = new QLabel(this);
  p.close = MakeToolButton(QT_TRANSLATE_NOOP("vq::FindBar", "Close find bar"), this);
  p.field->setObjectName("Find text");
  p.field->setAccessibleName(tr("Find text"));
  p.field->setPlaceholderText(tr("Name, frequency, service id or PID"));
  p.selectAll->setAccessibleName(tr("Select all matches"));
  p.result->setObjectName("Find result");
  p.result->setAccessibleName(tr("Find result"));
  p.result->setMinimumWidth(90);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 2, 0, 2);
  auto* label = new QLabel(tr("Find:"), this);
  label->setBuddy(p.field);
  layout->addWidget(label);
  layout->addWidget(p.field, 1);
  layout->addWidget(p.previous);
  layout->addWidget(p.next);
  layout->addWidget(p.selectAll);
  layout->addWidget(p.result);
  layout->addWidget(p.close);

  connect(p.field, &QLineEdit::textEdited, this, &FindBar::textEdited);
  connect(p.previous, &QToolButton::clicked, this, [this] { emit nextWanted(true); });
  connect(p.next, &QToolButton::clicked, this, [this] { emit nextWanted(false); });
  connect(p.selectAll, &QPushButton::clicked, this, &FindBar::selectAllWanted);
  connect(p.close, &QToolButton::clicked, this, &FindBar::Close);
  // Made while the bar shows (a plain show()), they show with it.
  if (isVisible())
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->show();
}

void FindBar::showEvent(QShowEvent* event) {
  // The style's icons (the clear button's too) load the icon theme, which
  // the window's first paint does not need while the bar is hidden.
  const Parts& p = Built();
  if (p.close->icon().isNull()) {
    p.field->setClearButtonEnabled(true);
    p.previous->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    p.next->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    p.close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  }
  QWidget::showEvent(event);
}

void FindBar::Open() {
  QLineEdit* field = Built().field;
  show();
  field->setFocus(Qt::ShortcutFocusReason);
  field->selectAll();
}

QString FindBar::Text() const { return parts_.field ? parts_.field->text() : QString(); }

void FindBar::SetResult(const QString& text) {
  QLabel* result = Built().result;
  result->setText(text);
  result->setAccessibleDescription(text);
}

QString FindBar::Result() const { return parts_.result ? parts_.result->text() : QString(); }

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
