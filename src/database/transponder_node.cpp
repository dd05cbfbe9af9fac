#include "database/transponder_node.h"

#include <algorithm>

#include "database/channel_types.h"
#include "database/link_word.h"

namespace vq {

ChannelNode* TransponderNode::GetChannel(int i) const {
  if (i < 0 || i >= GetChannelCount()) return nullptr;
  return channels_[static_cast<size_t>(i)].get();
}

ChannelNode* TransponderNode::AddChannel(std::unique_ptr<ChannelNode> channel) {
  channel->SetTransponder(this);
  auto at = std::upper_bound(channels_.begin(), channels_.end(), channel->GetTableIndex(),
                             [](uint16_t index, const auto& c) { return index < c->GetTableIndex(); });
  return channels_.insert(at, std::move(channel))->get();
}

void TransponderNode::SortChannelsByTableIndex() {
  std::stable_sort(channels_.begin(), channels_.end(), [](const auto& a, const auto& b) {
    return a->GetTableIndex() < b->GetTableIndex();
  });
}

TransponderNode::TypeCounts TransponderNode::CountChannelsByType() const {
  TypeCounts counts;
  for (const auto& c : channels_) {
    switch (c->Record().GetType()) {
      case kTv: ++counts.tv; break;
      case kRadio: ++counts.radio; break;
      case kData: ++counts.data; break;
      default: break;
    }
  }
  return counts;
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
