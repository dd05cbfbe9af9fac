#include "ui/dialogs/hyper_link.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QMouseEvent>

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

void CHyperLink::Restyle() {
  // Normal blue, hover red, visited purple; underlined while hovered.
  const char* color = hovered_ ? "#c0392b" : visited_ ? "#6c3483" : "#1f5fbf";
  setStyleSheet(
      QStringLiteral("color: %1; text-decoration: %2").arg(color, hovered_ ? "underline" : "none"));
}

}  // namespace vq
