#include "interchange/order_like.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

#include "common/translated_format.h"
#include "database/settings_database.h"
#include "editing/commands/list_state.h"
#include "editing/commands/orderings.h"
#include "interchange/import_summary.h"
#include "interchange/import_texts.h"
#include "interchange/latin1_text.h"

namespace vq {
namespace {

constexpr int kTypes = 2;  // TV and radio
constexpr int kNoRank = std::numeric_limits<int>::max();

uint64_t IdKey(uint16_t network, uint16_t ts, uint16_t service) {
  return uint64_t{network} << 32 | uint64_t{ts} << 16 | service;
}

// Reference entries by a key, each list walked front to back as entries are
// taken, so that equal keys match in reference order.
template <class Key>
class EntryIndex {
 public:
  void Add(const Key& key, int entry) { entries_[key].push_back(entry); }
  // The first entry under `key` not yet taken, taken now; -1 when none.
  int Take(const Key& key, std::vector<bool>& taken) {
    const auto it = entries_.find(key);
    if (it == entries_.end()) return -1;
    size_t& next = cursor_[key];
    while (next < it->second.size() && taken[static_cast<size_t>(it->second[next])]) ++next;
    if (next == it->second.size()) return -1;
    const int entry = it->second[next++];
    taken[static_cast<size_t>(entry)] = true;
    return entry;
  }

 private:
  std::unordered_map<Key, std::vector<int>> entries_;
  std::unordered_map<Key, size_t> cursor_;
};

class ReferenceMatch {
 public:
  explicit ReferenceMatch(const ReferenceList& reference);
  // Ranks (entry indexes) of the channels of each type; kNoRank unmatched.
  void Match(const std::array<std::vector<ChannelNode*>, kTypes>& channels, OrderSummary& summary);
  int RankOf(int type, size_t i) const { return ranks_[static_cast<size_t>(type)][i]; }
  // The channel matched to each entry, or null.
  const std::vector<ChannelNode*>& ChannelOfEntry() const { return channelOf_; }

 private:
  std::array<EntryIndex<uint64_t>, kTypes> byIds_;
  std::array<EntryIndex<std::string>, kTypes> byName_;
  std::vector<bool> taken_;
  std::vector<ChannelNode*> channelOf_;
  std::array<std::vector<int>, kTypes> ranks_;
};

ReferenceMatch::ReferenceMatch(const ReferenceList& reference)
    : taken_(reference.entries.size()), channelOf_(reference.entries.size()) {
  for (size_t i = 0; i < reference.entries.size(); ++i) {
    const ReferenceEntry& e = reference.entries[i];
    for (int type = 0; type < kTypes; ++type) {
      if (e.type >= 0 && e.type != type) continue;
      const auto t = static_cast<size_t>(type);
      if (e.hasIds) byIds_[t].Add(IdKey(e.networkId, e.tsId, e.serviceId), static_cast<int>(i));
      byName_[t].Add(Latin1Lower(e.name), static_cast<int>(i));
    }
  }
}

void ReferenceMatch::Match(const std::array<std::vector<ChannelNode*>, kTypes>& channels,
                           OrderSummary& summary) {
  for (int type = 0; type < kTypes; ++type)
    ranks_[static_cast<size_t>(type)].assign(channels[static_cast<size_t>(type)].size(), kNoRank);
  // Ids first over every channel, so that a name match never takes the
  // entry another channel's ids name.
  for (int pass = 0; pass < 2; ++pass)
    for (int type = 0; type < kTypes; ++type) {
      const auto t = static_cast<size_t>(type);
      for (size_t i = 0; i < channels[t].size(); ++i) {
        if (ranks_[t][i] != kNoRank) continue;
        ChannelNode* channel = channels[t][i];
        const ChannelRecord r = channel->Record();
        int entry = -1;
        if (pass == 0 && r.GetProgramId() != 0) {
          const TransponderRecord tr = channel->GetTransponder()->Record();
          entry = byIds_[t].Take(IdKey(tr.GetNetworkId(), tr.GetTpId(), r.GetProgramId()), taken_);
          if (entry >= 0) ++summary.byIds[t];
        } else if (pass == 1) {
          entry = byName_[t].Take(Latin1Lower(r.GetName()), taken_);
          if (entry >= 0) ++summary.byName[t];
        }
        if (entry < 0) continue;
        ranks_[t][i] = entry;
        channelOf_[static_cast<size_t>(entry)] = channel;
      }
    }
  for (int type = 0; type < kTypes; ++type) {
    const auto t = static_cast<size_t>(type);
    summary.unmatched[t] =
        static_cast<int>(std::count(ranks_[t].begin(), ranks_[t].end(), kNoRank));
  }
}

void TakeFavorites(SettingsDatabase& db, const ReferenceList& reference,
                   const std::vector<ChannelNode*>& channelOf, OrderSummary& summary) {
  for (size_t g = 0; g < reference.groupNames.size() && g < kFavoriteGroupCount; ++g) {
    const int group = static_cast<int>(g);
    std::vector<ChannelNode*> before;
    db.CollectFavoriteMembers(group, &before, kAllTypes);
    const std::string nameBefore = db.GetFavoriteGroupName(group);
    db.RemoveListFromFavorites(before, group);
    std::vector<ChannelNode*> members;
    if (g < reference.groupMembers.size())
      for (const int entry : reference.groupMembers[g]) {
        ChannelNode* channel = entry >= 0 && static_cast<size_t>(entry) < channelOf.size()
                                   ? channelOf[static_cast<size_t>(entry)]
                                   : nullptr;
        if (channel)
          members.push_back(channel);
        else
          ++summary.favoriteMembersMissing;
      }
    db.AddListToFavoriteGroup(members, group);
    db.SetFavoriteGroupName(group, reference.groupNames[g]);
    ++summary.favoriteGroupsTaken;
    std::vector<ChannelNode*> after;
    db.CollectFavoriteMembers(group, &after, kAllTypes);
    if (after != before || db.GetFavoriteGroupName(group) != nameBefore) summary.changed = true;
  }
}

}  // namespace

OrderSummary OrderLikeReference(SettingsDatabase& db, const ReferenceList& reference,
                                const OrderOptions& options) {
  OrderSummary summary;
  summary.skipped = reference.skipped;
  if (db.GetChannelCapacity() < 0) {
    summary.message = import_texts::kNoModel;
    return summary;
  }
  std::array<std::vector<ChannelNode*>, kTypes> channels;
  for (int type = 0; type < kTypes; ++type)
    channels[static_cast<size_t>(type)] = ChannelOrder(db, kSourceAll, type);
  ReferenceMatch match(reference);
  match.Match(channels, summary);
  if (summary.Matched() == 0) {
    summary.message = import_texts::kNothingMatched;
    return summary;
  }
  for (int type = 0; type < kTypes; ++type) {
    const auto t = static_cast<size_t>(type);
    std::vector<size_t> places(channels[t].size());
    for (size_t i = 0; i < places.size(); ++i) places[i] = i;
    std::stable_sort(places.begin(), places.end(), [&](size_t a, size_t b) {
      return match.RankOf(type, a) < match.RankOf(type, b);
    });
    std::vector<ChannelNode*> order;
    order.reserve(places.size());
    for (const size_t i : places) order.push_back(channels[t][i]);
    // A type whose order stays is left alone, lists and all.
    if (order == channels[t]) continue;
    summary.changed = true;
    ApplyChannelOrder(db, kSourceAll, type, order);
    FollowChannelNumbers(db, type);
  }
  if (options.takeFavorites) TakeFavorites(db, reference, match.ChannelOfEntry(), summary);
  return summary;
}

std::vector<std::string> OrderSummaryLines(const OrderSummary& s) {
  std::vector<std::string> lines;
  constexpr const char* kMatchedPatterns[] = {
      VQ_TRANSLATE_NOOP("CoreText",
                        "TV channels matched: %d by ids, %d by name; %d not in the reference, "
                        "kept in their order after them"),
      VQ_TRANSLATE_NOOP("CoreText",
                        "Radio channels matched: %d by ids, %d by name; %d not in the reference, "
                        "kept in their order after them")};
  for (size_t t = 0; t < kTypes; ++t)
    lines.push_back(TranslatedFormat(kMatchedPatterns[t], s.byIds[t], s.byName[t], s.unmatched[t]));
  if (s.favoriteGroupsTaken > 0)
    lines.push_back(TranslatedFormat(
        VQ_TRANSLATE_NOOP("CoreText", "Favourite groups taken: %d (%d members not found here)"),
        s.favoriteGroupsTaken, s.favoriteMembersMissing));
  const std::vector<std::string> skipped =
      SkippedLines(VQ_TRANSLATE_NOOP("CoreText", "Reference entries skipped: %d"), s.skipped);
  lines.insert(lines.end(), skipped.begin(), skipped.end());
  if (!s.message.empty()) lines.push_back(TranslatedText(s.message));
  return lines;
}

}  // namespace vq
