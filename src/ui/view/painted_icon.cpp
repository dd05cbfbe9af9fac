#include "ui/view/painted_icon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <vector>

namespace vq {
namespace {

// The light rim behind dark strokes in a dark colour scheme.
const QColor kRim(0xe6, 0xeb, 0xf1);

/// True when the application's colour scheme puts light text on a dark window.
bool DarkScheme() {
  const QPalette palette = QGuiApplication::palette();
  return palette.color(QPalette::WindowText).lightness() >
         palette.color(QPalette::Window).lightness();
}

/// How much a pixel counts as a dark stroke: 0 for light, coloured or clear
/// pixels, up to 255 for opaque ink.
int Darkness(QRgb pixel) {
  const int alpha = qAlpha(pixel);
  if (alpha == 0) return 0;
  const QRgb plain = qUnpremultiply(pixel);
  const int luma = (299 * qRed(plain) + 587 * qGreen(plain) + 114 * qBlue(plain)) / 1000;
  return alpha * std::clamp((100 - luma) * 255 / 40, 0, 255) / 255;
}

/// Puts a light rim of `radius` pixels around the dark strokes of `icon`
/// (premultiplied ARGB), behind the icon, so ink that would vanish on a dark
/// background keeps its outline. Light backgrounds never see this.
QImage WithRim(const QImage& icon, int radius) {
  const int w = icon.width();
  const int h = icon.height();
  std::vector<int> dark(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(icon.constScanLine(y));
    for (int x = 0; x < w; ++x) dark[static_cast<size_t>(y) * w + x] = Darkness(line[x]);
  }
  QImage rim(icon.size(), QImage::Format_ARGB32_Premultiplied);
  rim.setDevicePixelRatio(icon.devicePixelRatio());
  for (int y = 0; y < h; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(rim.scanLine(y));
    for (int x = 0; x < w; ++x) {
      int strength = 0;
      for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
          const int sx = x + dx;
          const int sy = y + dy;
          if (sx >= 0 && sy >= 0 && sx < w && sy < h && dx * dx + dy * dy <= radius * radius + 1)
            strength = std::max(strength, dark[static_cast<size_t>(sy) * w + sx]);
        }
      line[x] = qPremultiply(qRgba(kRim.red(), kRim.green(), kRim.blue(), strength * 7 / 8));
    }
  }
  QPainter painter(&rim);
  painter.drawImage(QPointF(0, 0), icon);
  painter.end();
  return rim.copy();  // without the paint engine (see pixmap())
}

class PaintedIconEngine : public QIconEngine {
 public:
  explicit PaintedIconEngine(IconPainter paint) : paint_(std::move(paint)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
             QIcon::State /*state*/) override {
    const qreal side = qMin(rect.width(), rect.height());
    const QPointF origin(rect.x() + (rect.width() - side) / 2.0,
                         rect.y() + (rect.height() - side) / 2.0);
    painter->save();
    if (mode == QIcon::Disabled) painter->setOpacity(0.35);
    // An icon drawn inside another one takes its rim from the outer one.
    static thread_local int nesting = 0;
    if (DarkScheme() && nesting == 0) {
      // Drawn at the device's own resolution, so the rim stays as crisp as
      // the icon on a scaled screen.
      const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
      const int pixels = std::max(1, static_cast<int>(std::lround(side * ratio)));
      QImage& framed = framed_[{pixels, mode == QIcon::Disabled}];
      if (framed.isNull()) {
        ++nesting;
        framed = Framed(pixels, mode);
        --nesting;
      }
      painter->drawImage(QRectF(origin, QSizeF(side, side)), framed);
    } else {
      painter->translate(origin);
      Draw(*painter, side, mode);
    }
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    // Buttons and menus ask again at every repaint; each size, mode and
    // scheme is drawn once. Large sizes (the window icon handed to the
    // window system, the About box) are asked for once and not kept.
    if (size.width() > kLargestKept || size.height() > kLargestKept)
      return Drawn(size, mode, state);
    QPixmap& pixmap = pixmaps_[{size.width(), size.height(), static_cast<int>(mode),
                                static_cast<int>(state), DarkScheme()}];
    if (pixmap.isNull()) pixmap = Drawn(size, mode, state);
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
  static constexpr int kLargestKept = 48;

  QPixmap Drawn(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    QPixmap drawn(size);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    painter.end();
    // A picture keeps the paint engine that drew it, with its buffers, for
    // as long as it lives; the copy has none.
    return drawn.copy();
  }

  /// The icon `pixels` wide with its rim (see WithRim).
  QImage Framed(int pixels, QIcon::Mode mode) const {
    QImage icon(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    Draw(painter, pixels, mode);
    painter.end();
    return WithRim(icon, std::max(1, static_cast<int>(std::lround(pixels / 16.0))));
  }

  /// Runs the icon's drawing into a `side` square at the painter's origin.
  void Draw(QPainter& painter, qreal side, QIcon::Mode mode) const {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 16.0, side / 16.0);
    paint_(painter, mode == QIcon::Disabled);
  }

  IconPainter paint_;
  /// Dark-scheme pictures by width in device pixels and disabled look;
  /// neither the drawing nor the rim depends on the palette, so they last.
  std::map<std::pair<int, bool>, QImage> framed_;
  /// What pixmap() drew, by width, height, mode, state and dark scheme.
  std::map<std::tuple<int, int, int, int, bool>, QPixmap> pixmaps_;
};

}  // namespace

QIcon MakePaintedIcon(IconPainter paint) { return QIcon(new PaintedIconEngine(std::move(paint))); }

}  // namespace vq
