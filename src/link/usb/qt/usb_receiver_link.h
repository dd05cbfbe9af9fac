#pragma once
// The application's receiver connection for the user interface: owns the
// UsbDevice over a bus (libusb or the emulated receiver), attaches at start
// and follows arrival and removal on the user interface thread.

#include <QObject>
#include <memory>

#include "link/usb/usb_device.h"

namespace vq::usb {

/// Hotplug reports from any thread are queued to this object's thread,
/// where Attach and Detach run. The bus must outlive this object.
class UsbReceiverLink : public QObject {
  Q_OBJECT

 public:
  explicit UsbReceiverLink(UsbBus& bus, QObject* parent = nullptr);
  ~UsbReceiverLink() override;

  UsbDevice& Device() { return device_; }
  bool IsAttached() const { return device_.IsAttached(); }

 signals:
  /// The receiver came or went; the USB commands follow IsAttached.
  void attachedChanged(bool attached);
  /// The receiver left the bus (it restarts after writing its flash).
  void receiverRemoved();

 private:
  void OnHotplug(bool arrived);

  UsbBus& bus_;
  UsbDevice device_;
};

}  // namespace vq::usb
