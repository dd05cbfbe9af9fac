#pragma once
// The request/response protocol on the command pipes: one 128-byte command
// frame out, one 128-byte response frame back, before an image moves.

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

#include "link/usb/usb_device.h"

namespace vq::usb {

/// Frame layout and command vocabulary.
inline constexpr size_t kFrameSize = 128;
inline constexpr size_t kFrameDataOffset = 10;
inline constexpr size_t kFrameDataSize = 108;
inline constexpr size_t kFrameSequenceOffset = 118;
inline constexpr size_t kFrameCodeOffset = 119;
inline constexpr size_t kFrameParameterOffset = 120;
inline constexpr size_t kFrameStatusOffset = 120;
inline constexpr size_t kFrameValueOffset = 122;
inline constexpr size_t kFrameChecksumOffset = 124;
inline constexpr char kFrameSignature[] = "KoRvAnEtIx";
inline constexpr uint8_t kSequenceLimit = 128;  ///< the sequence runs 0..128

enum CommandCode : uint8_t {
  kCommandInit = 1,
  kCommandInfo = 2,
  kCommandReadFile = 8,
  kCommandWriteFile = 9,
};

enum InfoSelector : uint16_t {
  kInfoProductName = 1,
  kInfoSoftwareVersion = 2,
  kInfoPvrState = 14,
};

using Frame = std::array<uint8_t, kFrameSize>;

/// Builds a cleared command frame with signature, code and parameter; the
/// sequence number and checksum are stamped by Seal.
Frame MakeCommandFrame(uint8_t code, uint16_t parameter);
/// Puts `sequence` at offset 118 and the byte sum of bytes 0..123 at 124.
void SealCommandFrame(Frame& frame, uint8_t sequence);

/// Runs the commands over a UsbDevice. Each returns kUsbFailure (0x100) when
/// the exchange failed (short write, short or silent read, wrong sequence
/// number, the receiver detached, `stop` set) and otherwise the receiver's
/// status, 0 for success. Each exchange takes the device's pipes once.
class UsbCommandChannel {
 public:
  explicit UsbCommandChannel(UsbDevice& device, const std::atomic<bool>* stop = nullptr)
      : device_(device), stop_(stop) {}

  uint32_t CommandInit(Milliseconds timeout);
  /// `data` (108 bytes), `status` and `value` are filled when given.
  uint32_t CommandInfo(uint16_t selector, Milliseconds timeout, uint8_t* data = nullptr,
                       uint16_t* status = nullptr, uint16_t* value = nullptr);
  /// On success FileAddress and FileSize give the announced image.
  uint32_t CommandReadFile(Milliseconds timeout);
  uint32_t CommandWriteFile(uint64_t size, Milliseconds timeout);

  /// From the last read-file response (big-endian at offsets 10 and 14).
  uint32_t FileAddress() const;
  uint32_t FileSize() const;
  /// The last command frame sent and response frame received.
  const Frame& CommandFrame() const { return command_; }
  const Frame& ResponseFrame() const { return response_; }

 private:
  uint32_t Exchange(Milliseconds timeout);

  UsbDevice& device_;
  const std::atomic<bool>* stop_;
  Frame command_{};
  Frame response_{};
};

/// A 0-terminated text from response data, cut at the data's end.
std::string ResponseText(const uint8_t* data, size_t size = kFrameDataSize);

}  // namespace vq::usb
