#include "link/serial/line_settings.h"

#include <algorithm>

namespace vq::serial {
std::string PortDeviceName(int32_t port) {
  return "/dev/ttyS" + std::to_string(std::max(port, 0));
}

uint32_t LineSpeed(int32_t bitrateIndex) {
  if (bitrateIndex < 0 || bitrateIndex >= static_cast<int32_t>(kLineSpeeds.size())) return 115200;
  return kLineSpeeds[static_cast<size_t>(bitrateIndex)];
}

LineSettings MakeLineSettings(const ComPortValues& values, const std::string& devicePath) {
  LineSettings settings;
  settings.device = devicePath.empty() ? PortDeviceName(values.port) : devicePath;
  settings.bitsPerSecond = LineSpeed(values.bitrate);
  settings.dataBits = std::clamp(values.dataBits + 5, 5, 8);
  settings.parity = values.parityBit >= 0 && values.parityBit <= 4
                        ? static_cast<Parity>(values.parityBit)
                        : Parity::kNone;
  settings.stopBits = values.stopBit >= 0 && values.stopBit <= 2
                          ? static_cast<StopBits>(values.stopBit)
                          : StopBits::kOne;
  settings.flowBits = values.flowCtrl & (kFlowDtrDsr | kFlowRtsCts | kFlowXonXoff);
  return settings;
}

}  // namespace vq::serial
