#include "editing/commands/orderings.h"

#include <algorithm>

#include "database/settings_database.h"
#include "editing/commands/list_state.h"
#include "editing/commands/reorder.h"

namespace vq {
namespace {

bool ValidType(int type) { return type >= kTv && type <= kData; }

int FavoriteGroupOf(int source) {
  const int g = source - kSourceFavorites;
  return g >= 0 && g < kFavoriteGroupCount ? g : -1;
}

int SatelliteOf(int source) {
  const int n = source - kSourceSatellite;
  return source < kSourceFavorites && n >= 0 && n < kSatelliteCount ? n : -1;
}

}  // namespace

std::vector<ChannelNode*> ChannelOrder(const SettingsDatabase& db, int source, int type) {
  std::vector<ChannelNode*> order;
  if (!ValidType(type)) return order;
  if (source >= kSourceFavorites) {
    const int g = FavoriteGroupOf(source);
    if (g >= 0 && type != kData) db.CollectFavoriteMembers(g, &order, type);
  } else if (source >= kSourceSatellite) {
    const int n = SatelliteOf(source);
    if (n >= 0) db.CollectChannels(order, type, kFilterSatellite, n);
  } else if (source >= kSourceAll && source <= kSourceScrambled) {
    db.CollectChannels(order, type, source);
  }
  return order;
}

bool ApplyChannelOrder(SettingsDatabase& db, int source, int type,
                       const std::vector<ChannelNode*>& order) {
  return ValidType(type) && order != ChannelOrder(db, source, type) &&
         ApplyChangedChannelOrder(db, source, type, order);
}

bool ApplyChangedChannelOrder(SettingsDatabase& db, int source, int type,
                              const std::vector<ChannelNode*>& order) {
  if (!ValidType(type)) return false;
  if (source >= kSourceFavorites) {
    const int g = FavoriteGroupOf(source);
    if (g < 0) return false;
    // The shown type's members take the group places its members held, in
    // the new order; members of the other type stay where they are.
    std::vector<ChannelNode*> group;
    db.CollectFavoriteMembers(g, &group, kAllTypes);
    size_t next = 0;
    for (ChannelNode*& member : group)
      if (member->Record().GetType() == type && next < order.size()) member = order[next++];
    return db.ReorderFavoriteGroup(g, group);
  }
  if (source >= kSourceSatellite)
    return SatelliteOf(source) >= 0 &&
           db.ReorderChannels(type, kFilterSatellite, SatelliteOf(source), order);
  return source >= kSourceAll && source <= kSourceScrambled &&
         db.ReorderChannels(type, source, -1, order);
}

void FollowChannelNumbers(SettingsDatabase& db, int type) {
  std::vector<int> sources = {kSourceFree, kSourceScrambled};
  for (int n = 0; n < kSatelliteCount; ++n) sources.push_back(kSourceSatellite + n);
  for (const int source : sources) {
    std::vector<ChannelNode*> order = ChannelOrder(db, source, type);
    std::stable_sort(order.begin(), order.end(), [](const ChannelNode* a, const ChannelNode* b) {
      return a->Record().GetChannelNumber() < b->Record().GetChannelNumber();
    });
    ApplyChannelOrder(db, source, type, order);
  }
}

std::vector<TransponderNode*> TransponderOrder(const SettingsDatabase& db, int listSatellite) {
  std::vector<TransponderNode*> order;
  if (listSatellite >= 0 && listSatellite <= kSatelliteCount)
    db.CollectTransponders(order, listSatellite - 1);
  return order;
}

bool ApplyTransponderOrder(SettingsDatabase& db, int listSatellite,
                           const std::vector<TransponderNode*>& order) {
  return order != TransponderOrder(db, listSatellite) &&
         db.ReorderTransponders(listSatellite - 1, order);
}

std::vector<SatelliteNode*> SatelliteOrder(const SettingsDatabase& db) {
  std::vector<SatelliteNode*> order;
  order.reserve(static_cast<size_t>(db.GetSatelliteCount()));
  for (int n = 0; n < db.GetSatelliteCount(); ++n) order.push_back(db.GetSatelliteNode(n));
  return order;
}

bool ApplySatelliteOrder(SettingsDatabase& db, const std::vector<SatelliteNode*>& order) {
  // MoveSatellite keeps each satellite's records, LNB, transponders and
  // channels together.
  return ReorderByMoves(SatelliteOrder(db), order,
                        [&](SatelliteNode* s, int place) { db.MoveSatellite(s, place); }) > 0;
}

}  // namespace vq
