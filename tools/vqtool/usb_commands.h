#pragma once
// Receiver transfers over USB for scripts and backups: the same command
// sequence, busy check and messages as the editor's Open from USB and Save
// to USB, with progress on the error stream.

#include <string>

#include "link/usb/usb_descriptor_match.h"
#include "vqtool/command_line.h"
#include "vqtool/commands.h"

namespace vq::tool {

/// The device filter of the USB options: the ids of --profile's
/// [SettingsUSB] section (VendorId, ProductId; a value that is no id counts
/// as any, as in the editor), then --vendor and --product over them. False
/// with `error` for an unreadable profile or an option that is no id.
bool ReadDeviceFilter(const CommandLine& line, usb::DeviceFilter& filter, std::string& error);

/// usb-download [--emulate FILE] OUT: the receiver's image into OUT, once
/// it has proved to load.
int RunUsbDownload(const Args& args, std::ostream& out, std::ostream& err);
/// usb-upload [--emulate FILE] IN: the settings file IN into the receiver
/// (as a PVR image). With --emulate the emulated receiver's new image is
/// written back to FILE.
int RunUsbUpload(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace vq::tool
