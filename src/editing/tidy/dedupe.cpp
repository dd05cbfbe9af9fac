#include "editing/tidy/dedupe.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "database/settings_database.h"

namespace vq {
namespace {

// Gives `keep` the place of the removed member that comes first in group g,
// when it is not a member itself. The removed member's byte is cleared, so
// the group's count stays and its places stay dense.
bool TakeFavoritePlace(ChannelNode* keep, const std::vector<ChannelNode*>& removed, int g) {
  ChannelRecord kept = keep->Record();
  if (kept.GetFavoritePlace(g) != 0) return false;
  ChannelNode* first = nullptr;
  for (ChannelNode* c : removed) {
    const uint8_t place = c->Record().GetFavoritePlace(g);
    if (place != 0 && (!first || place < first->Record().GetFavoritePlace(g))) first = c;
  }
  if (!first) return false;
  kept.SetFavoritePlace(g, first->Record().GetFavoritePlace(g));
  first->Record().SetFavoritePlace(g, 0);
  return true;
}

}  // namespace

std::vector<DedupeChoice> ChooseMembers(const std::vector<DuplicateGroup>& groups, KeepRule rule) {
  std::vector<DedupeChoice> choices;
  choices.reserve(groups.size());
  for (const DuplicateGroup& group : groups) {
    DedupeChoice choice{MemberToKeep(group, rule), {}};
    for (ChannelNode* c : group.members)
      if (c != choice.keep) choice.remove.push_back(c);
    choices.push_back(std::move(choice));
  }
  return choices;
}

DedupeResult RemoveDuplicates(SettingsDatabase& db, const std::vector<DedupeChoice>& choices) {
  DedupeResult result;
  std::unordered_set<const ChannelNode*> doomed;
  for (const DedupeChoice& choice : choices)
    for (const ChannelNode* c : choice.remove)
      if (c) doomed.insert(c);
  std::unordered_map<uint16_t, uint16_t> timerTarget;
  std::vector<ChannelNode*> removed;
  for (const DedupeChoice& choice : choices) {
    if (!choice.keep || doomed.contains(choice.keep)) continue;
    for (int g = 0; g < kFavoriteGroupCount; ++g)
      result.favoritePlacesTaken += TakeFavoritePlace(choice.keep, choice.remove, g);
    for (ChannelNode* c : choice.remove) {
      if (!c) continue;
      timerTarget.emplace(c->GetTableIndex(), choice.keep->GetTableIndex());
      removed.push_back(c);
    }
  }
  ReceiverConfig config = db.GetConfigRecord();
  for (int t = 0; t < ReceiverConfig::kTimerCount; ++t) {
    const auto it = timerTarget.find(config.GetTimerChannel(t));
    if (it == timerTarget.end()) continue;
    config.SetTimerChannel(t, it->second);
    ++result.timersMoved;
  }
  // A channel listed in two choices goes once.
  std::sort(removed.begin(), removed.end());
  removed.erase(std::unique(removed.begin(), removed.end()), removed.end());
  db.DeleteChannels(removed);
  result.removed = static_cast<int>(removed.size());
  return result;
}

}  // namespace vq
