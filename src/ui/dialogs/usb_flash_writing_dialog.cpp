#include "ui/dialogs/usb_flash_writing_dialog.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "link/usb/qt/usb_receiver_link.h"

namespace vq {

FlashWritingDialog::FlashWritingDialog(QWidget* parent, bool closable, const QString& device)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), closable_(closable) {
  auto* icon = new QLabel(this);
  icon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
  if (icon->pixmap().isNull())
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48));
  auto* warning = new QLabel(tr(kWarning), this);
  QFont bold = warning->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.4);
  warning->setFont(bold);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(icon, 0, Qt::AlignHCenter);
  layout->addWidget(warning, 0, Qt::AlignHCenter);
  layout->addWidget(new QLabel(tr(kWriting), this), 0, Qt::AlignHCenter);
  if (!device.isEmpty()) {
    // Which device writes its flash: the name is the device's own, plain text.
    auto* name = new QLabel(device, this);
    name->setTextFormat(Qt::PlainText);
    name->setObjectName(QStringLiteral("device"));
    layout->addWidget(name, 0, Qt::AlignHCenter);
  }
  if (closable_) {
    auto* close = new QPushButton(tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &FlashWritingDialog::CloseNotice);
    layout->addWidget(close, 0, Qt::AlignHCenter);
  }
  layout->setContentsMargins(32, 24, 32, 24);
}

void FlashWritingDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A held mouse would keep the Close button from being clicked.
  if (!closable_) grabMouse();
}

void FlashWritingDialog::CloseNotice() {
  if (!closable_) releaseMouse();
  accept();
}

void FlashWritingDialog::reject() {
  if (closable_) CloseNotice();
}

FlashWritingDialog* FlashWritingDialog::ShowUntilRemoved(QWidget* parent,
                                                         usb::UsbReceiverLink& link) {
  if (!link.IsAttached()) return nullptr;
  auto* notice = new FlashWritingDialog(parent, !link.HasHotplug(),
                                        QString::fromStdString(link.Device().Name()));
  notice->setAttribute(Qt::WA_DeleteOnClose);
  notice->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
  connect(&link, &usb::UsbReceiverLink::receiverRemoved, notice, &FlashWritingDialog::CloseNotice);
  notice->show();
  return notice;
}

}  // namespace vq
