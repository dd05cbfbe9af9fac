#pragma once
// The profile's USB section: a vendor and product id that narrow which
// device is taken for the receiver ("SettingsUSB": "VendorId", "ProductId";
// 0 or absent matches any).

#include <QString>

#include "link/usb/usb_descriptor_match.h"

namespace vq {

/// Reads the filter from the INI file at `profilePath`. A value that is not
/// a number from 0 to 65535 counts as 0 (any).
usb::DeviceFilter ReadUsbDeviceFilter(const QString& profilePath);

}  // namespace vq
