#pragma once
// The status texts of a serial transfer, shared by the dialog and the
// command-line driver.

#include <cstdint>
#include <string>

#include "link/serial/serial_protocol.h"

namespace vq::serial {

inline constexpr char kStatusReady[] = "Ready!";
inline constexpr char kStatusConnecting[] = "Connecting ...";
inline constexpr char kStatusCompleted[] = "Completed";
inline constexpr char kStatusProtocolError[] = "Protocol Error";
inline constexpr char kStatusCancelled[] = "Cancelled!";
inline constexpr char kStatusTimedOut[] = "Connection with receiver timed out!";

/// "Loading ... (%d%%)" (download) or "Saving ... (%d%%)" (upload) with
/// blocks × 100 / total; 0% while the total is 0.
std::string ProgressText(Direction direction, int blocks, uint32_t total);

}  // namespace vq::serial
