#pragma once
// Moving a whole image as plain bulk data on the EP2 pipes after the command
// exchange announced it: receiver to file, and file to receiver.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "common/text_translation.h"
#include "link/usb/usb_device.h"

namespace vq::usb {

/// Status line texts of a transfer.
inline constexpr const char* kTransferConnecting = VQ_TRANSLATE_NOOP("CoreText", "Connecting ...");

/// Receives the status line text and the percentage (0..100) as a transfer
/// goes; called on the transfer's thread, only when the text changes.
using TransferProgress = std::function<void(const std::string& status, int percent)>;

/// The clock the write wait is measured on.
using TransferClock = std::function<std::chrono::steady_clock::time_point()>;

struct TransferTiming {
  /// How long one wait lasts before the stop flag is looked at again.
  Milliseconds slice{25};
  /// How long an upload chunk may take to be accepted before it fails.
  Milliseconds writeWait{5000};
  /// How long a download may receive nothing before it fails: as long as an
  /// upload chunk and a command exchange may take.
  Milliseconds readWait{5000};
  /// The steady clock, unless a test steps time itself.
  TransferClock now = std::chrono::steady_clock::now;
};

/// How a transfer ended.
enum class TransferEnd {
  kMoved,    ///< every byte moved
  kStopped,  ///< `stop` was set
  kFailed,   ///< the file or the pipes failed, or the receiver left the bus
  kStalled,  ///< the receiver moved nothing for the read or write wait
};

/// Reads `size` bytes into the existing file at `path`: whole chunks while
/// at least a chunk remains, then 64-byte reads, so the last reads never ask
/// for more than the receiver still sends. Ends when nothing arrives for the
/// read wait; `stop` ends it, and so do the receiver leaving the bus and a
/// Detach. Holds the device lock and the attachment's pipes throughout.
TransferEnd DownloadImage(UsbDevice& device, const std::string& path, uint32_t size,
                          const std::atomic<bool>& stop, const TransferProgress& progress,
                          const TransferTiming& timing = {});

/// Sends the file at `path` (`size` bytes) in chunks; each chunk must be
/// accepted within the write wait. Holds the device lock and the
/// attachment's pipes throughout.
TransferEnd UploadImage(UsbDevice& device, const std::string& path, uint32_t size,
                        const std::atomic<bool>& stop, const TransferProgress& progress,
                        const TransferTiming& timing = {});

/// "Loading ... (n%)" and "Saving ... (n%)".
std::string DownloadStatus(int percent);
std::string UploadStatus(int percent);

}  // namespace vq::usb
