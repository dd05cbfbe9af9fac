#pragma once
/// @file
/// Finding and filling the records that stand for entries of a neutral list.

#include <cstdint>

#include "interchange/channel_list.h"

namespace vq {

class ChannelNode;
class SatelliteNode;
class SettingsDatabase;
class TransponderNode;

/// The first transponder of `satellite` with the same polarisation and a
/// frequency at most 2 MHz away: the same carrier, as lists round frequencies
/// differently. Null when there is none.
TransponderNode* NearbyTransponder(const SatelliteNode& satellite, uint16_t frequency,
                                   uint8_t polarization);

/// The channel of `transponder` that is the listed one: same type and the
/// same service id, or the same name when the list gives no service id.
ChannelNode* SameChannel(const TransponderNode& transponder, const ListedChannel& channel);

/// Writes the listed values into a transponder just added; an empty name
/// keeps the default. Adds the characters replaced to keep the record in use
/// to `replaced`.
void WriteListedTransponder(TransponderNode& transponder, const ListedTransponder& listed,
                            int& replaced);

/// Writes the listed values into a channel just added with the listed type:
/// name, PIDs, up to six audio tracks, the AC3 track (selected when it is the
/// only audio), service id, locks and skips; a scrambled channel is filed at
/// the end of its type's scrambled list.
void WriteListedChannel(SettingsDatabase& db, ChannelNode& channel, const ListedChannel& listed,
                        int& replaced);

}  // namespace vq
