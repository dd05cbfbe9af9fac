#pragma once
// The 32-bit link words that tie records together: bits 0..12 the record's
// position inside its parent, bits 15..27 the parent's 13-bit key, and for
// channels bits 30..31 the channel type.

#include <cstdint>

#include "common/byte_io.h"

namespace vq {

inline uint16_t LinkPosition(uint32_t word) { return static_cast<uint16_t>(GetBits(word, 0, 13)); }
inline uint16_t LinkKey(uint32_t word) { return static_cast<uint16_t>(GetBits(word, 15, 13)); }
inline uint8_t LinkType(uint32_t word) { return static_cast<uint8_t>(GetBits(word, 30, 2)); }

inline uint32_t WithLinkPosition(uint32_t word, uint32_t position) {
  return SetBits(word, 0, 13, position);
}
inline uint32_t WithLinkKey(uint32_t word, uint32_t key) { return SetBits(word, 15, 13, key); }

// A fresh link word with every other bit 0.
inline uint32_t MakeLink(uint32_t position, uint32_t key, uint32_t type = 0) {
  return SetBits(SetBits(SetBits(0, 0, 13, position), 15, 13, key), 30, 2, type);
}

}  // namespace vq
