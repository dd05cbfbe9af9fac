#include "compare/record_pairing.h"

#include <algorithm>
#include <deque>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>

#include "common/latin1_case.h"
#include "database/settings_database.h"

namespace vq {
namespace {

constexpr int kFrequencyTolerance = 2;  // MHz, as the imports match

// The transponders of one orbital position and polarisation, by frequency,
// with a skip list over those already taken so runs of equal frequencies
// cost little.
class Candidates {
 public:
  void Add(int frequency, int order, uint16_t slot) { items_.push_back({frequency, order, slot}); }
  void Seal() {
    std::sort(items_.begin(), items_.end(), [](const Item& x, const Item& y) {
      return std::tie(x.frequency, x.order) < std::tie(y.frequency, y.order);
    });
    next_.resize(items_.size() + 1);
    for (size_t i = 0; i < next_.size(); ++i) next_[i] = i;
  }
  // Takes the free item nearest to `frequency` within the tolerance.
  bool Take(int frequency, uint16_t& slot) {
    auto from = std::lower_bound(items_.begin(), items_.end(), frequency - kFrequencyTolerance,
                                 [](const Item& x, int f) { return x.frequency < f; });
    size_t best = items_.size();
    int bestDistance = kFrequencyTolerance + 1;
    for (size_t i = Free(static_cast<size_t>(from - items_.begin())); i < items_.size();
         i = Free(i + 1)) {
      const int distance = std::abs(items_[i].frequency - frequency);
      if (items_[i].frequency > frequency + kFrequencyTolerance) break;
      if (distance < bestDistance) {
        best = i;
        bestDistance = distance;
        if (distance == 0) break;
      }
    }
    if (best == items_.size()) return false;
    slot = items_[best].slot;
    next_[best] = best + 1;
    return true;
  }

 private:
  struct Item {
    int frequency;
    int order;
    uint16_t slot;
  };
  // The first free item at or after i (path halving).
  size_t Free(size_t i) {
    while (next_[i] != i) {
      next_[i] = next_[next_[i]];
      i = next_[i];
    }
    return i;
  }
  std::vector<Item> items_;
  std::vector<size_t> next_;
};

using GroupKey = std::pair<int, int>;  // orbital position, polarisation

GroupKey KeyOf(const TransponderNode& t) {
  return {t.GetSatellite()->Satellite().GetPosition(), t.Record().GetPolarization()};
}

std::string FoldedName(const ChannelRecord& r) {
  std::string name = r.GetName();
  for (char& c : name) c = static_cast<char>(FoldLatin1Case(static_cast<uint8_t>(c)));
  return name;
}

}  // namespace

std::vector<TransponderNode*> TranspondersInOrder(const SettingsDatabase& db) {
  std::vector<TransponderNode*> list;
  for (int s = 0; s < db.GetSatelliteCount(); ++s) {
    const SatelliteNode* satellite = db.GetSatelliteNode(s);
    if (!satellite->HasSatellite()) continue;
    for (int t = 0; t < satellite->GetTransponderCount(); ++t)
      list.push_back(satellite->GetTransponder(t));
  }
  return list;
}

SlotPairs PairTransponders(const std::vector<TransponderNode*>& a,
                           const std::vector<TransponderNode*>& b) {
  std::map<GroupKey, Candidates> groups;
  for (size_t i = 0; i < b.size(); ++i)
    groups[KeyOf(*b[i])].Add(b[i]->Record().GetFrequency(), static_cast<int>(i),
                             b[i]->GetTableIndex());
  for (auto& [key, group] : groups) group.Seal();
  SlotPairs pairs;
  for (const TransponderNode* t : a) {
    const auto group = groups.find(KeyOf(*t));
    uint16_t slot = 0;
    if (group != groups.end() && group->second.Take(t->Record().GetFrequency(), slot))
      pairs.emplace_back(t->GetTableIndex(), slot);
  }
  return pairs;
}

void PairChannels(const TransponderNode& a, const TransponderNode& b, SlotPairs& pairs) {
  const int countA = a.GetChannelCount();
  const int countB = b.GetChannelCount();
  std::vector<bool> pairedA(static_cast<size_t>(countA));
  std::vector<bool> pairedB(static_cast<size_t>(countB));
  std::unordered_map<uint32_t, std::deque<int>> byId;
  for (int j = 0; j < countB; ++j) {
    const ChannelRecord r = b.GetChannel(j)->Record();
    byId[uint32_t{r.GetType()} << 16 | r.GetProgramId()].push_back(j);
  }
  for (int i = 0; i < countA; ++i) {
    const ChannelRecord r = a.GetChannel(i)->Record();
    auto it = byId.find(uint32_t{r.GetType()} << 16 | r.GetProgramId());
    if (it == byId.end() || it->second.empty()) continue;
    const int j = it->second.front();
    it->second.pop_front();
    pairedA[static_cast<size_t>(i)] = pairedB[static_cast<size_t>(j)] = true;
    pairs.emplace_back(a.GetChannel(i)->GetTableIndex(), b.GetChannel(j)->GetTableIndex());
  }
  std::unordered_map<std::string, std::deque<int>> byName;
  for (int j = 0; j < countB; ++j)
    if (!pairedB[static_cast<size_t>(j)]) {
      const ChannelRecord r = b.GetChannel(j)->Record();
      byName[std::to_string(r.GetType()) + FoldedName(r)].push_back(j);
    }
  if (byName.empty()) return;
  for (int i = 0; i < countA; ++i) {
    if (pairedA[static_cast<size_t>(i)]) continue;
    const ChannelRecord r = a.GetChannel(i)->Record();
    auto it = byName.find(std::to_string(r.GetType()) + FoldedName(r));
    if (it == byName.end() || it->second.empty()) continue;
    pairs.emplace_back(a.GetChannel(i)->GetTableIndex(),
                       b.GetChannel(it->second.front())->GetTableIndex());
    it->second.pop_front();
  }
}

}  // namespace vq
