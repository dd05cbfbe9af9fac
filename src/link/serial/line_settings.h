#pragma once
// Line settings of the serial port, made from the editor configuration's
// "SettingsCOMPort" values.

#include <array>
#include <cstdint>
#include <string>

namespace vq::serial {

/// Flow-control bits of the FlowCtrl value.
inline constexpr int kFlowDtrDsr = 1;
inline constexpr int kFlowRtsCts = 2;
inline constexpr int kFlowXonXoff = 4;

/// Line speeds in bits per second, indexed by the stored bitrate value.
inline constexpr std::array<uint32_t, 16> kLineSpeeds = {
    110,   300,   600,   1200,   2400,   4800,   9600,   14400,
    19200, 38400, 56000, 115200, 172800, 230400, 460800, 921600};

enum class Parity { kNone = 0, kOdd = 1, kEven = 2, kMark = 3, kSpace = 4 };
enum class StopBits { kOne = 0, kOneAndHalf = 1, kTwo = 2 };

/// Everything needed to open one port.
struct LineSettings {
  std::string device;
  uint32_t bitsPerSecond = 115200;
  int dataBits = 8;  ///< 5..8
  Parity parity = Parity::kNone;
  StopBits stopBits = StopBits::kOne;
  int flowBits = 0;  ///< kFlow* bits
};

/// The stored "SettingsCOMPort" values, already range-repaired.
struct ComPortValues {
  int32_t port = 0;
  int32_t bitrate = 11;
  int32_t dataBits = 3;
  int32_t parityBit = 0;
  int32_t stopBit = 0;
  int32_t flowCtrl = 0;
};

/// Device of port index n: "/dev/ttyS<n>", the name Linux gives the n+1-th
/// PC serial port (COM<n+1>). Negative indices give port 0.
std::string PortDeviceName(int32_t port);

/// Bits per second of a speed index 0..15 (115200 outside the table).
uint32_t LineSpeed(int32_t bitrateIndex);

/// Line settings from the stored values. A non-empty `devicePath` wins
/// over the port index. Data bits are the value plus 5, limited to 5..8;
/// parity and stop-bit codes outside their tables fall back to none and one.
LineSettings MakeLineSettings(const ComPortValues& values, const std::string& devicePath);

}  // namespace vq::serial
