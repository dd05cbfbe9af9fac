#pragma once
// The command sequence that opens every USB transfer: drain, busy check,
// product name and software version, init, and the read-file or write-file
// announcement. Shared by the editor's commands and the command-line tool,
// with the messages the user sees.

#include <atomic>
#include <cstdint>
#include <string>

#include "common/text_translation.h"
#include "link/usb/usb_device.h"

namespace vq::usb {

inline constexpr const char* kReceiverBusyMessage = VQ_TRANSLATE_NOOP(
    "CoreText",
    "The Receiver is now busy.\nIf you want to use the application, you have to stop the PVR "
    "function or stop the menu navigation.");

/// The largest image size a receiver may announce; anything larger is not
/// transferred (a settings image is at most 827392 bytes).
inline constexpr uint32_t kLargestAnnouncedImage = 16u << 20;

struct UsbSessionTiming {
  Milliseconds command{5000};  ///< every command exchange
  Milliseconds drain{500};     ///< each read of the drain
};

/// What the sequence came to. When `ready`, the transfer of `size` bytes may
/// start; otherwise `message` is the text to show (empty: show nothing).
struct UsbSessionStart {
  bool ready = false;
  std::string message;
  uint32_t size = 0;
  std::string information;  ///< "Product Name: ...\nSoftware Version: ...", translated
};

/// "Can't communicate with the STB.\nCheck your system. error_code=%#x" in
/// the user's language.
std::string CommunicationMessage(uint32_t code);
/// The one-line variant shown when init fails before a save.
std::string SaveInitMessage(uint32_t code);

/// Announces a read of the receiver's image. Setting `stop` fails every
/// exchange still to come and ends the one under way at its next wait.
UsbSessionStart StartUsbRead(UsbDevice& device, const UsbSessionTiming& timing = {},
                             const std::atomic<bool>* stop = nullptr);
/// Announces a write of `size` bytes; `stop` as for StartUsbRead.
UsbSessionStart StartUsbWrite(UsbDevice& device, uint32_t size, const UsbSessionTiming& timing = {},
                              const std::atomic<bool>* stop = nullptr);

}  // namespace vq::usb
