#pragma once
// The application's one receiver connection: the attachment of the opened
// receiver, the reader of its side channel, the drain, and the lock that
// keeps command exchanges and transfers apart.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "link/usb/usb_backend.h"
#include "link/usb/usb_pipes.h"

namespace vq::usb {

/// Attach opens the receiver through the bus; Detach ends that attachment.
/// An exchange or a transfer on another thread that still holds the
/// attachment's pipes fails at its next wait; it never carries on over a
/// later attachment.
class UsbDevice {
 public:
  /// Bytes of one transfer chunk (read and write).
  static constexpr size_t kChunkSize = 65536;
  /// Bytes of one command-pipe piece.
  static constexpr size_t kPieceSize = UsbPipes::kPieceSize;

  explicit UsbDevice(UsbBus& bus);
  UsbDevice(const UsbDevice&) = delete;
  UsbDevice& operator=(const UsbDevice&) = delete;
  ~UsbDevice();

  /// Opens the receiver, resets its pipes and starts the side-channel
  /// reader. False when already attached or when no receiver opens.
  bool Attach();
  /// Stops the reader and ends the attachment; false when not attached.
  bool Detach();
  bool IsAttached() const;
  /// The attached device's name for the user (UsbBackend::Name); empty when
  /// detached.
  std::string Name() const;
  /// Attached, and the receiver is still on the bus (a bus without hotplug
  /// is polled with this).
  bool IsConnected() const;

  /// The pipes of the current attachment (closed ones when detached), taken
  /// once per exchange and per transfer. With `stop`, setting it ends every
  /// wait on them as a failure.
  UsbPipes Pipes(const std::atomic<bool>* stop = nullptr) const;

  /// Throws away stale responses: reads 64-byte pieces until one fails.
  /// Holds the device lock throughout; `stop` ends it early.
  void CancelEP2IO(Milliseconds timeout = Milliseconds(500),
                   const std::atomic<bool>* stop = nullptr);

  /// Held for each command exchange, the drain and a whole transfer.
  std::recursive_mutex& Lock() { return lock_; }
  /// The command sequence number (0..128), kept across commands.
  uint8_t& CommandSequence() { return sequence_; }
  /// Bytes the side channel has delivered since the last Attach.
  size_t SideChannelCount() const { return sideChannelCount_; }

 private:
  std::shared_ptr<UsbAttachment> Current() const;
  void RunSideChannel(const std::shared_ptr<UsbAttachment>& attachment);

  UsbBus& bus_;
  mutable std::mutex attachmentLock_;
  std::shared_ptr<UsbAttachment> attachment_;
  std::thread sideChannel_;
  std::atomic<size_t> sideChannelCount_{0};
  std::recursive_mutex lock_;
  uint8_t sequence_ = 0;
};

}  // namespace vq::usb
