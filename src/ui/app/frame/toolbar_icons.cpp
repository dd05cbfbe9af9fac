#include "ui/app/frame/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "ui/view/list_images.h"
#include "ui/view/painted_icon.h"

namespace vq {
namespace {

using namespace icon_colors;

QPen Stroke(const QColor& color, qreal width = 1.2) { return IconStroke(color, width); }

void Page(QPainter& p, QRectF r) {
  QPainterPath page;
  page.moveTo(r.left(), r.top());
  page.lineTo(r.right() - 3, r.top());
  page.lineTo(r.right(), r.top() + 3);
  page.lineTo(r.right(), r.bottom());
  page.lineTo(r.left(), r.bottom());
  page.closeSubpath();
  p.setPen(Stroke(kInk));
  p.setBrush(kPaper);
  p.drawPath(page);
  p.drawLine(QPointF(r.right() - 3, r.top()), QPointF(r.right() - 3, r.top() + 3));
  p.drawLine(QPointF(r.right() - 3, r.top() + 3), QPointF(r.right(), r.top() + 3));
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color) {
  p.setPen(Stroke(color, 1.8));
  p.drawLine(from, to);
  const QPointF d = (to - from) / std::max(1e-3, std::hypot((to - from).x(), (to - from).y()));
  const QPointF n(-d.y(), d.x());
  p.drawLine(to, to - 2.5 * d + 2.2 * n);
  p.drawLine(to, to - 2.5 * d - 2.2 * n);
}

void Folder(QPainter& p) {
  p.setPen(Stroke(kInk));
  p.setBrush(kFolder.darker(110));
  p.drawRoundedRect(QRectF(1, 3, 12, 10.5), 1, 1);
  p.setBrush(kFolder);
  QPolygonF front;
  front << QPointF(3, 6.5) << QPointF(15, 6.5) << QPointF(13, 13.5) << QPointF(1, 13.5);
  p.drawPolygon(front);
}

void Floppy(QPainter& p) {
  p.setPen(Stroke(kInk));
  p.setBrush(kBlue);
  p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
  p.setBrush(kPaper);
  p.drawRect(QRectF(4, 1.5, 8, 5));
  p.setBrush(QColor(0xd0, 0xd6, 0xe0));
  p.drawRect(QRectF(4, 9, 8, 5.5));
}

void SerialPlug(QPainter& p) {
  p.setPen(Stroke(kInk));
  p.setBrush(QColor(0x8a, 0x98, 0xab));
  QPolygonF shell;
  shell << QPointF(1.5, 2) << QPointF(11.5, 2) << QPointF(10, 8) << QPointF(3, 8);
  p.drawPolygon(shell);
  p.setBrush(kInk);
  for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(3.7 + 1.9 * i, 4), 0.45, 0.45);
  for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(4.6 + 1.9 * i, 6), 0.45, 0.45);
}

void UsbSymbol(QPainter& p) {
  p.setPen(Stroke(kInk, 1.3));
  p.setBrush(kInk);
  p.drawLine(QPointF(6.5, 1.5), QPointF(6.5, 10));
  p.drawEllipse(QPointF(6.5, 10.5), 1.4, 1.4);
  p.drawLine(QPointF(6.5, 7.5), QPointF(3, 5));
  p.drawLine(QPointF(3, 5), QPointF(3, 3.5));
  p.drawEllipse(QPointF(3, 3), 0.9, 0.9);
  p.drawLine(QPointF(6.5, 6), QPointF(10, 4));
  p.drawRect(QRectF(9.3, 2.5, 1.6, 1.6));
  QPolygonF head;
  head << QPointF(6.5, 0.3) << QPointF(5.2, 2.2) << QPointF(7.8, 2.2);
  p.drawPolygon(head);
}

void TwoPages(QPainter& p) {
  Page(p, QRectF(1.5, 1.5, 8.5, 10));
  Page(p, QRectF(5.5, 4.5, 9, 10.5));
}

void Scissors(QPainter& p) {
  p.setPen(Stroke(kInk, 1.3));
  p.drawLine(QPointF(4, 1.5), QPointF(10.5, 10));
  p.drawLine(QPointF(12, 1.5), QPointF(5.5, 10));
  p.setBrush(kRed);
  p.drawEllipse(QPointF(4.5, 12), 2.3, 2.3);
  p.drawEllipse(QPointF(11.5, 12), 2.3, 2.3);
}

void Clipboard(QPainter& p) {
  p.setPen(Stroke(kInk));
  p.setBrush(QColor(0xb8, 0x8a, 0x55));
  p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1.2, 1.2);
  p.setBrush(QColor(0xd0, 0xd6, 0xe0));
  p.drawRoundedRect(QRectF(4, 1, 5, 3), 1, 1);
  Page(p, QRectF(6.5, 6, 8, 9));
}

void Cross(QPainter& p) {
  p.setPen(Stroke(Qt::white, 3.2));
  p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
  p.drawLine(QPointF(14.5, 10), QPointF(10, 14.5));
  p.setPen(Stroke(kRed, 1.8));
  p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
  p.drawLine(QPointF(14.5, 10), QPointF(10, 14.5));
}

void Globe(QPainter& p) {
  p.setPen(Stroke(kInk));
  p.setBrush(QColor(0x6f, 0xa8, 0xdc));
  p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(8, 8), 2.8, 6.5);
  p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
  p.drawLine(QPointF(2.8, 4.5), QPointF(13.2, 4.5));
  p.drawLine(QPointF(2.8, 11.5), QPointF(13.2, 11.5));
  Arrow(p, QPointF(12, 15), QPointF(15, 12), kGreen);
}

void Info(QPainter& p) {
  p.setPen(Stroke(kInk));
  p.setBrush(kBlue);
  p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
  p.setPen(Stroke(Qt::white, 2));
  p.drawLine(QPointF(8, 7), QPointF(8, 11.5));
  p.drawPoint(QPointF(8, 4.5));
}

// A hooked arrow turning back to the left (undo) or on to the right (redo),
// on a light halo so it shows on dark toolbars too.
void TurningArrow(QPainter& p, bool back) {
  p.save();
  if (!back) p.setTransform(QTransform(-1, 0, 0, 1, 16, 0), true);
  QPainterPath hook;
  hook.moveTo(4.5, 6.5);
  hook.lineTo(10, 6.5);
  hook.arcTo(QRectF(7, 6.5, 7, 7), 90, -180);
  hook.lineTo(6, 13.5);
  QPolygonF head;
  head << QPointF(0.8, 6.5) << QPointF(5.2, 2.6) << QPointF(5.2, 10.4);
  for (const auto& [color, width] : {std::pair{QColor(Qt::white), 3.6}, std::pair{kBlue, 2.0}}) {
    p.setPen(Stroke(color, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Stroke(color, width - 1.6));
    p.setBrush(color);
    p.drawPolygon(head);
  }
  p.restore();
}

void Magnifier(QPainter& p) {
  p.setPen(Stroke(kInk, 1.4));
  p.setBrush(QColor(0xdd, 0xee, 0xfa));
  p.drawEllipse(QPointF(6.5, 6.5), 4.8, 4.8);
  p.setPen(Stroke(kInk, 2.6));
  p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
}

using Paint = void (*)(QPainter&);

QIcon Painted(std::initializer_list<Paint> layers) {
  std::vector<Paint> steps(layers);
  return MakePaintedIcon([steps](QPainter& p, bool) {
    for (Paint step : steps) step(p);
  });
}

QIcon Transfer(Paint device, bool toDevice) {
  return MakePaintedIcon([device, toDevice](QPainter& p, bool) {
    device(p);
    Page(p, QRectF(8.5, 6.5, 6.5, 8.5));
    if (toDevice)
      Arrow(p, QPointF(9.5, 10.5), QPointF(4.5, 12.5), kRed);
    else
      Arrow(p, QPointF(4.5, 12.5), QPointF(9.5, 10.5), kGreen);
  });
}

QIcon OwnIcon(CommandImage image) {
  switch (image) {
    case CommandImage::kNew:
      return MakePaintedIcon([](QPainter& p, bool) {
        Page(p, QRectF(3, 1.5, 10, 13));
        p.setPen(Stroke(kGreen, 1.6));
        p.drawLine(QPointF(8, 6), QPointF(8, 11));
        p.drawLine(QPointF(5.5, 8.5), QPointF(10.5, 8.5));
      });
    case CommandImage::kOpen:
      return Painted({Folder});
    case CommandImage::kSave:
      return Painted({Floppy});
    case CommandImage::kOpenCom:
      return Transfer(SerialPlug, false);
    case CommandImage::kSaveCom:
      return Transfer(SerialPlug, true);
    case CommandImage::kOpenUsb:
      return Transfer(UsbSymbol, false);
    case CommandImage::kSaveUsb:
      return Transfer(UsbSymbol, true);
    case CommandImage::kCopy:
      return Painted({TwoPages});
    case CommandImage::kCut:
      return Painted({Scissors});
    case CommandImage::kPaste:
      return Painted({Clipboard});
    case CommandImage::kDeleteDataChannels:
      return MakePaintedIcon([](QPainter& p, bool) {
        ListIcon(kImageData).paint(&p, QRect(0, 0, 13, 13));
        Cross(p);
      });
    case CommandImage::kDeleteEmptyTransponders:
      return MakePaintedIcon([](QPainter& p, bool) {
        ListIcon(kImageTransponder).paint(&p, QRect(0, 0, 13, 13));
        Cross(p);
      });
    case CommandImage::kUpdateFromInternet:
      return Painted({Globe});
    case CommandImage::kConfiguration:
      return MakePaintedIcon(
          [](QPainter& p, bool) { ListIcon(kImageSettings).paint(&p, QRect(0, 0, 16, 16)); });
    case CommandImage::kAbout:
      return Painted({Info});
    case CommandImage::kUndo:
      return MakePaintedIcon([](QPainter& p, bool) { TurningArrow(p, true); });
    case CommandImage::kRedo:
      return MakePaintedIcon([](QPainter& p, bool) { TurningArrow(p, false); });
    case CommandImage::kFind:
      return Painted({Magnifier});
  }
  return {};
}

const char* ThemeName(CommandImage image) {
  switch (image) {
    case CommandImage::kNew:
      return "document-new";
    case CommandImage::kOpen:
      return "document-open";
    case CommandImage::kSave:
      return "document-save";
    case CommandImage::kCopy:
      return "edit-copy";
    case CommandImage::kCut:
      return "edit-cut";
    case CommandImage::kPaste:
      return "edit-paste";
    case CommandImage::kAbout:
      return "help-about";
    case CommandImage::kUndo:
      return "edit-undo";
    case CommandImage::kRedo:
      return "edit-redo";
    case CommandImage::kFind:
      return "edit-find";
    default:
      return nullptr;
  }
}

// Stock action icons come from the desktop's icon theme. Without one Qt
// falls back to hicolor, which holds application icons only; reading its
// large index would slow the window's start for icons it never has.
bool DesktopIconTheme() {
  const QString theme = QIcon::themeName();
  return !theme.isEmpty() && theme != QLatin1String("hicolor");
}

}  // namespace

QIcon CommandIcon(CommandImage image) {
  const char* name = ThemeName(image);
  return name && DesktopIconTheme() ? QIcon::fromTheme(name, OwnIcon(image)) : OwnIcon(image);
}

}  // namespace vq
