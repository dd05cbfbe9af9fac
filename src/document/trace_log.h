#pragma once
// Switches the shared trace log on: each traced line is appended to a log
// file as "HH:MM:SS - text" and the file is closed again after every line.

#include <string>

namespace vq {

/// Turns tracing on, writing to `path`; an empty path turns it off.
void EnableTraceLog(const std::string& path);

/// Turns tracing off.
void DisableTraceLog();

}  // namespace vq
