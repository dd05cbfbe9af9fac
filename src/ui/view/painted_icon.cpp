#include "ui/view/painted_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace vq {
namespace {

class PaintedIconEngine : public QIconEngine {
 public:
  explicit PaintedIconEngine(IconPainter paint) : paint_(std::move(paint)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(rect.width(), rect.height());
    painter->translate(rect.x() + (rect.width() - side) / 2.0,
                       rect.y() + (rect.height() - side) / 2.0);
    painter->scale(side / 16.0, side / 16.0);
    if (mode == QIcon::Disabled) painter->setOpacity(0.35);
    paint_(*painter, mode == QIcon::Disabled);
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    QPixmap result = pixmap(size * scale, mode, state);
    result.setDevicePixelRatio(scale);
    return result;
  }

  QIconEngine* clone() const override { return new PaintedIconEngine(paint_); }

 private:
  IconPainter paint_;
};

}  // namespace

QIcon MakePaintedIcon(IconPainter paint) {
  return QIcon(new PaintedIconEngine(std::move(paint)));
}

}  // namespace vq
