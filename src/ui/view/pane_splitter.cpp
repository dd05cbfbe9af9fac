#include "ui/view/pane_splitter.h"

#include <QShowEvent>
#include <algorithm>

namespace vq {

PaneSplitter::PaneSplitter(QWidget* list, QWidget* pane, QWidget* parent)
    : QSplitter(Qt::Horizontal, parent), pane_(pane) {
  setObjectName("Lists and properties");
  setChildrenCollapsible(false);
  addWidget(list);
  addWidget(pane);
  // A wider or narrower window changes the lists; the pane stays as chosen.
  setStretchFactor(0, 1);
  setStretchFactor(1, 0);
  connect(this, &QSplitter::splitterMoved, this, [this] {
    if (!sizing_) chosen_ = true;
  });
}

void PaneSplitter::SetPaneWidth(int width) {
  chosen_ = width > 0;
  wanted_ = width > 0 ? width : -1;
  if (applied_) ApplyPaneWidth();
}

int PaneSplitter::ChosenPaneWidth() const {
  if (!chosen_) return -1;
  return applied_ ? pane_->width() : wanted_;
}

int PaneSplitter::DefaultPaneWidth() const { return pane_->minimumWidth(); }

void PaneSplitter::WidenDefaultPane(int width) {
  if (chosen_ || !applied_ || width <= pane_->width()) return;
  const int total = this->width() - handleWidth();
  if (width > total / 2) width = total / 2;
  if (width > pane_->width()) SetPaneSize(width);
}

void PaneSplitter::showEvent(QShowEvent* event) {
  QSplitter::showEvent(event);
  // The window has its size once it is shown; the pane takes its width then.
  if (!applied_) {
    applied_ = true;
    ApplyPaneWidth();
  }
}

void PaneSplitter::ApplyPaneWidth() {
  if (width() - handleWidth() <= 0) return;
  SetPaneSize(wanted_ > 0 ? wanted_ : DefaultPaneWidth());
}

void PaneSplitter::SetPaneSize(int pane) {
  const int total = width() - handleWidth();
  // The lists keep at least a third of the room.
  const int room = std::max(pane_->minimumWidth(), std::min(pane, total * 2 / 3));
  sizing_ = true;
  setSizes({total - room, room});
  sizing_ = false;
}

}  // namespace vq
