// usb-download and usb-upload: the same command sequence, busy check and
// messages as the editor's Open from USB and Save to USB, with progress on
// the error stream.
#include <atomic>
#include <memory>

#include "document/receiver_image_steps.h"
#include "link/usb/emulated_receiver.h"
#include "link/usb/libusb_bus.h"
#include "link/usb/usb_image_transfer.h"
#include "link/usb/usb_receiver_session.h"
#include "vqtool/commands.h"
#include "vqtool/settings_file.h"
#include "vqtool/terminal_text.h"
#include "vqtool/usb_options.h"

namespace vq::tool {
namespace {

// The receiver: the emulated one loaded from --emulate, else the USB bus.
struct Receiver {
  std::unique_ptr<usb::EmulatedReceiver> emulated;
  std::unique_ptr<usb::LibUsbBus> real;
  std::unique_ptr<usb::UsbDevice> device;
};

bool Connect(const UsbOptions& options, const usb::DeviceFilter& filter, Receiver& receiver,
             std::ostream& err) {
  usb::UsbBus* bus = nullptr;
  if (options.emulate) {
    std::string error;
    receiver.emulated = usb::EmulatedReceiver::FromFile(*options.emulate, error);
    if (!receiver.emulated) {
      err << "vqtool: " << error << "\n";
      return false;
    }
    bus = receiver.emulated.get();
  } else {
    receiver.real = std::make_unique<usb::LibUsbBus>(filter);
    bus = receiver.real.get();
  }
  receiver.device = std::make_unique<usb::UsbDevice>(*bus);
  if (!receiver.device->Attach()) {
    err << "vqtool: no receiver found on USB\n";
    return false;
  }
  // Named before anything moves, so a wrong device is seen at once.
  err << "Receiver: " << TerminalText(receiver.device->Name()) << "\n";
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

// The device filter, or a usage mistake.
usb::DeviceFilter Filter(const UsbOptions& options) {
  usb::DeviceFilter filter;
  std::string error;
  if (!ReadDeviceFilter(options, filter, error)) throw UsageMistake(error);
  return filter;
}

int RunUsbDownload(const UsbOptions& options, std::ostream& out, std::ostream& err) {
  Receiver receiver;
  if (!Connect(options, Filter(options), receiver, err) ||
      !Download(*receiver.device, options.file, err))
    return kExitFailure;
  out << "Settings successfully opened from receiver!\n";
  return kExitOk;
}

int RunUsbUpload(const UsbOptions& options, std::ostream& out, std::ostream& err) {
  Receiver receiver;
  if (!Connect(options, Filter(options), receiver, err) ||
      !Upload(*receiver.device, options.file, err))
    return kExitFailure;
  std::string error;
  if (receiver.emulated &&
      !WriteFileReplacing(*options.emulate, receiver.emulated->Image(), error)) {
    err << "vqtool: " << error << "\n";
    return kExitFailure;
  }
  out << "Settings successfully saved to receiver!\n";
  return kExitOk;
}

}  // namespace

void AddUsbDownloadCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command = AddCommand(app, "usb-download", "[--emulate FILE] [USB OPTIONS] OUT",
                                 "read a receiver's settings over USB");
  UsbOptions& options = OnRun(command, context, RunUsbDownload);
  AddUsbOptions(command, options);
  command.add_option("OUT", options.file, "the file to write")->required();
}

void AddUsbUploadCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command = AddCommand(app, "usb-upload", "[--emulate FILE] [USB OPTIONS] IN",
                                 "write settings into a receiver over USB");
  UsbOptions& options = OnRun(command, context, RunUsbUpload);
  AddUsbOptions(command, options);
  command.add_option("IN", options.file, "the settings file to send")->required();
}

}  // namespace vq::tool
