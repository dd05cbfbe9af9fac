#pragma once
/// @file
/// Reading a dvbv5 scan table (the files of the dtv-scan-tables collection)
/// into the neutral list.

#include <string_view>

#include "interchange/channel_list.h"

namespace vq {

/// Each "[...]" section with its "KEY = VALUE" lines is one transponder:
/// DELIVERY_SYSTEM (DVBS or DVBS2; other systems are left out and listed),
/// FREQUENCY in kHz, POLARIZATION, SYMBOL_RATE in symbols per second and
/// INNER_FEC. The transponders name no satellite; the caller chooses one.
/// Lines starting with '#' are comments. The file is not recognised when it
/// holds binary data or no section with DELIVERY_SYSTEM and FREQUENCY.
ChannelListRead ReadScanTable(std::string_view text);

}  // namespace vq
