#pragma once
// Fixed-width text fields of single-byte characters, no character-set
// conversion. A shorter text ends with a 0 byte and the bytes behind the
// terminator keep what they held; a text of the full width has no terminator.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vq {

// Reads up to `width` bytes, stopping at the first 0 byte.
std::string ReadFixedText(const uint8_t* field, size_t width);

// Writes `text`: shorter than `width` with its terminator, otherwise its
// first `width` characters without terminator.
void WriteFixedText(uint8_t* field, size_t width, std::string_view text);

}  // namespace vq
