#pragma once

#include <cstddef>
#include <cstdint>

namespace vq {

// Sum of all bytes, each taken unsigned, in a 32-bit accumulator that wraps.
// Checks image blocks and sectors, the image header, serial blocks, USB
// frames and the preset stream.
uint32_t ByteSum32(const uint8_t* data, size_t length);

}  // namespace vq
