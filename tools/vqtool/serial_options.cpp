#include "vqtool/serial_options.h"

#include <charconv>
#include <sstream>

namespace vq::tool {
namespace {

bool ParseInt(const std::string& text, long& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

std::string Option(const CommandLine& line, std::string_view name, const std::string& fallback) {
  const auto found = line.options.find(name);
  return found == line.options.end() ? fallback : found->second;
}

}  // namespace

bool ParseSerialLine(const CommandLine& line, serial::LineSettings& settings, std::string& error) {
  settings.device = Option(line, "--port", "");
  if (settings.device.empty()) return error = "--port DEVICE is needed", false;
  long speed = 0;
  long bits = 0;
  if (!ParseInt(Option(line, "--speed", "115200"), speed) || speed < 50 || speed > 4000000)
    return error = "--speed must be a bit rate", false;
  settings.bitsPerSecond = static_cast<uint32_t>(speed);
  if (!ParseInt(Option(line, "--data-bits", "8"), bits) || bits < 5 || bits > 8)
    return error = "--data-bits must be 5 to 8", false;
  settings.dataBits = static_cast<int>(bits);
  const std::string parity = Option(line, "--parity", "none");
  const char* parities[] = {"none", "odd", "even", "mark", "space"};
  settings.parity = serial::Parity::kNone;
  bool known = false;
  for (int i = 0; i < 5; ++i)
    if (parity == parities[i]) settings.parity = static_cast<serial::Parity>(i), known = true;
  if (!known) return error = "--parity must be none, odd, even, mark or space", false;
  const std::string stop = Option(line, "--stop-bits", "1");
  if (stop != "1" && stop != "1.5" && stop != "2") return error = "--stop-bits must be 1, 1.5 or 2", false;
  settings.stopBits = stop == "1" ? serial::StopBits::kOne
                      : stop == "2" ? serial::StopBits::kTwo
                                    : serial::StopBits::kOneAndHalf;
  settings.flowBits = 0;
  std::stringstream flows(Option(line, "--flow", "none"));
  for (std::string flow; std::getline(flows, flow, ',');) {
    if (flow == "dtr") settings.flowBits |= serial::kFlowDtrDsr;
    else if (flow == "rts") settings.flowBits |= serial::kFlowRtsCts;
    else if (flow == "xon") settings.flowBits |= serial::kFlowXonXoff;
    else if (flow != "none") return error = "--flow must be none or a list of dtr, rts, xon", false;
  }
  return true;
}

int ParseSerialTimeout(const CommandLine& line) {
  long seconds = 0;
  if (!ParseInt(Option(line, "--timeout", "3"), seconds) || seconds < 1 || seconds > 60) return -1;
  return static_cast<int>(seconds * 1000);
}

}  // namespace vq::tool
