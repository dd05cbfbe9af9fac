#include "ui/dialogs/three_action_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vq {

ThreeActionDialog::ThreeActionDialog(const QString& message, const QString& title,
                                     const QString& left, const QString& middle,
                                     const QString& right, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(title);
  auto* text = new QLabel(message, this);
  text->setTextFormat(Qt::PlainText);  // messages carry names from files
  text->setWordWrap(true);
  auto* row = new QHBoxLayout;
  const QString captions[] = {left, middle, right};
  for (int i = 0; i < 3; ++i) {
    buttons_[i] = new QPushButton(captions[i], this);
    buttons_[i]->setAutoDefault(false);
    connect(buttons_[i], &QPushButton::clicked, this, [this, i] {
      result_ = i + 1;
      accept();
    });
    row->addWidget(buttons_[i]);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text, 1);
  layout->addLayout(row);
}

QPushButton* ThreeActionDialog::Button(int which) const {
  return which >= 1 && which <= 3 ? buttons_[which - 1] : nullptr;
}

}  // namespace vq
