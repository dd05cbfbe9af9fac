#include "database/transponder_node.h"

#include <algorithm>

#include "database/channel_types.h"
#include "database/link_word.h"
#include "database/satellite_node.h"

namespace vq {

ChannelNode* TransponderNode::GetChannel(int i) const {
  if (i < 0 || i >= GetChannelCount()) return nullptr;
  return channels_[static_cast<size_t>(i)].get();
}

ChannelNode* TransponderNode::AddChannel(std::unique_ptr<ChannelNode> channel) {
  channel->SetTransponder(this);
  auto at = std::upper_bound(channels_.begin(), channels_.end(), channel->GetTableIndex(),
                             [](uint16_t index, const auto& c) { return index < c->GetTableIndex(); });
  Tally(channel->Record().GetType(), 1);
  return channels_.insert(at, std::move(channel))->get();
}

void TransponderNode::DeleteAllChannels() {
  if (satellite_) satellite_->TallyChannels(counts_, -1);
  counts_ = {};
  channels_.clear();
}

void TransponderNode::Tally(int type, int delta) {
  counts_.Add(type, delta);
  if (satellite_) {
    TypeCounts change;
    change.Add(type, delta);
    satellite_->TallyChannels(change, 1);
  }
}

int TransponderNode::TypeCounts::Of(int type) const {
  switch (type) {
    case kTv: return tv;
    case kRadio: return radio;
    case kData: return data;
    case kAllTypes: return tv + radio + data;
    default: return 0;
  }
}

void TransponderNode::TypeCounts::Add(int type, int delta) {
  switch (type) {
    case kTv: tv += delta; break;
    case kRadio: radio += delta; break;
    case kData: data += delta; break;
    default: break;
  }
}

void TransponderNode::TypeCounts::Add(const TypeCounts& other, int sign) {
  tv += sign * other.tv;
  radio += sign * other.radio;
  data += sign * other.data;
}

void TransponderNode::SortChannelsByTableIndex() {
  std::stable_sort(channels_.begin(), channels_.end(), [](const auto& a, const auto& b) {
    return a->GetTableIndex() < b->GetTableIndex();
  });
}

int TransponderNode::CountFreeChannels(int type) const {
  return static_cast<int>(std::count_if(channels_.begin(), channels_.end(), [&](const auto& c) {
    const ChannelRecord r = c->Record();
    return TypeMatches(r.GetType(), type) && !r.IsScrambled();
  }));
}

int TransponderNode::CountScrambledChannels(int type) const {
  return static_cast<int>(std::count_if(channels_.begin(), channels_.end(), [&](const auto& c) {
    const ChannelRecord r = c->Record();
    return TypeMatches(r.GetType(), type) && r.IsScrambled();
  }));
}

int TransponderNode::CollectTransponderChannels(std::vector<ChannelNode*>& list, int type) const {
  if (type < kTv || type > kAllTypes) return -1;
  list.clear();
  for (const auto& c : channels_)
    if (TypeMatches(c->Record().GetType(), type)) list.push_back(c.get());
  std::stable_sort(list.begin(), list.end(), [](const ChannelNode* a, const ChannelNode* b) {
    return LinkPosition(a->Record().GetTransponderLink()) <
           LinkPosition(b->Record().GetTransponderLink());
  });
  return static_cast<int>(list.size());
}

}  // namespace vq
