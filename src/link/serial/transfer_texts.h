#pragma once
// The status texts of a serial transfer, shared by the dialog and the
// command-line driver.

#include <cstdint>
#include <string>

#include "common/text_translation.h"
#include "link/serial/serial_protocol.h"

namespace vq::serial {

inline constexpr char kStatusReady[] = VQ_TRANSLATE_NOOP("CoreText", "Ready!");
inline constexpr char kStatusConnecting[] = VQ_TRANSLATE_NOOP("CoreText", "Connecting ...");
inline constexpr char kStatusCompleted[] = VQ_TRANSLATE_NOOP("CoreText", "Completed");
inline constexpr char kStatusProtocolError[] = VQ_TRANSLATE_NOOP("CoreText", "Protocol Error");
inline constexpr char kStatusCancelled[] = VQ_TRANSLATE_NOOP("CoreText", "Cancelled!");
inline constexpr char kStatusTimedOut[] =
    VQ_TRANSLATE_NOOP("CoreText", "Connection with receiver timed out!");

/// "Loading ... (%d%%)" (download) or "Saving ... (%d%%)" (upload) in the
/// user's language, with blocks × 100 / total; 0% while the total is 0.
std::string ProgressText(Direction direction, int blocks, uint32_t total);

}  // namespace vq::serial
