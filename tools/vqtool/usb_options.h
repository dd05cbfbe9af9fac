#pragma once
// The options of usb-download and usb-upload and the device filter they give.

#include <CLI/CLI.hpp>
#include <cstdint>
#include <optional>
#include <string>

#include "link/usb/usb_descriptor_match.h"

namespace vq::tool {

/// What usb-download and usb-upload are given.
struct UsbOptions {
  std::string file;
  std::optional<std::string> emulate;
  std::optional<std::string> profile;
  std::optional<uint16_t> vendor;
  std::optional<uint16_t> product;
};

/// The device filter of the USB options: the ids of the profile's
/// [SettingsUSB] section (VendorId, ProductId; a value that is no id counts
/// as any, as in the editor), then the vendor and product options over them.
/// False with `error` for an unreadable profile.
bool ReadDeviceFilter(const UsbOptions& options, usb::DeviceFilter& filter, std::string& error);

/// Declares --emulate FILE and the USB options --vendor ID, --product ID
/// (0x1234 or decimal, 0 to 0xFFFF) and --profile INI on `command`.
void AddUsbOptions(CLI::App& command, UsbOptions& options);

}  // namespace vq::tool
