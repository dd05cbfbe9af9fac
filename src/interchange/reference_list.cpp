#include "interchange/reference_list.h"

#include <unordered_map>

#include "database/settings_database.h"

namespace vq {

ReferenceList ReferenceOfDatabase(const SettingsDatabase& db) {
  ReferenceList list;
  std::unordered_map<const ChannelNode*, int> entryOf;
  for (int type = kTv; type <= kRadio; ++type) {
    std::vector<ChannelNode*> channels;
    db.CollectChannels(channels, type, kFilterNone);
    for (const ChannelNode* channel : channels) {
      const ChannelRecord r = channel->Record();
      const TransponderRecord t = channel->GetTransponder()->Record();
      ReferenceEntry entry;
      entry.name = r.GetName();
      entry.type = type;
      entry.serviceId = r.GetProgramId();
      entry.hasIds = entry.serviceId != 0;
      entry.networkId = t.GetNetworkId();
      entry.tsId = t.GetTpId();
      entryOf.emplace(channel, static_cast<int>(list.entries.size()));
      list.entries.push_back(std::move(entry));
    }
  }
  for (int g = 0; g < kFavoriteGroupCount; ++g) {
    list.groupNames.push_back(db.GetFavoriteGroupName(g));
    std::vector<ChannelNode*> members;
    db.CollectFavoriteMembers(g, &members, kAllTypes);
    std::vector<int> entries;
    for (const ChannelNode* member : members) {
      const auto it = entryOf.find(member);
      if (it != entryOf.end()) entries.push_back(it->second);
    }
    list.groupMembers.push_back(std::move(entries));
  }
  return list;
}

ReferenceList ReferenceOfChannelList(const ChannelList& list) {
  ReferenceList reference;
  for (const ListedChannel& c : list.channels) {
    ReferenceEntry entry;
    entry.name = c.name;
    entry.type = c.type;
    entry.serviceId = c.serviceId;
    entry.hasIds = c.serviceId != 0;
    if (c.transponder >= 0 && static_cast<size_t>(c.transponder) < list.transponders.size()) {
      const ListedTransponder& t = list.transponders[static_cast<size_t>(c.transponder)];
      entry.networkId = t.networkId;
      entry.tsId = t.tsId;
    }
    reference.entries.push_back(std::move(entry));
  }
  reference.skipped = list.skipped;
  reference.replacedCharacters = list.replacedCharacters;
  return reference;
}

}  // namespace vq
