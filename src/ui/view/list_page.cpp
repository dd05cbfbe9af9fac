#include "ui/view/list_page.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/view/record_table_view.h"
#include "ui/view/selector_bar.h"

namespace vq {

ListPage::ListPage(SelectorBar* bar, RecordTableView* list,
                   const std::vector<std::pair<ListButton, QString>>& buttons, QWidget* parent)
    : QWidget(parent), bar_(bar), list_(list) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  if (bar_) layout->addWidget(bar_);
  layout->addWidget(list_, 1);
  if (buttons.empty()) return;
  auto* row = new QHBoxLayout;
  for (const auto& [id, caption] : buttons) {
    auto* button = new QPushButton(caption, this);
    button->setEnabled(false);
    button->setAccessibleName(QString(caption).replace("&&", "&"));
    buttons_.emplace_back(id, button);
    row->addWidget(button);
  }
  row->addStretch();
  layout->addLayout(row);
}

QPushButton* ListPage::Button(ListButton id) const {
  for (const auto& [buttonId, button] : buttons_)
    if (buttonId == id) return button;
  return nullptr;
}

}  // namespace vq
