#include "ui/view/channel_drag.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include "ui/view/drag_cursors.h"
#include "ui/view/record_table_view.h"

namespace vq {

ChannelDrag::ChannelDrag(RecordTableView* list, QListView* favorites, QPushButton* remove,
                         QObject* parent)
    : QObject(parent),
      list_(list),
      favorites_(favorites),
      remove_(remove),
      image_(new QLabel(list, Qt::ToolTip)),
      viewport_(list->viewport()),
      marker_(new QWidget(list->viewport())) {
  // A press on a selected row must keep the selection for the drag.
  list_->setDragEnabled(true);
  list_->viewport()->installEventFilter(this);
  image_->setObjectName("Drag image");
  image_->hide();
  marker_->setObjectName("Drop place");
  // Filled with the palette's highlight, so it follows a change of scheme.
  marker_->setBackgroundRole(QPalette::Highlight);
  marker_->setAutoFillBackground(true);
  marker_->hide();
  connect(&scroll_, &QTimer::timeout, this, &ChannelDrag::ScrollOneRow);
}

ChannelDrag::~ChannelDrag() {
  if (dragging_) QGuiApplication::restoreOverrideCursor();
}

bool ChannelDrag::eventFilter(QObject* watched, QEvent* event) {
  // Only mouse events reach the list: other events also arrive while the
  // list is being destroyed.
  const QEvent::Type type = event->type();
  if (watched != viewport_ || (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
                               type != QEvent::MouseButtonRelease))
    return false;
  switch (type) {
    case QEvent::MouseButtonPress: {
      // Any row may start a drag: the list selects it on this press.
      auto* mouse = static_cast<QMouseEvent*>(event);
      pressRow_ = list_->rowAt(mouse->position().toPoint().y());
      pressed_ = mouse->button() == Qt::LeftButton && pressRow_ >= 0;
      pressAt_ = mouse->position().toPoint();
      return false;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (!pressed_ || !(mouse->buttons() & Qt::LeftButton)) return false;
      if (!dragging_) {
        if ((mouse->position().toPoint() - pressAt_).manhattanLength() <
            QApplication::startDragDistance())
          return true;
        // A press that took the row out of the selection drags nothing.
        if (!list_->selectionModel()->isRowSelected(pressRow_, {})) {
          pressed_ = false;
          return false;
        }
        Begin();
      }
      Track(mouse->globalPosition().toPoint());
      return true;
    }
    case QEvent::MouseButtonRelease: {
      const bool wasDragging = dragging_;
      pressed_ = false;
      if (!wasDragging) return false;
      Finish(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
      return true;
    }
    default:
      return false;
  }
}

ChannelDrag::Target ChannelDrag::TargetAt(const QPoint& global, int* row) const {
  const QPoint inList = list_->viewport()->mapFromGlobal(global);
  if (list_->viewport()->rect().contains(inList)) {
    const int at = list_->rowAt(inList.y());
    *row = at >= 0 ? at : list_->model()->rowCount();
    return Target::kList;
  }
  if (favorites_ && favorites_->isVisible() &&
      favorites_->viewport()->rect().contains(favorites_->viewport()->mapFromGlobal(global)))
    return Target::kFavorites;
  if (remove_ && remove_->isVisible() && remove_->rect().contains(remove_->mapFromGlobal(global)))
    return Target::kRemove;
  return Target::kNone;
}

void ChannelDrag::Begin() {
  dragging_ = true;
  const int count = static_cast<int>(list_->selectionModel()->selectedRows().size());
  image_->setText(count == 1 ? tr("1 channel") : tr("%1 channels").arg(count));
  image_->adjustSize();
  image_->show();
  QGuiApplication::setOverrideCursor(MakeDragCursor(DragCursor::kNoDrop));
}

void ChannelDrag::Track(const QPoint& global) {
  image_->move(global + QPoint(16, 16));
  int row = -1;
  const Target target = TargetAt(global, &row);
  DragCursor cursor = DragCursor::kNoDrop;
  marker_->hide();
  if (target == Target::kList) {
    cursor = DragCursor::kMove;
    const int y = row < list_->model()->rowCount()
                      ? list_->rowViewportPosition(row)
                      : list_->rowViewportPosition(row - 1) + list_->rowHeight(row - 1);
    marker_->setGeometry(0, std::max(y - 1, 0), list_->viewport()->width(), 2);
    marker_->show();
  } else if (target == Target::kFavorites) {
    cursor = canAdd_ && canAdd_() ? DragCursor::kAdd : DragCursor::kRefuse;
  } else if (target == Target::kRemove) {
    cursor = DragCursor::kRemove;
  }
  QGuiApplication::changeOverrideCursor(MakeDragCursor(cursor));

  // Above or below the list (beside it horizontally) the list scrolls.
  const QPoint at = list_->viewport()->mapFromGlobal(global);
  const int height = list_->viewport()->height();
  const bool beside = at.x() >= 0 && at.x() < list_->viewport()->width();
  const int distance = !beside            ? 0
                       : at.y() < 0       ? -at.y()
                       : at.y() >= height ? at.y() - height + 1
                                          : 0;
  if (distance == 0) {
    scroll_.stop();
    return;
  }
  scrollStep_ = at.y() < 0 ? -1 : 1;
  scroll_.start(10 * distance);
}

void ChannelDrag::ScrollOneRow() {
  QScrollBar* bar = list_->verticalScrollBar();
  bar->setValue(bar->value() + scrollStep_ * bar->singleStep());
}

void ChannelDrag::Finish(const QPoint& global) {
  int row = -1;
  const Target target = TargetAt(global, &row);
  Stop();
  if (target == Target::kList) emit droppedOnList(row);
  if (target == Target::kFavorites && canAdd_ && canAdd_()) emit droppedOnFavorites();
  if (target == Target::kRemove) emit droppedOnRemove();
}

void ChannelDrag::Stop() {
  scroll_.stop();
  marker_->hide();
  image_->hide();
  if (dragging_) QGuiApplication::restoreOverrideCursor();
  dragging_ = false;
  pressed_ = false;
}

}  // namespace vq
