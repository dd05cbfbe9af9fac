#pragma once
/// @file
/// Icons drawn with QPainter at whatever size they are asked for, so they
/// stay crisp on every screen scale without image files.

#include <QIcon>
#include <functional>

class QPainter;

namespace vq {

/// Draws an icon into a 16 x 16 logical square (the painter is already
/// scaled); `disabled` asks for the greyed form.
using IconPainter = std::function<void(QPainter& painter, bool disabled)>;

/// An icon rendered by `paint` at each requested size.
QIcon MakePaintedIcon(IconPainter paint);

}  // namespace vq
