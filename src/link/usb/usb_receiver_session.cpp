#include "link/usb/usb_receiver_session.h"

#include "common/translated_format.h"
#include "link/usb/usb_command_channel.h"

namespace vq::usb {
namespace {

// Drain, busy check and identity. False (with the busy message) when the
// receiver is busy.
bool Greet(UsbDevice& device, UsbCommandChannel& channel, const UsbSessionTiming& timing,
           UsbSessionStart& start, const std::atomic<bool>* stop) {
  device.CancelEP2IO(timing.drain, stop);
  uint16_t pvrState = 0;
  channel.CommandInfo(kInfoPvrState, timing.command, nullptr, nullptr, &pvrState);
  if (pvrState == 1) {
    start.message = kReceiverBusyMessage;
    return false;
  }
  uint8_t name[kFrameDataSize] = {};
  uint8_t version[kFrameDataSize] = {};
  channel.CommandInfo(kInfoProductName, timing.command, name);
  channel.CommandInfo(kInfoSoftwareVersion, timing.command, version);
  start.information = TranslatedFormat(
      VQ_TRANSLATE_NOOP("CoreText", "Product Name:      %s\nSoftware Version:  %s"),
      ResponseText(name).c_str(), ResponseText(version).c_str());
  return true;
}

}  // namespace

std::string CommunicationMessage(uint32_t code) {
  return TranslatedFormat(
      VQ_TRANSLATE_NOOP("CoreText",
                        "Can't communicate with the STB.\nCheck your system. error_code=%#x"),
      static_cast<unsigned>(code));
}

std::string SaveInitMessage(uint32_t code) {
  return TranslatedFormat(
      VQ_TRANSLATE_NOOP("CoreText",
                        "Can't communicate with the Settop box. Check your system. error_code=%#x"),
      static_cast<unsigned>(code));
}

UsbSessionStart StartUsbRead(UsbDevice& device, const UsbSessionTiming& timing,
                             const std::atomic<bool>* stop) {
  UsbSessionStart start;
  UsbCommandChannel channel(device, stop);
  if (!Greet(device, channel, timing, start, stop)) return start;
  uint32_t code = channel.CommandInit(timing.command);
  if (code == kUsbOk) code = channel.CommandReadFile(timing.command);
  if (code != kUsbOk) {
    start.message = CommunicationMessage(code);
    return start;
  }
  start.size = channel.FileSize();
  // An empty or absurd announcement cannot be a settings image: nothing to
  // fetch, and nothing shown, as for any image of the wrong size.
  start.ready = start.size != 0 && start.size <= kLargestAnnouncedImage;
  return start;
}

UsbSessionStart StartUsbWrite(UsbDevice& device, uint32_t size, const UsbSessionTiming& timing,
                              const std::atomic<bool>* stop) {
  UsbSessionStart start;
  UsbCommandChannel channel(device, stop);
  if (!Greet(device, channel, timing, start, stop)) return start;
  uint32_t code = channel.CommandInit(timing.command);
  if (code != kUsbOk) {
    start.message = SaveInitMessage(code);
    return start;
  }
  code = channel.CommandWriteFile(size, timing.command);
  if (code != kUsbOk) {
    start.message = CommunicationMessage(code);
    return start;
  }
  start.size = size;
  start.ready = true;
  return start;
}

}  // namespace vq::usb
