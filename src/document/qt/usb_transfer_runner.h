#pragma once
// How the receiver commands run an image transfer: the editor shows the
// transfer dialog; tests run the transfer directly.

#include <QString>
#include <cstdint>
#include <string>

#include "link/usb/usb_device.h"

namespace vq {

/// Runs one announced image transfer to its end and says whether every byte
/// moved. False also when the user cancelled.
class UsbTransferRunner {
 public:
  virtual ~UsbTransferRunner() = default;
  virtual bool Run(bool download, usb::UsbDevice& device, const std::string& path,
                   uint32_t size, const QString& information) = 0;
};

}  // namespace vq
