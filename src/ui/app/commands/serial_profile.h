#pragma once
// The serial line of the editor configuration, with the profile key that
// names a device path.

#include <QString>

#include "link/serial/line_settings.h"
#include "ui/app/config/editor_config.h"

namespace vq {

/// Section and key of the device path ("/dev/ttyUSB0", a pseudo-terminal);
/// when set it wins over the Port index.
inline constexpr char kSerialDeviceKey[] = "SettingsCOMPort/DevicePath";

/// The device path stored in the profile INI at `profilePath`; empty when absent.
QString LoadSerialDevicePath(const QString& profilePath);

/// The line settings of the "SettingsCOMPort" values and the device path.
serial::LineSettings SerialLineFromConfig(const EditorConfig& config, const QString& devicePath);

}  // namespace vq
