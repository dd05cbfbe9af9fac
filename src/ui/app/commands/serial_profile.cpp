#include "ui/app/commands/serial_profile.h"

#include <QSettings>

namespace vq {

QString LoadSerialDevicePath(const QString& profilePath) {
  const QSettings settings(profilePath, QSettings::IniFormat);
  return settings.value(QString::fromLatin1(kSerialDeviceKey)).toString().trimmed();
}

serial::LineSettings SerialLineFromConfig(const EditorConfig& config, const QString& devicePath) {
  const serial::ComPortValues values{config.Port,      config.Bitrate, config.DataBits,
                                     config.ParityBit, config.StopBit, config.FlowCtrl};
  return serial::MakeLineSettings(values, devicePath.toStdString());
}

}  // namespace vq
