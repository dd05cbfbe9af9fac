#pragma once
// Channel types and the offsets their numbers carry: TV n, radio 16384 + n,
// data 32768 + n.

#include <cstdint>

namespace vq {

enum ChannelType : int { kTv = 0, kRadio = 1, kData = 2, kAllTypes = 3 };

constexpr uint16_t ChannelNumberOffset(int type) {
  return type == kRadio ? 16384 : type == kData ? 32768 : 0;
}

// True when a channel of `channelType` passes the filter `type` (3 = all).
constexpr bool TypeMatches(int channelType, int type) {
  return type == kAllTypes || channelType == type;
}

}  // namespace vq
