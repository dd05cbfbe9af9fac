#pragma once
// Reading a libusb device's descriptors into the plain form the receiver
// matching works on.

#include "link/usb/usb_descriptor_match.h"

struct libusb_device;

namespace vq::usb {

/// Fills `out` from the device descriptor and the active configuration
/// (every alternate setting of every interface); false when either cannot
/// be read.
bool ReadDeviceDescriptor(libusb_device* device, DeviceDescriptor& out);

}  // namespace vq::usb
