#include "database/satellite_node.h"

#include <algorithm>

#include "database/channel_types.h"
#include "database/link_word.h"

namespace vq {

void SatelliteNode::Reset() {
  satellite_ = nullptr;
  lnb_ = nullptr;
  index_ = 0xFFFF;
  lnbIndex_ = 0xFFFF;
  transponders_.clear();
  channelCounts_ = {};
}

std::string SatelliteNode::GetName() const {
  return satellite_ ? Satellite().GetName() : std::string();
}

void SatelliteNode::SetName(std::string_view name) {
  if (satellite_) Satellite().SetName(name);
  if (lnb_) Lnb().SetName(name.substr(0, 14));
}

int SatelliteNode::GetNumber() const { return satellite_ ? Satellite().GetNumber() : -1; }

int SatelliteNode::CountEmptyTransponders() const {
  return static_cast<int>(std::count_if(transponders_.begin(), transponders_.end(),
                                        [](const auto& t) { return t->GetChannelCount() == 0; }));
}

TransponderNode* SatelliteNode::GetTransponder(int i) const {
  if (i < 0 || i >= GetTransponderCount()) return nullptr;
  return transponders_[static_cast<size_t>(i)].get();
}

TransponderNode* SatelliteNode::FindTransponderByPosition(int position) const {
  for (const auto& t : transponders_)
    if (LinkPosition(t->Record().GetLinkWord()) == position) return t.get();
  return nullptr;
}

TransponderNode* SatelliteNode::FindTransponderByTableIndex(int tableIndex) const {
  for (const auto& t : transponders_)
    if (t->GetTableIndex() == tableIndex) return t.get();
  return nullptr;
}

TransponderNode* SatelliteNode::FindTransponderByNumber(int number) const {
  for (const auto& t : transponders_)
    if (t->Record().GetNumber() == number) return t.get();
  return nullptr;
}

TransponderNode* SatelliteNode::FindTransponderByFrequency(int frequency, int polarization) const {
  for (const auto& t : transponders_) {
    const TransponderRecord r = t->Record();
    if (r.GetFrequency() == frequency && r.GetPolarization() == polarization) return t.get();
  }
  return nullptr;
}

TransponderNode* SatelliteNode::AddTransponder(std::unique_ptr<TransponderNode> transponder) {
  transponder->SetSatellite(this);
  channelCounts_.Add(transponder->CountChannelsByType(), 1);
  auto at = std::upper_bound(
      transponders_.begin(), transponders_.end(), transponder->GetTableIndex(),
      [](uint16_t index, const auto& t) { return index < t->GetTableIndex(); });
  return transponders_.insert(at, std::move(transponder))->get();
}

std::unique_ptr<TransponderNode> SatelliteNode::RemoveTransponder(
    const TransponderNode* transponder) {
  auto it = std::find_if(transponders_.begin(), transponders_.end(),
                         [&](const auto& t) { return t.get() == transponder; });
  if (it == transponders_.end()) return nullptr;
  auto node = std::move(*it);
  transponders_.erase(it);
  channelCounts_.Add(node->CountChannelsByType(), -1);
  node->SetSatellite(nullptr);
  return node;
}

int SatelliteNode::CountFreeChannels(int type) const {
  int count = 0;
  for (const auto& t : transponders_) count += t->CountFreeChannels(type);
  return count;
}

int SatelliteNode::CountScrambledChannels(int type) const {
  int count = 0;
  for (const auto& t : transponders_) count += t->CountScrambledChannels(type);
  return count;
}

}  // namespace vq
