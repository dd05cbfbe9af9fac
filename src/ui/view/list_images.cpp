#include "ui/view/list_images.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/view/painted_icon.h"

namespace vq {
namespace {

using namespace icon_colors;

QPen Stroke(const QColor& color, qreal width = 1.3) { return IconStroke(color, width); }

void Satellite(QPainter& p) {
  p.setPen(Stroke(kInk));
  p.setBrush(kBlue);
  p.drawRect(QRectF(1.5, 5.5, 4, 3));
  p.drawRect(QRectF(10.5, 5.5, 4, 3));
  p.setBrush(QColor(0xd0, 0xd6, 0xe0));
  p.drawRoundedRect(QRectF(6, 4.5, 4, 5), 1, 1);
  p.drawLine(QPointF(8, 9.5), QPointF(8, 12));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(5, 10.5, 6, 4), 200 * 16, 140 * 16);
}

void Screen(QPainter& p, const QColor& fill) {
  p.setPen(Stroke(kInk));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(1.5, 2.5, 13, 9), 1.5, 1.5);
  p.drawLine(QPointF(5.5, 14), QPointF(10.5, 14));
  p.drawLine(QPointF(8, 11.5), QPointF(8, 14));
}

void Channels(QPainter& p) {
  p.setPen(Stroke(kInk));
  p.setBrush(QColor(0xa8, 0xc4, 0xe8));
  p.drawRoundedRect(QRectF(4.5, 1.5, 10, 7), 1.2, 1.2);
  Screen(p, kBlue);
}

void Transponder(QPainter& p) {
  p.setPen(Stroke(kInk));
  p.drawLine(QPointF(8, 6), QPointF(4.5, 14.5));
  p.drawLine(QPointF(8, 6), QPointF(11.5, 14.5));
  p.drawLine(QPointF(6, 11), QPointF(10, 11));
  p.setPen(Stroke(kRed));
  p.drawArc(QRectF(4, 2, 8, 8), 30 * 16, 120 * 16);
  p.drawArc(QRectF(1.5, -0.5, 13, 13), 40 * 16, 100 * 16);
  p.setBrush(kRed);
  p.drawEllipse(QPointF(8, 6), 1.2, 1.2);
}

void Radio(QPainter& p) {
  p.setPen(Stroke(kInk));
  p.setBrush(kAmber);
  p.drawRoundedRect(QRectF(1.5, 5.5, 13, 9), 1.5, 1.5);
  p.drawLine(QPointF(4, 5.5), QPointF(12, 1.5));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(5.5, 10), 2.3, 2.3);
  p.drawLine(QPointF(10, 8.5), QPointF(12.5, 8.5));
  p.drawLine(QPointF(10, 11.5), QPointF(12.5, 11.5));
}

void Data(QPainter& p) {
  p.setPen(Stroke(kInk));
  p.setBrush(kGreen);
  p.drawEllipse(QRectF(2.5, 1.5, 11, 4));
  p.drawLine(QPointF(2.5, 3.5), QPointF(2.5, 12.5));
  p.drawLine(QPointF(13.5, 3.5), QPointF(13.5, 12.5));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(2.5, 10.5, 11, 4), 180 * 16, 180 * 16);
  p.drawArc(QRectF(2.5, 6.5, 11, 4), 180 * 16, 180 * 16);
}

void Locked(QPainter& p) {
  p.setPen(Stroke(kInk, 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(4.5, 1.5, 7, 9), 3.5, 3.5);
  p.setPen(Stroke(kInk));
  p.setBrush(kAmber);
  p.drawRoundedRect(QRectF(2.5, 7, 11, 7.5), 1.5, 1.5);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(8, 10.5), 1, 1);
}

void Letter(QPainter& p, const QString& text, const QColor& color) {
  p.setPen(Stroke(color));
  p.setBrush(color.lighter(185));
  p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
  QFont font;
  font.setPixelSize(text.size() > 1 ? 6 : 11);
  font.setBold(true);
  p.setFont(font);
  p.setPen(color.darker(130));
  p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, text);
}

void Skipped(QPainter& p) {
  p.setPen(Stroke(kInk));
  p.setBrush(kPurple);
  QPolygonF arrow;
  arrow << QPointF(2, 3) << QPointF(9, 8) << QPointF(2, 13);
  p.drawPolygon(arrow);
  p.drawRect(QRectF(10.5, 3, 2.5, 10));
}

void AllChannels(QPainter& p) {
  p.setPen(Stroke(kInk));
  for (int i = 0; i < 3; ++i) {
    p.setBrush(QColor(i == 2 ? kBlue : kBlue.lighter(140 + 20 * (1 - i))));
    p.drawRoundedRect(QRectF(1.5 + 2 * i, 1.5 + 3 * i, 9, 6.5), 1, 1);
  }
}

void Favorites(QPainter& p) {
  p.setPen(Stroke(kInk));
  p.setBrush(QColor(0xf2, 0xc1, 0x4e));
  QPainterPath folder;
  folder.moveTo(1.5, 4);
  folder.lineTo(6, 4);
  folder.lineTo(7.5, 5.5);
  folder.lineTo(14.5, 5.5);
  folder.lineTo(14.5, 14);
  folder.lineTo(1.5, 14);
  folder.closeSubpath();
  p.drawPath(folder);
  p.setPen(Qt::NoPen);
  p.setBrush(kRed);
  QPainterPath heart;
  heart.moveTo(8, 12.5);
  heart.cubicTo(3.5, 9.5, 5, 6.5, 8, 8.5);
  heart.cubicTo(11, 6.5, 12.5, 9.5, 8, 12.5);
  p.drawPath(heart);
}

void SettingsImage(QPainter& p) {
  p.setPen(Stroke(kInk));
  p.setBrush(QColor(0x8a, 0x98, 0xab));
  for (int i = 0; i < 8; ++i) {
    p.save();
    p.translate(8, 8);
    p.rotate(45 * i);
    p.drawRect(QRectF(-1.3, -7, 2.6, 3));
    p.restore();
  }
  p.drawEllipse(QPointF(8, 8), 4.8, 4.8);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(8, 8), 1.8, 1.8);
}

IconPainter PainterOf(int index) {
  switch (index) {
    case kImageSatellite: return [](QPainter& p, bool) { Satellite(p); };
    case kImageChannels: return [](QPainter& p, bool) { Channels(p); };
    case kImageTransponder: return [](QPainter& p, bool) { Transponder(p); };
    case kImageTv: return [](QPainter& p, bool) { Screen(p, kBlue); };
    case kImageRadio: return [](QPainter& p, bool) { Radio(p); };
    case kImageData: return [](QPainter& p, bool) { Data(p); };
    case kImageLocked: return [](QPainter& p, bool) { Locked(p); };
    case kImageScrambled: return [](QPainter& p, bool) { Letter(p, "$", kRed); };
    case kImageTeletext: return [](QPainter& p, bool) { Letter(p, "T", kBlue); };
    case kImageAc3: return [](QPainter& p, bool) { Letter(p, "AC3", kGreen); };
    case kImageSkipped: return [](QPainter& p, bool) { Skipped(p); };
    case kImageAllChannels: return [](QPainter& p, bool) { AllChannels(p); };
    case kImageFree: return [](QPainter& p, bool) { Letter(p, "F", kGreen); };
    case kImageFavorites: return [](QPainter& p, bool) { Favorites(p); };
    case kImageSettings: return [](QPainter& p, bool) { SettingsImage(p); };
    default: return {};
  }
}

}  // namespace

QIcon ListIcon(int index) {
  static const QList<QIcon> icons = ListIcons();
  return index >= 0 && index < icons.size() ? icons[index] : QIcon();
}

QList<QIcon> ListIcons() {
  QList<QIcon> icons;
  for (int i = 0; i < kListImageCount; ++i) icons.append(MakePaintedIcon(PainterOf(i)));
  return icons;
}

}  // namespace vq
