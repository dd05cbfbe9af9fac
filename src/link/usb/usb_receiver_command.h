#pragma once
// One whole USB receiver command as its worker runs it: the command sequence
// that announces the transfer, then the image transfer itself.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "link/usb/usb_image_transfer.h"
#include "link/usb/usb_receiver_session.h"

namespace vq::usb {

struct UsbCommandRequest {
  bool download = true;
  /// The existing file a download fills, or the file an upload sends.
  std::string path;
  /// Bytes to upload; a download takes the size the receiver announces.
  uint32_t uploadSize = 0;
  UsbSessionTiming session;
  TransferTiming transfer;
};

/// Calls from a running command, on its thread.
struct UsbCommandHooks {
  /// The sequence named the receiver ("Product Name: ..."); the transfer
  /// starts next.
  std::function<void(const std::string& information)> announced;
  TransferProgress progress;
};

/// What the command came to.
struct UsbCommandResult {
  /// The announcement; when not ready, its message is the text to show
  /// (empty: nothing, also after a stop).
  UsbSessionStart start;
  /// The transfer ran and moved every byte.
  bool moved = false;
  /// Why the transfer failed, when the user should hear it (the receiver
  /// went quiet); empty otherwise.
  std::string message;
};

/// Runs the sequence and, once it announced a transfer, the transfer.
/// `stop` ends either at its next wait; a stopped command shows nothing.
UsbCommandResult RunUsbCommand(UsbDevice& device, const UsbCommandRequest& request,
                               const std::atomic<bool>& stop, const UsbCommandHooks& hooks = {});

}  // namespace vq::usb
