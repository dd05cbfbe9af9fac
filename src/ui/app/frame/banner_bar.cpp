#include "ui/app/frame/banner_bar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/hyper_link.h"
#include "ui/grid/scheme_colors.h"
#include "ui/view/list_images.h"
#include "ui/view/painted_icon.h"

namespace vq {

QIcon ProgramIcon() {
  return MakePaintedIcon([](QPainter& p, bool) {
    p.setPen(Qt::NoPen);
    QLinearGradient sky(0, 0, 0, 16);
    sky.setColorAt(0, QColor(0x3a, 0x7b, 0xd5));
    sky.setColorAt(1, QColor(0x1d, 0x3f, 0x7a));
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3.5, 3.5);
    p.setPen(QPen(Qt::white, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawChord(QRectF(2, 3, 10, 10), 135 * 16, 180 * 16);
    p.drawLine(QPointF(7, 8), QPointF(11, 4.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(11.5, 4), 1.2, 1.2);
    p.drawLine(QPointF(5.5, 11.5), QPointF(4, 14));
  });
}

BannerBar::BannerBar(QWidget* parent) : QWidget(parent) {
  setObjectName("Banner");
  // Both logos lead to the program's web page.
  const QUrl address(kProgramAddress);
  auto* icon = new CHyperLink("", address, CHyperLink::Failure::kBanner, this);
  icon->setPixmap(ProgramIcon().pixmap(QSize(32, 32), devicePixelRatioF()));
  icon->setAccessibleName("VQChannelEditor");
  name_ = new CHyperLink("", address, CHyperLink::Failure::kBanner, this);
  name_->setAccessibleName("VQChannelEditor v0.65 beta");
  WriteName();
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(12, 0, 12, 0);
  layout->addWidget(icon);
  layout->addWidget(name_);
}

void BannerBar::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) WriteName();
}

void BannerBar::WriteName() {
  const QColor version = SchemeColors::readableOn(
      palette().color(QPalette::Mid), palette().color(QPalette::Window), SchemeColors::kTextContrast);
  name_->setText(QStringLiteral("<span style='font-size:12pt; font-weight:600'>VQChannelEditor</span><br>"
                                "<span style='color:%1'>v0.65 beta</span>")
                     .arg(version.name()));
}

}  // namespace vq
