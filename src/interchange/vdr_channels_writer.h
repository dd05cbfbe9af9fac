#pragma once
/// @file
/// Writing the neutral list as a VDR channels.conf.

#include <string>

#include "interchange/channel_list.h"

namespace vq {

/// One line per channel of `list`, in the list's order, UTF-8. The provider
/// field carries the transponder's network name. Channels whose transponder
/// has no satellite are left out. Reading the text back gives the same
/// channels as far as the format carries them (no locks, skips or groups).
std::string WriteVdrChannels(const ChannelList& list);

}  // namespace vq
