#pragma once
/// @file
/// Icons drawn with QPainter at whatever size they are asked for, so they
/// stay crisp on every screen scale without image files.

#include <QColor>
#include <QIcon>
#include <QPen>
#include <functional>

class QPainter;

namespace vq {

/// Draws an icon into a 16 x 16 logical square (the painter is already
/// scaled); `disabled` asks for the greyed form.
using IconPainter = std::function<void(QPainter& painter, bool disabled)>;

/// An icon rendered by `paint` at each requested size.
QIcon MakePaintedIcon(IconPainter paint);

/// The palette shared by the toolbar and list icons, so they read as one set.
namespace icon_colors {
inline const QColor kInk(0x2e, 0x3a, 0x4a);
inline const QColor kPaper(0xfa, 0xfb, 0xfd);
inline const QColor kBlue(0x2f, 0x6f, 0xc4);
inline const QColor kGreen(0x2e, 0x9a, 0x5a);
inline const QColor kRed(0xc8, 0x3a, 0x32);
inline const QColor kFolder(0xf2, 0xc1, 0x4e);
inline const QColor kAmber(0xd9, 0x8c, 0x1a);
inline const QColor kPurple(0x7a, 0x4f, 0xb8);
}  // namespace icon_colors

/// A rounded pen of `width` logical pixels, as every painted icon uses.
inline QPen IconStroke(const QColor& color, qreal width) {
  return {color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin};
}

}  // namespace vq
