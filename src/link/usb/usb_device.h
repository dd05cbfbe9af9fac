#pragma once
// The application's one receiver connection: the opened pipes, the reader of
// the side channel, timed 64-byte reads and writes on the command pipes, the
// drain, and the lock that keeps command exchanges and transfers apart.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "link/usb/usb_backend.h"

namespace vq::usb {

/// Codes of ReadData and WriteData and of a failed command exchange.
inline constexpr uint32_t kUsbOk = 0;
inline constexpr uint32_t kUsbFailure = 0x100;

/// Attach opens the receiver through the bus; Detach closes it. The backend
/// is shared with I/O in flight, so a Detach on one thread never pulls the
/// pipes from under a transfer on another: that transfer simply fails.
class UsbDevice {
 public:
  /// Bytes of one transfer chunk (read and write).
  static constexpr size_t kChunkSize = 65536;
  /// Bytes of one command-pipe piece.
  static constexpr size_t kPieceSize = 64;

  explicit UsbDevice(UsbBus& bus);
  UsbDevice(const UsbDevice&) = delete;
  UsbDevice& operator=(const UsbDevice&) = delete;
  ~UsbDevice();

  /// Opens the receiver, resets its pipes and starts the side-channel
  /// reader. False when already attached or when no receiver opens.
  bool Attach();
  /// Stops the reader and closes the pipes; false when not attached.
  bool Detach();
  bool IsAttached() const;

  /// Reads exactly `length` bytes from EP2 IN in 64-byte pieces, each given
  /// up to `timeout`. kUsbOk, else kUsbFailure; `count` says what arrived.
  uint32_t ReadData(uint8_t* data, size_t length, size_t& count, Milliseconds timeout);
  /// Writes `length` bytes to EP2 OUT in 64-byte pieces; stops at the first
  /// piece that fails or times out. Returns kUsbOk when attached (callers
  /// compare `count` with `length`), else kUsbFailure.
  uint32_t WriteData(const uint8_t* data, size_t length, size_t& count, Milliseconds timeout);
  /// Throws away stale responses: reads 64-byte pieces until one fails.
  void CancelEP2IO(Milliseconds timeout = Milliseconds(500));

  /// One bulk transfer of up to `length` bytes on EP2, for the image
  /// transfers; a detached device fails at once.
  TransferResult ReadChunk(uint8_t* data, size_t length, Milliseconds timeout);
  TransferResult WriteChunk(const uint8_t* data, size_t length, Milliseconds timeout);

  /// Held for each command exchange, the drain and a whole transfer.
  std::recursive_mutex& Lock() { return lock_; }
  /// The command sequence number (0..128), kept across commands.
  uint8_t& CommandSequence() { return sequence_; }
  /// Bytes the side channel has delivered since the last Attach.
  size_t SideChannelCount() const { return sideChannelCount_; }

 private:
  std::shared_ptr<UsbBackend> Backend() const;
  void RunSideChannel(std::shared_ptr<UsbBackend> backend);

  UsbBus& bus_;
  mutable std::mutex backendLock_;
  std::shared_ptr<UsbBackend> backend_;
  std::thread sideChannel_;
  std::atomic<bool> stopSideChannel_{false};
  std::atomic<size_t> sideChannelCount_{0};
  std::recursive_mutex lock_;
  uint8_t sequence_ = 0;
};

}  // namespace vq::usb
