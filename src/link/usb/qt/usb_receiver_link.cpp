#include "link/usb/qt/usb_receiver_link.h"

#include <QMetaObject>

namespace vq::usb {

UsbReceiverLink::UsbReceiverLink(UsbBus& bus, QObject* parent)
    : QObject(parent), bus_(bus), device_(bus) {
  // The bus never calls the handler after it was cleared (destructor), and a
  // queued call still pending when this object goes is dropped with it.
  bus_.SetHotplugHandler([this](bool arrived) {
    QMetaObject::invokeMethod(
        this, [this, arrived] { OnHotplug(arrived); }, Qt::QueuedConnection);
  });
  device_.Attach();
  if (!bus_.HasHotplug()) {
    connect(&poll_, &QTimer::timeout, this, &UsbReceiverLink::Poll);
    poll_.start(kPollIntervalMs);
  }
}

UsbReceiverLink::~UsbReceiverLink() {
  bus_.SetHotplugHandler(nullptr);
  device_.Detach();
}

void UsbReceiverLink::Poll() {
  if (device_.IsAttached()) {
    if (!device_.IsConnected()) OnHotplug(false);
  } else {
    OnHotplug(true);
  }
}

void UsbReceiverLink::OnHotplug(bool arrived) {
  if (arrived) {
    if (device_.Attach()) emit attachedChanged(true);
    return;
  }
  if (device_.Detach()) emit attachedChanged(false);
  emit receiverRemoved();
}

}  // namespace vq::usb
