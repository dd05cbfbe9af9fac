#include "ui/view/drag_cursors.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace vq {
namespace {

void DrawArrow(QPainter& p) {
  QPainterPath arrow;
  arrow.moveTo(1, 1);
  arrow.lineTo(1, 17);
  arrow.lineTo(5, 13);
  arrow.lineTo(8, 19);
  arrow.lineTo(10, 18);
  arrow.lineTo(7, 12);
  arrow.lineTo(12, 12);
  arrow.closeSubpath();
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawPath(arrow);
}

void DrawBadge(QPainter& p, DragCursor kind) {
  const QRectF badge(15, 15, 14, 14);
  const QColor colors[] = {QColor(0x2f, 0x6f, 0xd0), QColor(0x2e, 0x9e, 0x44),
                           QColor(0xc8, 0x2b, 0x2b), QColor(0xc8, 0x2b, 0x2b),
                           QColor(0x80, 0x80, 0x80)};
  p.setPen(QPen(Qt::white, 1));
  p.setBrush(colors[static_cast<int>(kind)]);
  if (kind == DragCursor::kMove) {
    p.drawRect(badge.adjusted(0, 3, 0, -3));
    return;
  }
  p.drawEllipse(badge);
  p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
  const QPointF c = badge.center();
  switch (kind) {
    case DragCursor::kAdd:
      p.drawLine(c - QPointF(4, 0), c + QPointF(4, 0));
      p.drawLine(c - QPointF(0, 4), c + QPointF(0, 4));
      break;
    case DragCursor::kRemove:
      p.drawLine(c - QPointF(3, 3), c + QPointF(3, 3));
      p.drawLine(c + QPointF(-3, 3), c + QPointF(3, -3));
      break;
    default:
      p.drawLine(c + QPointF(-4, 4), c + QPointF(4, -4));
      break;
  }
}

}  // namespace

QCursor MakeDragCursor(DragCursor kind) {
  // Drawn at the screens' density, so it stays sharp at 150 % and 200 %.
  const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
  const int side = static_cast<int>(std::ceil(32 * ratio));
  QPixmap pixmap(side, side);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  DrawArrow(p);
  DrawBadge(p, kind);
  p.end();
  return QCursor(pixmap, 1, 1);
}

}  // namespace vq
