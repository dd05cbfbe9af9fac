#pragma once
/// @file
/// A timer names its channel by table slot, which differs between two
/// databases holding the same channel; comparing and taking over timers
/// rewrite that slot alone.

#include <cstdint>

#include "database/receiver_config.h"

namespace vq {

/// Sets timer t's channel slot and leaves its second and third ids as they are.
inline void SetTimerChannelOnly(ReceiverConfig& config, int t, uint16_t slot) {
  const uint16_t second = config.GetTimerSecondChannelId(t);
  const uint16_t third = config.GetTimerThirdChannelId(t);
  config.SetTimerChannel(t, slot);
  config.SetTimerSecondChannelId(t, second);
  config.SetTimerThirdChannelId(t, third);
}

}  // namespace vq
