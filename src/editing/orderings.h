#pragma once
/// @file
/// The orderings a list shows, read from the database as node sequences and
/// written back in one pass. Moving many rows then costs one collection and
/// one write instead of one renumbering per row.

#include <vector>

namespace vq {

class ChannelNode;
class SatelliteNode;
class SettingsDatabase;
class TransponderNode;

/// Channels of `type` in the order of `source` (ChannelListSource): channel
/// number, free or scrambled number, place in satellite n, or place in
/// favourite group g. Empty for a source that names nothing.
std::vector<ChannelNode*> ChannelOrder(const SettingsDatabase& db, int source, int type);
/// Writes the numbers of `source` so that `order` (a permutation of
/// ChannelOrder for the same arguments) becomes the ordering. Members of a
/// favourite group of other types keep their places relative to the group.
void ApplyChannelOrder(SettingsDatabase& db, int source, int type,
                       const std::vector<ChannelNode*>& order);

/// All transponders by number (listSatellite 0) or one satellite's by place.
std::vector<TransponderNode*> TransponderOrder(const SettingsDatabase& db, int listSatellite);
void ApplyTransponderOrder(int listSatellite, const std::vector<TransponderNode*>& order);

/// The satellites by number.
std::vector<SatelliteNode*> SatelliteOrder(const SettingsDatabase& db);
void ApplySatelliteOrder(SettingsDatabase& db, const std::vector<SatelliteNode*>& order);

}  // namespace vq
