#include "ui/dialogs/hyper_link.h"

#include <QApplication>
#include <QEvent>
#include <QDesktopServices>
#include <QMessageBox>
#include <QMouseEvent>

#include "ui/grid/scheme_colors.h"

namespace vq {

CHyperLink::CHyperLink(const QString& text, const QUrl& address, Failure failure, QWidget* parent)
    : QLabel(text, parent),
      address_(address),
      failure_(failure),
      opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
  setCursor(Qt::PointingHandCursor);
  setToolTip(address.toString());
  setAccessibleName(text.isEmpty() ? address.toString() : text);
  Restyle();
}

bool CHyperLink::Follow() {
  if (opener_ && opener_(address_)) {
    visited_ = true;
    Restyle();
    return true;
  }
  if (failure_ == Failure::kBanner) QApplication::beep();
  const QString& text = failure_ == Failure::kBanner ? kBannerFailure : kPlainFailure;
  emit failed(text);
  QMessageBox::warning(window(), QString(), text);
  return false;
}

void CHyperLink::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  Restyle();
  QLabel::enterEvent(event);
}

void CHyperLink::leaveEvent(QEvent* event) {
  hovered_ = false;
  Restyle();
  QLabel::leaveEvent(event);
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Follow();
  QLabel::mouseReleaseEvent(event);
}

void CHyperLink::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) Restyle();
}

void CHyperLink::Restyle() {
  // Normal blue, hover red, visited purple, each lightened as far as a dark
  // window needs; underlined while hovered.
  const QRgb rgb = hovered_ ? 0xc0392b : visited_ ? 0x6c3483 : 0x1f5fbf;
  const QColor color(rgb);
  const QColor shown = SchemeColors::readableOn(color, palette().color(QPalette::Window),
                                                SchemeColors::kTextContrast);
  const QString sheet = QStringLiteral("color: %1; text-decoration: %2")
                            .arg(shown.name(), hovered_ ? "underline" : "none");
  // The style sheet changes the palette too: set it only when it differs.
  if (sheet != styleSheet()) setStyleSheet(sheet);
}

}  // namespace vq
