#include "editing/orderings.h"

#include "database/settings_database.h"
#include "editing/list_state.h"

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

void ApplyChannelOrder(SettingsDatabase& db, int source, int type,
                       const std::vector<ChannelNode*>& order) {
  if (!ValidType(type)) return;
  const uint16_t offset = ChannelNumberOffset(type);
  if (source >= kSourceFavorites) {
    const int g = FavoriteGroupOf(source);
    if (g < 0) return;
    // The shown type's members take the group places its members held, in
    // the new order; members of the other type stay where they are.
    std::vector<ChannelNode*> group;
    db.CollectFavoriteMembers(g, &group, kAllTypes);
    size_t next = 0;
    for (ChannelNode*& member : group)
      if (member->Record().GetType() == type && next < order.size()) member = order[next++];
    for (size_t i = 0; i < group.size() && i < 128; ++i)
      group[i]->Record().SetFavoritePlace(g, static_cast<uint8_t>(128 + i));
    return;
  }
  for (size_t i = 0; i < order.size(); ++i) {
    ChannelRecord record = order[i]->Record();
    const auto value = static_cast<uint16_t>(i);
    if (source == kSourceAll)
      record.SetChannelNumber(static_cast<uint16_t>(value + offset));
    else if (source == kSourceFree || source == kSourceScrambled)
      record.SetFreeNumber(static_cast<uint16_t>(value + offset));
    else if (SatelliteOf(source) >= 0)
      record.SetSatellitePosition(value);
  }
}

std::vector<TransponderNode*> TransponderOrder(const SettingsDatabase& db, int listSatellite) {
  std::vector<TransponderNode*> order;
  if (listSatellite >= 0 && listSatellite <= kSatelliteCount)
    db.CollectTransponders(order, listSatellite - 1);
  return order;
}

void ApplyTransponderOrder(int listSatellite, const std::vector<TransponderNode*>& order) {
  for (size_t i = 0; i < order.size(); ++i) {
    TransponderRecord record = order[i]->Record();
    if (listSatellite == 0)
      record.SetNumber(static_cast<uint16_t>(i));
    else
      record.SetPosition(static_cast<uint16_t>(i));
  }
}

std::vector<SatelliteNode*> SatelliteOrder(const SettingsDatabase& db) {
  std::vector<SatelliteNode*> order;
  for (int n = 0; n < db.GetSatelliteCount(); ++n) order.push_back(db.GetSatelliteNode(n));
  return order;
}

void ApplySatelliteOrder(SettingsDatabase& db, const std::vector<SatelliteNode*>& order) {
  // MoveSatellite keeps each satellite's records, LNB, transponders and
  // channels together; placing them front to back leaves the rest behind.
  for (size_t i = 0; i < order.size(); ++i) db.MoveSatellite(order[i], static_cast<int>(i));
}

}  // namespace vq
