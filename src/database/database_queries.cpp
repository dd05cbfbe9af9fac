// Index access, counts and the sorted collections of the settings database.
#include <algorithm>
#include <utility>

#include "database/link_word.h"
#include "database/settings_database.h"

namespace vq {
namespace {

// Orders `list` by `key` as std::stable_sort would, reading each key once:
// keys within a span of a few times the list's length (numberings, the
// usual case) are counted into place in linear time, others are sorted
// together with their old index as tie-break.
template <class Node, class Key>
void StableSortByKey(std::vector<Node*>& list, Key key) {
  const size_t n = list.size();
  if (n < 2) return;
  std::vector<uint32_t> keys(n);
  for (size_t i = 0; i < n; ++i) keys[i] = key(list[i]);
  const auto [low, high] = std::minmax_element(keys.begin(), keys.end());
  const uint32_t least = *low;
  const size_t span = static_cast<size_t>(*high - least) + 1;
  std::vector<Node*> sorted(n);
  if (span <= 4 * n + 64) {
    std::vector<size_t> start(span + 1, 0);
    for (const uint32_t k : keys) ++start[k - least + 1];
    for (size_t k = 1; k <= span; ++k) start[k] += start[k - 1];
    for (size_t i = 0; i < n; ++i) sorted[start[keys[i] - least]++] = list[i];
  } else {
    std::vector<std::pair<uint32_t, size_t>> order(n);
    for (size_t i = 0; i < n; ++i) order[i] = {keys[i], i};
    std::sort(order.begin(), order.end());
    for (size_t i = 0; i < n; ++i) sorted[i] = list[order[i].second];
  }
  list = std::move(sorted);
}

}  // namespace

SatelliteNode* SettingsDatabase::GetSatelliteNode(int i) const {
  if (i < 0 || i >= kSatelliteCount) return nullptr;
  return nodes_[i].get();
}

SatelliteNode* SettingsDatabase::FindSatelliteNodeByNumber(int number) const {
  for (const auto& node : nodes_)
    if (node->HasSatellite() && node->GetNumber() == number) return node.get();
  return nullptr;
}

int SettingsDatabase::SatelliteNodeIndex(const SatelliteNode* node) const {
  for (int i = 0; i < kSatelliteCount; ++i)
    if (nodes_[i].get() == node) return i;
  return -1;
}

int SettingsDatabase::GetTransponderTotal() const {
  int total = 0;
  for (const auto& node : nodes_) total += node->GetTransponderCount();
  return total;
}

int SettingsDatabase::GetEmptyTransponderTotal() const {
  int total = 0;
  for (const auto& node : nodes_) total += node->CountEmptyTransponders();
  return total;
}

int SettingsDatabase::CountChannels(int type) const {
  int count = 0;
  for (const auto& node : nodes_) count += node->CountChannels(type);
  return count;
}

TransponderNode* SettingsDatabase::FindTransponderNode(int tableIndex) const {
  if (tableIndex < 0 || tableIndex >= kTransponderCapacity) return nullptr;
  return transponderBySlot_[tableIndex];
}

ChannelNode* SettingsDatabase::FindChannelNode(int tableIndex) const {
  if (tableIndex < 0 || tableIndex >= GetChannelCapacity()) return nullptr;
  return channelBySlot_[tableIndex];
}

uint16_t SettingsDatabase::FindFreeTransponderSlot(int start) const {
  for (int t = std::max(start, 0); t < kTransponderCapacity; ++t)
    if (TransponderRecord(const_cast<uint8_t*>(transponders_.data()) + t * kTransponderRecordSize)
            .IsFree())
      return static_cast<uint16_t>(t);
  return kNoFreeSlot;
}

uint16_t SettingsDatabase::FindFreeChannelSlot(int start) const {
  const int capacity = GetChannelCapacity();
  for (int c = std::max(start, 0); c < capacity; ++c)
    if (ChannelRecord(const_cast<uint8_t*>(channels_.data()) + c * kChannelRecordSize).IsFree())
      return static_cast<uint16_t>(c);
  return kNoFreeSlot;
}

std::vector<ChannelNode*> SettingsDatabase::ChannelsOfType(int type) const {
  std::vector<ChannelNode*> list;
  ForEachChannel([&](ChannelNode* c) {
    if (TypeMatches(c->Record().GetType(), type)) list.push_back(c);
  });
  return list;
}

int SettingsDatabase::CollectChannels(std::vector<ChannelNode*>& list, int type, int filter,
                                      int satellite) const {
  list.clear();
  if (type < kTv || type > kAllTypes) return -1;
  const SatelliteNode* only = nullptr;
  if (filter == kFilterSatellite) {
    only = FindSatelliteNodeByNumber(satellite);
    if (!only) return -1;
  } else if (filter != kFilterNone && filter != kFilterFree && filter != kFilterScrambled) {
    return -1;
  }
  ForEachChannel([&](ChannelNode* c) {
    const ChannelRecord r = c->Record();
    if (!TypeMatches(r.GetType(), type)) return;
    if (filter == kFilterFree && r.IsScrambled()) return;
    if (filter == kFilterScrambled && !r.IsScrambled()) return;
    if (only && c->GetTransponder()->GetSatellite() != only) return;
    list.push_back(c);
  });
  auto key = [filter](const ChannelNode* c) -> uint32_t {
    const ChannelRecord r = c->Record();
    if (filter == kFilterFree || filter == kFilterScrambled) return r.GetFreeNumber();
    if (filter == kFilterSatellite)
      return (static_cast<uint32_t>(r.GetType()) << 16) | LinkPosition(r.GetSatelliteLink());
    return r.GetChannelNumber();
  };
  StableSortByKey(list, key);
  return static_cast<int>(list.size());
}

int SettingsDatabase::CollectEmptyTransponders(std::vector<TransponderNode*>& list,
                                               int satellite) const {
  if (CollectTransponders(list, satellite) < 0) return -1;
  std::erase_if(list, [](const TransponderNode* t) { return t->GetChannelCount() != 0; });
  std::stable_sort(list.begin(), list.end(), [](const TransponderNode* a, const TransponderNode* b) {
    return a->Record().GetNumber() < b->Record().GetNumber();
  });
  return static_cast<int>(list.size());
}

int SettingsDatabase::CollectTransponders(std::vector<TransponderNode*>& list,
                                          int satellite) const {
  list.clear();
  const SatelliteNode* only = nullptr;
  if (satellite != -1) {
    only = FindSatelliteNodeByNumber(satellite);
    if (!only) return -1;
  }
  for (const auto& node : nodes_) {
    if (only && node.get() != only) continue;
    for (int i = 0; i < node->GetTransponderCount(); ++i) list.push_back(node->GetTransponder(i));
  }
  if (only) {
    std::stable_sort(list.begin(), list.end(),
                     [](const TransponderNode* a, const TransponderNode* b) {
                       return LinkPosition(a->Record().GetLinkWord()) <
                              LinkPosition(b->Record().GetLinkWord());
                     });
  } else {
    std::stable_sort(list.begin(), list.end(),
                     [](const TransponderNode* a, const TransponderNode* b) {
                       return a->Record().GetNumber() < b->Record().GetNumber();
                     });
  }
  return static_cast<int>(list.size());
}

}  // namespace vq
