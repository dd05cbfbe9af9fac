#include "vqtool/usb_commands.h"

#include <atomic>
#include <memory>

#include "document/receiver_image_steps.h"
#include "link/usb/emulated_receiver.h"
#include "link/usb/libusb_bus.h"
#include "link/usb/usb_image_transfer.h"
#include "link/usb/usb_receiver_session.h"
#include "vqtool/command_line.h"
#include "vqtool/settings_file.h"
#include "vqtool/terminal_text.h"

namespace vq::tool {
namespace {

constexpr std::string_view kDownloadUsage = "usage: vqtool usb-download [--emulate FILE] OUT\n";
constexpr std::string_view kUploadUsage = "usage: vqtool usb-upload [--emulate FILE] IN\n";

// The receiver: the emulated one loaded from --emulate, else the USB bus.
struct Receiver {
  std::unique_ptr<usb::EmulatedReceiver> emulated;
  std::unique_ptr<usb::LibUsbBus> real;
  std::unique_ptr<usb::UsbDevice> device;
};

bool Connect(const CommandLine& line, Receiver& receiver, std::ostream& err) {
  usb::UsbBus* bus = nullptr;
  if (const auto it = line.options.find("--emulate"); it != line.options.end()) {
    std::string error;
    receiver.emulated = usb::EmulatedReceiver::FromFile(it->second, error);
    if (!receiver.emulated) {
      err << "vqtool: " << error << "\n";
      return false;
    }
    bus = receiver.emulated.get();
  } else {
    receiver.real = std::make_unique<usb::LibUsbBus>();
    bus = receiver.real.get();
  }
  receiver.device = std::make_unique<usb::UsbDevice>(*bus);
  if (!receiver.device->Attach()) {
    err << "vqtool: no receiver found on USB\n";
    return false;
  }
  return true;
}

usb::TransferProgress Progress(std::ostream& err) {
  return [&err](const std::string& status, int) { err << "\r" << status << std::flush; };
}

bool Fail(std::ostream& err, const std::string& message) {
  err << "vqtool: " << message << "\n";
  return false;
}

// A receiver that went quiet is reported as the link reports a failed
// exchange; other failures in the tool's words.
std::string TransferFailure(usb::TransferEnd end) {
  if (end == usb::TransferEnd::kStalled) return usb::CommunicationMessage(usb::kUsbFailure);
  return "the transfer failed";
}

bool Download(usb::UsbDevice& device, const std::string& path, std::ostream& err) {
  ReceiverTempFile temp;
  if (!temp.IsCreated()) return Fail(err, kReceiverTempCreateFailed);
  const usb::UsbSessionStart start = usb::StartUsbRead(device);
  if (!start.ready)
    return Fail(err, start.message.empty() ? "the receiver announced no settings image"
                                           : start.message);
  err << TerminalText(start.information, true) << "\n";
  const std::atomic<bool> stop{false};
  const usb::TransferEnd end =
      usb::DownloadImage(device, temp.Path(), start.size, stop, Progress(err));
  err << "\n";
  if (end != usb::TransferEnd::kMoved) return Fail(err, TransferFailure(end));
  SettingsDatabase scratch;
  const ReceivedImageResult result = LoadReceivedImage(temp.Path(), scratch);
  if (result != ReceivedImageResult::kLoaded) {
    const char* message = ReceivedImageMessage(result);
    return Fail(err, message ? message : "the received image has no settings image size");
  }
  std::vector<uint8_t> image;
  std::string error;
  if (!ReadWholeFile(temp.Path(), kImageSizeModel1, image, error) ||
      !WriteFileReplacing(path, image, error))
    return Fail(err, path + ": " + error);
  return true;
}

bool Upload(usb::UsbDevice& device, const std::string& path, std::ostream& err) {
  SettingsDatabase db;
  std::string error;
  if (!LoadSettingsFile(path, db, error)) return Fail(err, path + ": " + error);
  ReceiverTempFile temp;
  if (!temp.IsCreated()) return Fail(err, kReceiverTempCreateFailed);
  std::vector<uint8_t> image;
  if (!EncodeReceiverImage(db, image)) return Fail(err, path + ": cannot encode the settings");
  if (const std::string written = WriteReceiverImage(temp.Path(), image); !written.empty())
    return Fail(err, written);
  const usb::UsbSessionStart start = usb::StartUsbWrite(device, uint32_t(image.size()));
  if (!start.ready) return Fail(err, start.message);
  err << TerminalText(start.information, true) << "\n";
  const std::atomic<bool> stop{false};
  const usb::TransferEnd end =
      usb::UploadImage(device, temp.Path(), start.size, stop, Progress(err));
  err << "\n";
  return end == usb::TransferEnd::kMoved || Fail(err, TransferFailure(end));
}

}  // namespace

int RunUsbDownload(const Args& args, std::ostream& out, std::ostream& err) {
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {"--emulate"}, {}, line, error)) return UsageError(err, error, kDownloadUsage);
  if (line.positional.size() != 1) return UsageError(err, "expected OUT", kDownloadUsage);
  Receiver receiver;
  if (!Connect(line, receiver, err) || !Download(*receiver.device, line.positional[0], err))
    return kExitFailure;
  out << "Settings successfully opened from receiver!\n";
  return kExitOk;
}

int RunUsbUpload(const Args& args, std::ostream& out, std::ostream& err) {
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {"--emulate"}, {}, line, error)) return UsageError(err, error, kUploadUsage);
  if (line.positional.size() != 1) return UsageError(err, "expected IN", kUploadUsage);
  Receiver receiver;
  if (!Connect(line, receiver, err) || !Upload(*receiver.device, line.positional[0], err))
    return kExitFailure;
  if (receiver.emulated &&
      !WriteFileReplacing(line.options.find("--emulate")->second, receiver.emulated->Image(), error)) {
    err << "vqtool: " << error << "\n";
    return kExitFailure;
  }
  out << "Settings successfully saved to receiver!\n";
  return kExitOk;
}

}  // namespace vq::tool
