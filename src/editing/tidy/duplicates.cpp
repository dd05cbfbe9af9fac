#include "editing/tidy/duplicates.h"

#include <algorithm>
#include <numeric>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>

#include "common/latin1_case.h"
#include "database/settings_database.h"

namespace vq {
namespace {

// The parts joined by ':' into one map key.
std::string Key(std::initializer_list<std::string_view> parts) {
  std::string key;
  for (const std::string_view part : parts) {
    if (!key.empty()) key += ':';
    key += part;
  }
  return key;
}

// Which end mark a name carries, and the name without it.
enum class Mark { kNone, kHd, kSd };

struct MarkedName {
  std::string base;
  Mark mark = Mark::kNone;
};

bool EndsWithFolded(std::string_view text, std::string_view end) {
  return text.size() >= end.size() &&
         SameLatin1TextIgnoringCase(text.substr(text.size() - end.size()), end);
}

MarkedName SplitMark(std::string_view name) {
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  if (EndsWithFolded(name, " hd")) return {std::string(name.substr(0, name.size() - 3)), Mark::kHd};
  if (EndsWithFolded(name, " sd")) return {std::string(name.substr(0, name.size() - 3)), Mark::kSd};
  if (name.size() > 2 && EndsWithFolded(name, "hd"))
    return {std::string(name.substr(0, name.size() - 2)), Mark::kHd};
  return {std::string(name), Mark::kNone};
}

// The name as matching reads it: case folded, without spaces.
std::string MatchingName(std::string_view name) {
  std::string out;
  for (const char ch : name)
    if (ch != ' ') out += static_cast<char>(FoldLatin1Case(static_cast<uint8_t>(ch)));
  return out;
}

bool IdMissing(uint16_t id) { return id == 0 || id == 0xFFFF; }

// Union-find over the channels' indexes, remembering the strongest kind
// that joined each set.
class Sets {
 public:
  explicit Sets(size_t n) : parent_(n), kind_(n, kNoKind) {
    std::iota(parent_.begin(), parent_.end(), size_t{0});
  }
  size_t Root(size_t i) {
    while (parent_[i] != i) i = parent_[i] = parent_[parent_[i]];
    return i;
  }
  void Join(size_t a, size_t b, DuplicateKind kind) {
    a = Root(a);
    b = Root(b);
    const int k = std::min({kind_[a], kind_[b], static_cast<int>(kind)});
    parent_[b] = a;
    kind_[a] = k;
  }
  DuplicateKind KindOf(size_t i) { return static_cast<DuplicateKind>(kind_[Root(i)]); }

 private:
  static constexpr int kNoKind = 99;
  std::vector<size_t> parent_;
  std::vector<int> kind_;
};

// Joins every channel with the first one of the same key.
template <class Key>
void JoinByKey(Sets& sets, std::unordered_map<Key, size_t>& first, const Key& key, size_t i,
               DuplicateKind kind) {
  const auto [it, added] = first.emplace(key, i);
  if (!added) sets.Join(it->second, i, kind);
}

int FavoriteCount(const ChannelNode* c) {
  int n = 0;
  for (int g = 0; g < kFavoriteGroupCount; ++g) n += c->Record().GetFavoritePlace(g) != 0;
  return n;
}

}  // namespace

bool NamedAsHd(const std::string_view& name) { return SplitMark(name).mark == Mark::kHd; }

std::vector<DuplicateGroup> FindDuplicates(const SettingsDatabase& db, bool hdTwins) {
  std::vector<ChannelNode*> all;
  db.CollectChannels(all, kAllTypes, kFilterNone);
  Sets sets(all.size());
  std::unordered_map<std::string, size_t> byIds;
  std::unordered_map<std::string, size_t> byName;
  // Per twin key: the first channel and which marks were seen.
  struct Twins {
    std::vector<size_t> members;
    unsigned marks = 0;
  };
  std::unordered_map<std::string, Twins> byBase;
  for (size_t i = 0; i < all.size(); ++i) {
    const ChannelRecord r = all[i]->Record();
    const TransponderRecord t = all[i]->GetTransponder()->Record();
    const int16_t position = all[i]->GetTransponder()->GetSatellite()->Satellite().GetPosition();
    const std::string place = Key({std::to_string(r.GetType()), std::to_string(position)});
    const std::string name = r.GetName();
    if (!IdMissing(r.GetProgramId()) && !IdMissing(t.GetTpId())) {
      JoinByKey(sets, byIds,
                Key({place, std::to_string(r.GetProgramId()), std::to_string(t.GetTpId())}), i,
                DuplicateKind::kServiceIds);
    } else if (const std::string matching = MatchingName(name); !matching.empty()) {
      JoinByKey(sets, byName,
                Key({place, std::to_string(t.GetFrequency()), std::to_string(t.GetPolarization()),
                     matching}),
                i, DuplicateKind::kNameOnTransponder);
    }
    if (hdTwins) {
      const MarkedName marked = SplitMark(name);
      const std::string base = MatchingName(marked.base);
      if (base.empty()) continue;
      Twins& twins = byBase[Key({place, base})];
      twins.members.push_back(i);
      twins.marks |= 1u << static_cast<unsigned>(marked.mark);
    }
  }
  // A base name seen with two different marks (or with and without one)
  // makes its channels twins.
  for (const auto& [key, twins] : byBase)
    if (twins.members.size() > 1 && (twins.marks & (twins.marks - 1)) != 0)
      for (size_t k = 1; k < twins.members.size(); ++k)
        sets.Join(twins.members[0], twins.members[k], DuplicateKind::kHdTwins);

  std::unordered_map<size_t, size_t> groupOf;
  std::vector<DuplicateGroup> groups;
  // `all` runs by type and number, so members and groups come out in order.
  std::vector<size_t> counts(all.size(), 0);
  for (size_t i = 0; i < all.size(); ++i) ++counts[sets.Root(i)];
  for (size_t i = 0; i < all.size(); ++i) {
    const size_t root = sets.Root(i);
    if (counts[root] < 2) continue;
    const auto [it, added] = groupOf.emplace(root, groups.size());
    if (added) groups.push_back({sets.KindOf(root), {}});
    groups[it->second].members.push_back(all[i]);
  }
  return groups;
}

ChannelNode* MemberToKeep(const DuplicateGroup& group, KeepRule rule) {
  ChannelNode* best = nullptr;
  // Members come by number, so on a tie the earlier one stays best.
  const auto better = [rule](const ChannelNode* a, const ChannelNode* b) {
    if (rule == KeepRule::kFirst) return false;
    if (rule == KeepRule::kHd) {
      const bool hdA = NamedAsHd(a->Record().GetName());
      const bool hdB = NamedAsHd(b->Record().GetName());
      if (hdA != hdB) return hdA;
    }
    return FavoriteCount(a) > FavoriteCount(b);
  };
  for (ChannelNode* c : group.members)
    if (!best || better(c, best)) best = c;
  return best;
}

}  // namespace vq
