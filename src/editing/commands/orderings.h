#pragma once
/// @file
/// The orderings a list shows, read from the database as node sequences and
/// put back through the database's own moves: a command rearranges the
/// sequence, and the database moves every member to its new place at once
/// (satellites one by one, which keeps their records together).

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
/// Moves channels so that `order` (a permutation of ChannelOrder for the
/// same arguments) becomes the ordering of `source`. In a favourite group
/// only the members of `type` change places among themselves; members of
/// the other type keep theirs. True when anything moved.
bool ApplyChannelOrder(SettingsDatabase& db, int source, int type,
                       const std::vector<ChannelNode*>& order);
/// ApplyChannelOrder for a caller that knows `order` differs from the
/// current one, which saves collecting that again; the database still
/// checks that `order` holds the same channels. True when it was applied.
bool ApplyChangedChannelOrder(SettingsDatabase& db, int source, int type,
                              const std::vector<ChannelNode*>& order);

/// After the channel numbers of `type` changed order, the free, scrambled
/// and per-satellite lists of that type take the same relative order.
void FollowChannelNumbers(SettingsDatabase& db, int type);

/// All transponders by number (listSatellite 0) or one satellite's by place.
std::vector<TransponderNode*> TransponderOrder(const SettingsDatabase& db, int listSatellite);
bool ApplyTransponderOrder(SettingsDatabase& db, int listSatellite,
                           const std::vector<TransponderNode*>& order);

/// The satellites by number.
std::vector<SatelliteNode*> SatelliteOrder(const SettingsDatabase& db);
bool ApplySatelliteOrder(SettingsDatabase& db, const std::vector<SatelliteNode*>& order);

}  // namespace vq
