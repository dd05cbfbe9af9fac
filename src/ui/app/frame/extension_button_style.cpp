#include "ui/app/frame/extension_button_style.h"

#include <QApplication>
#include <QPainter>

#include "ui/view/painted_icon.h"

namespace vq {
namespace {

// Two chevrons pointing right (a horizontal bar's overflow) or down.
QIcon Chevrons(bool down) {
  return MakePaintedIcon([down](QPainter& p, bool disabled) {
    p.setPen(IconStroke(disabled ? icon_colors::kInk.lighter(250) : icon_colors::kInk, 1.6));
    if (down) {
      p.translate(16, 0);
      p.rotate(90);
    }
    for (const qreal x : {4.0, 9.0}) {
      p.drawLine(QPointF(x, 4), QPointF(x + 3.5, 8));
      p.drawLine(QPointF(x + 3.5, 8), QPointF(x, 12));
    }
  });
}

}  // namespace

QIcon ExtensionButtonStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                         const QWidget* widget) const {
  switch (which) {
    case SP_ToolBarHorizontalExtensionButton:
      return Chevrons(false);
    case SP_ToolBarVerticalExtensionButton:
      return Chevrons(true);
    default:
      return QProxyStyle::standardIcon(which, option, widget);
  }
}

void InstallExtensionButtonStyle() { QApplication::setStyle(new ExtensionButtonStyle); }

}  // namespace vq
