// The eight favourite groups. Membership lives in the channel records: the
// byte for group g is 0 for a non-member and 128 + k for the member at index
// k. Every operation keeps those places dense (128, 129, ...).
#include <algorithm>

#include "database/dense_numbering.h"
#include "database/settings_database.h"

namespace vq {
namespace {

constexpr int kFirstPlace = ChannelRecord::kFavoritePlaceBase;
constexpr int kGroupCapacity = ChannelRecord::kFavoriteGroupCapacity;

bool ValidGroup(int g) { return g >= 0 && g < kFavoriteGroupCount; }

// Gives the members places 128, 129, ... in list order. A damaged file may
// claim more members than a group holds; those beyond the last place lose
// their membership instead of wrapping round to a wrong place.
void AssignPlaces(const std::vector<ChannelNode*>& members, int g) {
  for (size_t i = 0; i < members.size(); ++i) {
    const int place = i < static_cast<size_t>(kGroupCapacity) ? kFirstPlace + static_cast<int>(i) : 0;
    members[i]->Record().SetFavoritePlace(g, static_cast<uint8_t>(place));
  }
}

}  // namespace

std::string SettingsDatabase::GetFavoriteGroupName(int g) const {
  if (!ValidGroup(g)) return {};
  return ReceiverConfig(const_cast<uint8_t*>(config_.data())).GetFavoriteGroupName(g);
}

void SettingsDatabase::SetFavoriteGroupName(int g, std::string_view name) {
  if (ValidGroup(g)) GetConfigRecord().SetFavoriteGroupName(g, name);
}

int SettingsDatabase::CountFavoriteMembers(int g) const {
  if (!ValidGroup(g)) return -1;
  int count = 0;
  ForEachChannel([&](ChannelNode* c) {
    if (c->Record().GetFavoritePlace(g) != 0) ++count;
  });
  return count;
}

FavoriteGroupCounts SettingsDatabase::CountFavoriteGroups() const {
  FavoriteGroupCounts counts;
  // A count needs no order: the channels are read by table slot, which
  // walks their records in memory order (the lists recount on every
  // refresh, and the tree walk costs a cache miss per level).
  for (const ChannelNode* c : channelBySlot_) {
    if (!c) continue;
    const ChannelRecord r = c->Record();
    const int type = r.GetType();
    for (int g = 0; g < kFavoriteGroupCount; ++g) {
      if (r.GetFavoritePlace(g) == 0) continue;
      const auto at = static_cast<size_t>(g);
      ++counts.all[at];
      if (type == kTv) ++counts.tv[at];
      if (type == kRadio) ++counts.radio[at];
    }
  }
  return counts;
}

int SettingsDatabase::GetFavoriteLastPlace(int g) const {
  if (!ValidGroup(g)) return 255;
  int last = kFirstPlace;
  ForEachChannel([&](ChannelNode* c) { last = std::max<int>(last, c->Record().GetFavoritePlace(g)); });
  return last;
}

int SettingsDatabase::CollectFavoriteMembers(int g, std::vector<ChannelNode*>* list,
                                             int type) const {
  if (!ValidGroup(g) || type == kData || type < kTv || type > kAllTypes) return -1;
  std::vector<ChannelNode*> members;
  ForEachChannel([&](ChannelNode* c) {
    const ChannelRecord r = c->Record();
    if (r.GetFavoritePlace(g) != 0 && TypeMatches(r.GetType(), type)) members.push_back(c);
  });
  if (list) {
    // Equal places (a damaged file, or a member added behind a gap) are
    // ordered by table slot, so the order does not depend on where the
    // channels hang in the index and every move or compaction keeps it.
    std::sort(members.begin(), members.end(), [g](ChannelNode* a, ChannelNode* b) {
      const int placeA = a->Record().GetFavoritePlace(g);
      const int placeB = b->Record().GetFavoritePlace(g);
      return placeA != placeB ? placeA < placeB : a->GetTableIndex() < b->GetTableIndex();
    });
    *list = std::move(members);
    return static_cast<int>(list->size());
  }
  return static_cast<int>(members.size());
}

bool SettingsDatabase::AddToFavoriteGroup(ChannelNode* channel, int g) {
  if (!channel || !ValidGroup(g)) return false;
  const int count = CountFavoriteMembers(g);
  if (count >= kGroupCapacity) return false;
  ChannelRecord record = channel->Record();
  if (record.GetFavoritePlace(g) == 0)
    record.SetFavoritePlace(g, static_cast<uint8_t>(kFirstPlace + count));
  return true;
}

int SettingsDatabase::AddListToFavoriteGroup(const std::vector<ChannelNode*>& list, int g) {
  if (!ValidGroup(g)) return 0;
  int count = CountFavoriteMembers(g);
  int walked = 0;
  for (ChannelNode* channel : list) {
    if (count >= kGroupCapacity) break;
    ++walked;
    if (!channel) continue;
    ChannelRecord record = channel->Record();
    if (record.GetFavoritePlace(g) != 0) continue;
    record.SetFavoritePlace(g, static_cast<uint8_t>(kFirstPlace + count));
    ++count;
  }
  return walked;
}

bool SettingsDatabase::MoveInFavoriteGroup(ChannelNode* channel, int g, int index) {
  if (!channel || !ValidGroup(g) || channel->Record().GetFavoritePlace(g) == 0) return false;
  std::vector<ChannelNode*> members;
  CollectFavoriteMembers(g, &members, kAllTypes);
  const auto it = std::find(members.begin(), members.end(), channel);
  const int to = std::clamp(index, 0, static_cast<int>(members.size()) - 1);
  members.erase(it);
  members.insert(members.begin() + to, channel);
  // Places follow the list order, which also mends any gap the group had.
  AssignPlaces(members, g);
  return true;
}

bool SettingsDatabase::ReorderFavoriteGroup(int g, const std::vector<ChannelNode*>& order) {
  if (!ValidGroup(g)) return false;
  std::vector<ChannelNode*> members;
  CollectFavoriteMembers(g, &members, kAllTypes);
  if (!SameMembers(members, order)) return false;
  AssignPlaces(order, g);
  return true;
}

bool SettingsDatabase::RemoveFromFavoriteGroup(ChannelNode* channel, int g) {
  if (!channel || !ValidGroup(g)) return false;
  ChannelRecord record = channel->Record();
  const int place = record.GetFavoritePlace(g);
  if (place == 0) return true;
  ForEachChannel([&](ChannelNode* c) {
    ChannelRecord r = c->Record();
    const int p = r.GetFavoritePlace(g);
    if (c != channel && p > place) r.SetFavoritePlace(g, static_cast<uint8_t>(p - 1));
  });
  record.SetFavoritePlace(g, 0);
  return true;
}

void SettingsDatabase::RemoveListFromFavorites(const std::vector<ChannelNode*>& list, int g) {
  if (g != -1 && !ValidGroup(g)) return;
  const int first = g == -1 ? 0 : g;
  const int last = g == -1 ? kFavoriteGroupCount - 1 : g;
  for (int group = first; group <= last; ++group) {
    bool changed = false;
    for (ChannelNode* channel : list) {
      if (!channel) continue;
      ChannelRecord r = channel->Record();
      if (r.GetFavoritePlace(group) != 0) {
        r.SetFavoritePlace(group, 0);
        changed = true;
      }
    }
    if (changed) CompactFavoriteGroup(group);
  }
}

void SettingsDatabase::CompactFavoriteGroup(int g) {
  std::vector<ChannelNode*> members;
  if (CollectFavoriteMembers(g, &members, kAllTypes) < 0) return;
  AssignPlaces(members, g);
}

}  // namespace vq
