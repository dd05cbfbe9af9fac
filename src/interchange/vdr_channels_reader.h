#pragma once
/// @file
/// Reading a VDR channels.conf into the neutral list.

#include <string_view>

#include "interchange/channel_list.h"

namespace vq {

/// Reads the satellite entries of a channels.conf. Entries of other sources
/// and lines that do not read are left out and listed with their line
/// numbers; group lines (":Name") name the group of the channels below them.
/// Names are converted from UTF-8 to Latin-1. The file is not recognised
/// when it holds binary data or no channel line of any source.
ChannelListRead ReadVdrChannels(std::string_view text);

}  // namespace vq
