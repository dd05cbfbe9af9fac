#pragma once
// The command pipes of one attachment of the receiver, as a command exchange
// or an image transfer takes them: once, at its start.

#include <atomic>
#include <cstdint>
#include <memory>

#include "link/usb/usb_backend.h"

namespace vq::usb {

/// Codes of ReadData and WriteData and of a failed command exchange.
inline constexpr uint32_t kUsbOk = 0;
inline constexpr uint32_t kUsbFailure = 0x100;

/// One attachment: the opened receiver and whether it has been detached.
struct UsbAttachment {
  explicit UsbAttachment(std::unique_ptr<UsbBackend> opened) : backend(std::move(opened)) {}
  const std::unique_ptr<UsbBackend> backend;
  std::atomic<bool> detached{false};
};

/// Every call goes to the receiver that was attached when the pipes were
/// taken. Once that attachment has ended every call fails, also after a new
/// Attach, so an exchange or a transfer never carries on over another
/// connection. Long waits are cut into slices; between slices the pipes
/// look at the detach and at the stop flag, either of which ends the wait
/// as a failure. Default-constructed pipes are closed.
class UsbPipes {
 public:
  /// Bytes of one command-pipe piece.
  static constexpr size_t kPieceSize = 64;
  /// The longest single wait on the backend.
  static constexpr Milliseconds kWaitSlice{25};

  UsbPipes() = default;
  UsbPipes(std::shared_ptr<UsbAttachment> attachment, const std::atomic<bool>* stop)
      : attachment_(std::move(attachment)), stop_(stop) {}

  /// The attachment has not ended and no stop was asked for.
  bool IsOpen() const;

  /// Reads exactly `length` bytes from EP2 IN in 64-byte pieces, each given
  /// up to `timeout`. kUsbOk, else kUsbFailure; `count` says what arrived.
  uint32_t ReadData(uint8_t* data, size_t length, size_t& count, Milliseconds timeout) const;
  /// Writes `length` bytes to EP2 OUT in 64-byte pieces; stops at the first
  /// piece that fails or times out. kUsbOk when the pipes were open (callers
  /// compare `count` with `length`), else kUsbFailure.
  uint32_t WriteData(const uint8_t* data, size_t length, size_t& count, Milliseconds timeout) const;

  /// One bulk transfer of up to `length` bytes on EP2, for the image
  /// transfers: a read ends with the first bytes that arrive, a write when
  /// all went out; either gives up after `timeout`.
  TransferResult ReadChunk(uint8_t* data, size_t length, Milliseconds timeout) const;
  TransferResult WriteChunk(const uint8_t* data, size_t length, Milliseconds timeout) const;

 private:
  TransferResult Transfer(Endpoint endpoint, uint8_t* data, size_t length,
                          Milliseconds timeout) const;

  std::shared_ptr<UsbAttachment> attachment_;
  const std::atomic<bool>* stop_ = nullptr;
};

}  // namespace vq::usb
