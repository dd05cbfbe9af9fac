#pragma once
/// @file
/// The database's channels as a neutral list, for the writers.

#include "interchange/channel_list.h"

namespace vq {

class SettingsDatabase;

/// Every channel, TV then radio then data, each type by channel number, with
/// its transponder and satellite; the satellites that hold transponders; all
/// transponders by number; the eight favourite group names.
ChannelList CollectChannelList(const SettingsDatabase& db);

}  // namespace vq
