#include "editing/commands/scrambled_refile.h"

#include <unordered_set>

#include "database/settings_database.h"

namespace vq {
namespace {

// The members of one list that stayed, in their order, followed by the
// channels that joined it; then numbered from 0 with the type's offset.
void Renumber(SettingsDatabase& db, int type, int filter,
              const std::unordered_set<const ChannelNode*>& moved,
              const std::vector<ChannelNode*>& changed) {
  std::vector<ChannelNode*> list;
  db.CollectChannels(list, type, filter);
  std::erase_if(list, [&](const ChannelNode* c) { return moved.contains(c); });
  const bool scrambled = filter == kFilterScrambled;
  for (ChannelNode* c : changed)
    if (c->Record().GetType() == type && c->Record().IsScrambled() == scrambled) list.push_back(c);
  const uint16_t offset = ChannelNumberOffset(type);
  for (size_t i = 0; i < list.size(); ++i)
    list[i]->Record().SetFreeNumber(static_cast<uint16_t>(offset + i));
}

}  // namespace

void RefileChangedChannels(SettingsDatabase& db, const std::vector<ChannelNode*>& changed) {
  const std::unordered_set<const ChannelNode*> moved(changed.begin(), changed.end());
  for (int type : {kTv, kRadio}) {
    bool any = false;
    for (const ChannelNode* c : changed) any = any || c->Record().GetType() == type;
    if (!any) continue;
    Renumber(db, type, kFilterFree, moved, changed);
    Renumber(db, type, kFilterScrambled, moved, changed);
  }
}

}  // namespace vq
