#include "vqtool/serial_options.h"

#include <algorithm>
#include <iterator>

#include "vqtool/option_checks.h"

namespace vq::tool {
namespace {

constexpr const char* kParities[] = {"none", "odd", "even", "mark", "space"};
constexpr const char* kStopBits[] = {"1", "1.5", "2"};

// The position of `name` in `names`, whose order is that of the enum it names.
template <class Enum, size_t N>
Enum Indexed(const char* const (&names)[N], const std::string& name) {
  return static_cast<Enum>(
      std::distance(std::begin(names), std::find(std::begin(names), std::end(names), name)));
}

}  // namespace

void AddSerialOptions(CLI::App& command, SerialOptions& options) {
  const std::string group = "Serial options";
  command.add_option("--port", options.line.device, "the serial device")
      ->required()
      ->type_name("DEVICE")
      ->check(OptionCheck("--port", "DEVICE is needed",
                          [](const std::string& device) { return !device.empty(); }));
  command.add_option("--speed", options.line.bitsPerSecond, "bit rate")
      ->type_name("BPS")
      ->capture_default_str()
      ->transform(WholeNumber("--speed", 50, 4000000, "must be a bit rate"))
      ->group(group);
  command.add_option("--data-bits", options.line.dataBits, "data bits")
      ->type_name("N")
      ->capture_default_str()
      ->transform(WholeNumber("--data-bits", 5, 8, "must be 5 to 8"))
      ->group(group);
  command.add_option("--parity", options.parity, "parity")
      ->type_name("P")
      ->capture_default_str()
      ->check(CLI::IsMember(std::vector<std::string>(std::begin(kParities), std::end(kParities))))
      ->group(group);
  command.add_option("--stop-bits", options.stopBits, "stop bits")
      ->type_name("S")
      ->capture_default_str()
      ->check(CLI::IsMember(std::vector<std::string>(std::begin(kStopBits), std::end(kStopBits))))
      ->group(group);
  command.add_option("--flow", options.flow, "flow control: none, or a comma list of these")
      ->type_name("LIST")
      ->delimiter(',')
      ->check(CLI::IsMember({"none", "dtr", "rts", "xon"}))
      ->group(group);
  command
      .add_option("--timeout", options.timeoutSeconds,
                  "give up when the receiver is silent this long")
      ->type_name("SECONDS")
      ->capture_default_str()
      ->transform(WholeNumber("--timeout", 1, 60, "must be 1 to 60 seconds"))
      ->group(group);
}

serial::HeadlessOptions TransferOptions(const SerialOptions& options) {
  serial::HeadlessOptions transfer;
  transfer.line = options.line;
  transfer.line.parity = Indexed<serial::Parity>(kParities, options.parity);
  transfer.line.stopBits = Indexed<serial::StopBits>(kStopBits, options.stopBits);
  transfer.line.flowBits = 0;
  for (const std::string& flow : options.flow) {
    if (flow == "dtr") transfer.line.flowBits |= serial::kFlowDtrDsr;
    if (flow == "rts") transfer.line.flowBits |= serial::kFlowRtsCts;
    if (flow == "xon") transfer.line.flowBits |= serial::kFlowXonXoff;
  }
  transfer.timeoutMs = options.timeoutSeconds * 1000;
  return transfer;
}

}  // namespace vq::tool
