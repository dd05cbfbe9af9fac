#include "interchange/transponder_update_command.h"

#include <set>

#include "common/translated_format.h"
#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/command_texts.h"
#include "editing/commands/editing_view.h"

namespace vq {

std::string UpdatedStatusText(const TransponderUpdateResult& r) {
  return TranslatedFormat(
      VQ_TRANSLATE_NOOP("CoreText", "Transponders updated: %d added, %d changed, %d removed!"),
      r.added, r.changed, r.removed);
}

TransponderUpdateResult UpdateTransponders(EditingView& view,
                                           std::span<const TransponderUpdate> chosen) {
  view.ShowStatus(texts::kPleaseWait);
  std::set<int> doomed;
  for (const TransponderUpdate& u : chosen)
    if (u.kind == UpdateKind::kVanished) doomed.insert(u.transponder);
  std::vector<ChannelNode*> keptChannels;
  for (ChannelNode* c : SelectedChannels(view, EditList::kChannels))
    if (!doomed.contains(c->GetTransponder()->GetTableIndex())) keptChannels.push_back(c);
  std::vector<TransponderNode*> keptTransponders;
  for (TransponderNode* t : SelectedTransponders(view))
    if (!doomed.contains(t->GetTableIndex())) keptTransponders.push_back(t);

  TransponderUpdateResult result = ApplyTransponderUpdates(view.Database(), chosen);
  // Every list drops its rows of removed records before anything is selected.
  view.Refill(EditList::kFavorites);
  view.Refill(EditList::kTransponders);
  view.Refill(EditList::kChannels);
  SelectChannelsOrFirst(view, keptChannels);
  SelectTranspondersOrFirst(view, keptTransponders);
  view.Redraw(EditList::kSatellites);
  view.RefreshCounts();
  view.UpdateButtons();
  view.ShowStatus(UpdatedStatusText(result));
  if (result.Changed()) view.MarkModified();
  return result;
}

}  // namespace vq
