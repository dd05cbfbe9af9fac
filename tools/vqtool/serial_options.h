#pragma once
// The line options of the serial commands.

#include <string>

#include "link/serial/line_settings.h"
#include "vqtool/command_line.h"

namespace vq::tool {

/// --port DEVICE, --speed BPS (115200), --data-bits 5..8 (8), --parity
/// none|odd|even|mark|space, --stop-bits 1|1.5|2, --flow none or a comma list
/// of dtr, rts, xon. False with `error` set on a bad value.
bool ParseSerialLine(const CommandLine& line, serial::LineSettings& settings, std::string& error);

/// --timeout SECONDS (1..60, default 3), in milliseconds; -1 when invalid.
int ParseSerialTimeout(const CommandLine& line);

}  // namespace vq::tool
