#pragma once
// The application's receiver connection for the user interface: owns the
// UsbDevice over a bus (libusb or the emulated receiver), attaches at start
// and follows arrival and removal on the user interface thread.

#include <QObject>
#include <QTimer>

#include "link/usb/usb_device.h"

namespace vq::usb {

/// Hotplug reports from any thread are queued to this object's thread,
/// where Attach and Detach run. On a bus without hotplug the link looks at
/// the bus itself once a second instead. The bus must outlive this object.
class UsbReceiverLink : public QObject {
  Q_OBJECT

 public:
  static constexpr int kPollIntervalMs = 1000;

  explicit UsbReceiverLink(UsbBus& bus, QObject* parent = nullptr);
  ~UsbReceiverLink() override;
  Q_DISABLE_COPY_MOVE(UsbReceiverLink)

  UsbDevice& Device() { return device_; }
  bool IsAttached() const { return device_.IsAttached(); }
  /// Whether removals are reported as they happen; without hotplug they are
  /// noticed by the next look at the bus.
  bool HasHotplug() const { return bus_.HasHotplug(); }

  /// One look at the bus, as the timer takes it without hotplug: a receiver
  /// that left is detached and reported removed; when none is attached, one
  /// that is there is attached.
  void Poll();

 signals:
  /// The receiver came or went; the USB commands follow IsAttached.
  void attachedChanged(bool attached);
  /// The receiver left the bus (it restarts after writing its flash).
  void receiverRemoved();

 private:
  void OnHotplug(bool arrived);

  UsbBus& bus_;
  UsbDevice device_;
  QTimer poll_;
};

}  // namespace vq::usb
