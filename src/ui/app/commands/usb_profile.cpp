#include "ui/app/commands/usb_profile.h"

#include <QSettings>

namespace vq {
namespace {

uint16_t ReadId(const QSettings& settings, const QString& key) {
  bool ok = false;
  // Decimal, or hexadecimal with 0x as udev and lsusb write it.
  const int value = settings.value(key).toString().trimmed().toInt(&ok, 0);
  return ok && value >= 0 && value <= 0xFFFF ? static_cast<uint16_t>(value) : 0;
}

}  // namespace

usb::DeviceFilter ReadUsbDeviceFilter(const QString& profilePath) {
  const QSettings settings(profilePath, QSettings::IniFormat);
  return {ReadId(settings, QStringLiteral("SettingsUSB/VendorId")),
          ReadId(settings, QStringLiteral("SettingsUSB/ProductId"))};
}

}  // namespace vq
