#include "vqtool/usb_commands.h"

#include <atomic>
#include <charconv>
#include <initializer_list>
#include <memory>
#include <optional>
#include <utility>

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

// An editor profile is a few hundred bytes.
constexpr size_t kProfileLimit = 1 << 20;

constexpr std::string_view kDownloadUsage =
    "usage: vqtool usb-download [--emulate FILE] [--vendor ID] [--product ID] [--profile INI] "
    "OUT\n";
constexpr std::string_view kUploadUsage =
    "usage: vqtool usb-upload [--emulate FILE] [--vendor ID] [--product ID] [--profile INI] IN\n";
constexpr std::initializer_list<std::string_view> kOptions = {"--emulate", "--vendor", "--product",
                                                              "--profile"};

// A vendor or product id: decimal, or hexadecimal with 0x as lsusb and udev
// write it, 0 to 0xFFFF; nothing otherwise.
std::optional<uint16_t> ParseUsbId(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  unsigned value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value > 0xFFFF)
    return std::nullopt;
  return static_cast<uint16_t>(value);
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

// The editor profile's [SettingsUSB] VendorId and ProductId, read as the
// editor reads them: a value that is no id counts as 0 (any).
bool ReadProfileFilter(const std::string& path, usb::DeviceFilter& filter, std::string& error) {
  std::string text;
  if (!ReadWholeFile(path, kProfileLimit, text, error)) return false;
  std::string_view section;
  for (std::string_view rest = text; !rest.empty();) {
    const size_t end = rest.find('\n');
    std::string_view entry = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    entry = Trimmed(entry);
    if (!entry.empty() && entry.front() == '[') {
      section = entry;
      continue;
    }
    const size_t equals = entry.find('=');
    if (section != "[SettingsUSB]" || equals == std::string_view::npos) continue;
    const std::string_view key = Trimmed(entry.substr(0, equals));
    const std::string_view value = Trimmed(entry.substr(equals + 1));
    if (key == "VendorId") filter.vendorId = ParseUsbId(value).value_or(0);
    if (key == "ProductId") filter.productId = ParseUsbId(value).value_or(0);
  }
  return true;
}

}  // namespace

bool ReadDeviceFilter(const CommandLine& line, usb::DeviceFilter& filter, std::string& error) {
  if (const auto it = line.options.find("--profile");
      it != line.options.end() && !ReadProfileFilter(it->second, filter, error)) {
    error = it->second + ": " + error;
    return false;
  }
  for (const auto& [option, id] :
       {std::pair{"--vendor", &filter.vendorId}, std::pair{"--product", &filter.productId}}) {
    const auto it = line.options.find(option);
    if (it == line.options.end()) continue;
    const std::optional<uint16_t> value = ParseUsbId(it->second);
    if (!value) {
      error = std::string(option) + " takes an id such as 0x1234 or 4660";
      return false;
    }
    *id = *value;
  }
  return true;
}

namespace {

// The receiver: the emulated one loaded from --emulate, else the USB bus.
struct Receiver {
  std::unique_ptr<usb::EmulatedReceiver> emulated;
  std::unique_ptr<usb::LibUsbBus> real;
  std::unique_ptr<usb::UsbDevice> device;
};

bool Connect(const CommandLine& line, const usb::DeviceFilter& filter, Receiver& receiver,
             std::ostream& err) {
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

}  // namespace

int RunUsbDownload(const Args& args, std::ostream& out, std::ostream& err) {
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, kOptions, {}, line, error))
    return UsageError(err, error, kDownloadUsage);
  if (line.positional.size() != 1) return UsageError(err, "expected OUT", kDownloadUsage);
  usb::DeviceFilter filter;
  if (!ReadDeviceFilter(line, filter, error)) return UsageError(err, error, kDownloadUsage);
  Receiver receiver;
  if (!Connect(line, filter, receiver, err) || !Download(*receiver.device, line.positional[0], err))
    return kExitFailure;
  out << "Settings successfully opened from receiver!\n";
  return kExitOk;
}

int RunUsbUpload(const Args& args, std::ostream& out, std::ostream& err) {
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, kOptions, {}, line, error))
    return UsageError(err, error, kUploadUsage);
  if (line.positional.size() != 1) return UsageError(err, "expected IN", kUploadUsage);
  usb::DeviceFilter filter;
  if (!ReadDeviceFilter(line, filter, error)) return UsageError(err, error, kUploadUsage);
  Receiver receiver;
  if (!Connect(line, filter, receiver, err) || !Upload(*receiver.device, line.positional[0], err))
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
