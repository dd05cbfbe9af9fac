#pragma once
// Re-signing of patched preset files, shared by the preset tests and the
// preset fuzzer.

#include <cstdint>
#include <vector>

#include "common/byte_io.h"
#include "common/byte_sum.h"
#include "editing/preset/preset_format.h"

namespace vq::test {

// Recomputes the stream sum from the stated stream length (clamped to the
// file) and the header sum, so that a patch reaches the checks behind them.
inline void ResignPresetFile(std::vector<uint8_t>& file) {
  using namespace preset;
  if (file.size() < kStreamOffset) return;
  const size_t available = file.size() - kStreamOffset;
  size_t length = ReadU32LE(&file[kStreamLengthOffset]);
  if (length > available) length = available;
  WriteU32LE(&file[kStreamSumOffset], ByteSum32(&file[kStreamOffset], length));
  constexpr size_t kHeaderSumOffset = 44;
  WriteU32BE(&file[kHeaderSumOffset], ByteSum32(&file[128], file.size() - 128));
}

}  // namespace vq::test
