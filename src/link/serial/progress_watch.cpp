#include "link/serial/progress_watch.h"

#include <algorithm>

#include "link/serial/serial_protocol.h"

namespace vq::serial {

ProgressWatch::ProgressWatch(int periodMs, uint32_t bitsPerSecond) {
  const uint64_t speed = std::max<uint32_t>(bitsPerSecond, 1);
  const uint64_t blockMs = (kBlockSize + kChecksumSize) * 12 * 1000 / speed;
  const uint64_t slowMs = 4 * blockMs + kFirstUploadWaitMs + kCommandWaitMs;
  const uint64_t period = static_cast<uint64_t>(std::max(periodMs, 1));
  allowed_ = static_cast<int>(std::max<uint64_t>(
      kMinimumPeriods, std::min<uint64_t>((slowMs + period - 1) / period, 1000)));
}

void ProgressWatch::Restart() {
  idle_ = 0;
  best_ = -1;
}

void ProgressWatch::Reported(int blocks) {
  if (blocks <= best_) return;  // a block sent again is no progress
  best_ = blocks;
  idle_ = 0;
}

bool ProgressWatch::Tick() { return ++idle_ >= allowed_; }

}  // namespace vq::serial
