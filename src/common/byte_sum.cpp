#include "common/byte_sum.h"

#include <algorithm>
#include <cstring>

namespace vq {

// Eight bytes a step: the bytes at even and odd places of a word are added
// into four 16-bit lanes, each gaining at most 510 a word, so 128 words fit
// before the lanes are folded into the sum. A load checks the whole image
// block by block, so this loop is much of what a load costs.
uint32_t ByteSum32(const uint8_t* data, size_t length) {
  constexpr uint64_t kEvenBytes = 0x00FF00FF00FF00FFull;
  constexpr size_t kWordsPerFold = 128;
  uint32_t sum = 0;
  size_t i = 0;
  while (length - i >= 8) {
    const size_t words = std::min((length - i) / 8, kWordsPerFold);
    uint64_t lanes = 0;
    for (size_t w = 0; w < words; ++w, i += 8) {
      uint64_t word = 0;
      std::memcpy(&word, data + i, sizeof word);
      lanes += (word & kEvenBytes) + ((word >> 8) & kEvenBytes);
    }
    sum += static_cast<uint32_t>((lanes & 0xFFFF) + ((lanes >> 16) & 0xFFFF) +
                                 ((lanes >> 32) & 0xFFFF) + (lanes >> 48));
  }
  for (; i < length; ++i) sum += data[i];
  return sum;
}

}  // namespace vq
