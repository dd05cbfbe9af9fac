#pragma once
// One serial transfer without a window: the command-line tool's driver.

#include <functional>
#include <string>

#include "link/serial/line_settings.h"
#include "link/serial/serial_protocol.h"

namespace vq::serial {

struct HeadlessOptions {
  LineSettings line;
  int timeoutMs = 3000;  ///< ends the transfer after a whole period without data
  /// The protocol's fixed pauses; a plain sleep unless replaced.
  std::function<void(int milliseconds)> wait;
  /// Every status text as it is set.
  std::function<void(const std::string& status)> onStatus;
  /// Blocks done of the total, after each block.
  std::function<void(int blocks, uint32_t total)> onProgress;
};

struct HeadlessResult {
  bool success = false;
  std::string status;  ///< the last status text
  std::string info;    ///< the receiver's product name and software version
};

/// Downloads into `filePath` (created or truncated) or uploads it. Ends on
/// completion, a protocol error, too many identifications, the time-out or
/// the ProgressWatch's bound without progress;
/// on failure the file may hold a partial image and the caller drops it.
HeadlessResult RunHeadlessTransfer(Direction direction, const std::string& filePath,
                                   const HeadlessOptions& options);

}  // namespace vq::serial
