#pragma once
// How the receiver commands run their work on the receiver: the editor runs
// it behind the transfer dialog; tests run it directly.

#include "link/usb/usb_receiver_command.h"

namespace vq {

/// Runs one USB command's work to its end: the command sequence, then the
/// image transfer it announced. The editor runs it on a worker while the
/// modal transfer dialog shows it, so the window keeps painting and Cancel
/// works throughout. A cancelled command comes back with nothing to show.
class UsbTransferRunner {
 public:
  virtual ~UsbTransferRunner() = default;
  virtual usb::UsbCommandResult Run(usb::UsbDevice& device,
                                    const usb::UsbCommandRequest& request) = 0;
};

}  // namespace vq
