#pragma once
/// @file
/// The channel list as a CSV table for spreadsheets.

#include <string>

#include "interchange/channel_list.h"

namespace vq {

/// A header row, then one row per channel in the list's order: number
/// (from 1, as the editor shows it), name, type, satellite, position,
/// frequency, polarisation, symbol rate, network, transport stream and
/// service ids, the PIDs, audio languages, scrambled, CAS, locked, skipped and
/// favourite groups. UTF-8 with a byte order mark and CRLF line ends, cells
/// separated by commas, as spreadsheets open them without asking.
std::string WriteChannelCsv(const ChannelList& list);

}  // namespace vq
