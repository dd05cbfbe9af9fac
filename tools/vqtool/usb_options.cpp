#include "vqtool/usb_options.h"

#include <charconv>
#include <tuple>

#include "vqtool/option_checks.h"
#include "vqtool/settings_file.h"

namespace vq::tool {
namespace {

// An editor profile is a few hundred bytes.
constexpr size_t kProfileLimit = 1 << 20;

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

bool ReadDeviceFilter(const UsbOptions& options, usb::DeviceFilter& filter, std::string& error) {
  if (options.profile && !ReadProfileFilter(*options.profile, filter, error)) {
    error = *options.profile + ": " + error;
    return false;
  }
  if (options.vendor) filter.vendorId = *options.vendor;
  if (options.product) filter.productId = *options.product;
  return true;
}

void AddUsbOptions(CLI::App& command, UsbOptions& options) {
  const std::string group = "USB options";
  command
      .add_option("--emulate", options.emulate,
                  "an emulated receiver holding this settings file answers instead")
      ->type_name("FILE");
  for (const auto& [name, id, what] :
       {std::tuple{"--vendor", &options.vendor, "take only a device of this vendor id"},
        std::tuple{"--product", &options.product, "take only a device of this product id"}})
    command.add_option(name, *id, std::string(what) + " (0x1234 or decimal)")
        ->type_name("ID")
        ->transform(OptionCheck(name, "takes an id such as 0x1234 or 4660",
                                [](std::string& text) {
                                  const std::optional<uint16_t> value = ParseUsbId(text);
                                  if (value) text = std::to_string(*value);
                                  return value.has_value();
                                }))
        ->group(group);
  command
      .add_option("--profile", options.profile,
                  "the ids of this editor profile's [SettingsUSB] section")
      ->type_name("INI")
      ->check(CLI::Validator(CLI::ExistingFile).description(""))
      ->group(group);
}

}  // namespace vq::tool
