#pragma once
// The options of the serial transfers: --port and the serial line options.

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "link/serial/headless_transfer.h"

namespace vq::tool {

// The file a transfer reads or writes and its line, as typed.
struct SerialOptions {
  std::string file;
  serial::LineSettings line;  // device, speed and data bits
  std::string parity = "none";
  std::string stopBits = "1";
  std::vector<std::string> flow;  // of none, dtr, rts, xon
  int timeoutSeconds = 3;
};

/// Declares --port DEVICE, --speed BPS (50..4000000), --data-bits 5..8,
/// --parity none|odd|even|mark|space, --stop-bits 1|1.5|2, --flow (none or a
/// comma list of dtr, rts, xon) and --timeout SECONDS (1..60) on `command`.
void AddSerialOptions(CLI::App& command, SerialOptions& options);

/// The transfer options the parsed values describe.
serial::HeadlessOptions TransferOptions(const SerialOptions& options);

}  // namespace vq::tool
