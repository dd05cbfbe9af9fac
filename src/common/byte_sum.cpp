#include "common/byte_sum.h"

#include <algorithm>
#include <cstring>

namespace vq {

// Thirty-two bytes a step: the bytes at even and odd places of each word are
// added into four 16-bit lanes, each gaining at most 510 a word, so 128 words
// fit before the lanes are folded into the sum. A load checks the whole image
// block by block, so this loop is much of what a load costs; four words a
// step keep the loop's own bookkeeping (and its instrumentation in checked
// builds) small beside the additions.
uint32_t ByteSum32(const uint8_t* data, size_t length) {
  constexpr uint64_t kEvenBytes = 0x00FF00FF00FF00FFull;
  constexpr size_t kStepBytes = 32;
  constexpr size_t kStepsPerFold = 32;
  // One word at a time: each copy becomes a single load, where a copy of a
  // whole step would be a library call in checked builds.
  const auto pairs = [](const uint8_t* at) {
    uint64_t word = 0;
    std::memcpy(&word, at, sizeof word);
    return (word & kEvenBytes) + ((word >> 8) & kEvenBytes);
  };
  uint32_t sum = 0;
  size_t i = 0;
  while (length - i >= kStepBytes) {
    const size_t steps = std::min((length - i) / kStepBytes, kStepsPerFold);
    uint64_t lanes = 0;
    for (size_t s = 0; s < steps; ++s, i += kStepBytes) {
      lanes += pairs(data + i) + pairs(data + i + 8) + pairs(data + i + 16) + pairs(data + i + 24);
    }
    sum += static_cast<uint32_t>((lanes & 0xFFFF) + ((lanes >> 16) & 0xFFFF) +
                                 ((lanes >> 32) & 0xFFFF) + (lanes >> 48));
  }
  for (; i < length; ++i) sum += data[i];
  return sum;
}

}  // namespace vq
