#pragma once
// The real receiver through libusb: finds it by its interface shape (and the
// profile's vendor and product id, when given), claims that one interface
// and reports arrival and removal through libusb hotplug where the platform
// offers it.

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

#include "link/usb/hotplug_gate.h"
#include "link/usb/usb_backend.h"
#include "link/usb/usb_descriptor_match.h"

struct libusb_context;
struct libusb_device;

namespace vq::usb {

/// Owns a libusb context and, when the platform offers hotplug, a thread
/// that handles libusb events. A kernel driver bound to a matching interface
/// is never detached: that device is skipped.
class LibUsbBus : public UsbBus {
 public:
  explicit LibUsbBus(DeviceFilter filter = {});
  LibUsbBus(const LibUsbBus&) = delete;
  LibUsbBus& operator=(const LibUsbBus&) = delete;
  ~LibUsbBus() override;

  /// False when libusb could not start; Open then finds nothing.
  bool IsAvailable() const { return context_ != nullptr; }

  std::unique_ptr<UsbBackend> Open() override;
  void SetHotplugHandler(HotplugHandler handler) override;
  /// False when libusb has no hotplug or its registration failed.
  bool HasHotplug() const override { return hotplugRegistered_; }

  /// Called from the libusb event thread.
  void OnHotplug(libusb_device* device, bool arrived);
  /// Called by a backend when it closes its device.
  void Forget(libusb_device* device);
  /// Whether `device` is still in the bus's device list.
  bool IsPresent(libusb_device* device);

 private:
  bool Matches(libusb_device* device) const;

  DeviceFilter filter_;
  libusb_context* context_ = nullptr;
  int hotplugHandle_ = 0;
  bool hotplugRegistered_ = false;
  std::atomic<bool> stopEvents_{false};
  std::thread events_;
  std::mutex mutex_;
  HotplugHandler handler_;
  HotplugGate gate_;
};

}  // namespace vq::usb
