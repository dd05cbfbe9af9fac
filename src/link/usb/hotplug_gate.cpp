#include "link/usb/hotplug_gate.h"

namespace vq::usb {

void HotplugGate::Opened(Device device) {
  held_ = device;
  arrivalPending_ = false;
}

bool HotplugGate::Closed(Device device) {
  if (device != held_) return false;
  held_ = nullptr;
  const bool due = arrivalPending_;
  arrivalPending_ = false;
  return due;
}

bool HotplugGate::Arrived() {
  if (held_ == nullptr) return true;
  arrivalPending_ = true;
  return false;
}

bool HotplugGate::Left(Device device) const { return device != nullptr && device == held_; }

}  // namespace vq::usb
