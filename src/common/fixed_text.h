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

// Channel and transponder records open with their name, and a record whose
// first four bytes are all 0xFF is a free slot. True when `name` would write
// that marker: it starts with four 0xFF bytes (the Latin-1 y-diaeresis).
bool NameMarksFreeSlot(std::string_view name);

// Writes `name` as WriteFixedText does into the name field at the start of
// such a record (`width` at least 4); a name that would mark the slot free
// is stored with '?' for its first byte, so the record stays in use.
void WriteSlotName(uint8_t* record, size_t width, std::string_view name);

}  // namespace vq
