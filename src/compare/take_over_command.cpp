#include "compare/take_over_command.h"

#include <set>

#include "common/text_translation.h"
#include "common/translated_format.h"
#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/command_texts.h"
#include "editing/commands/editing_view.h"

namespace vq {

std::string TakenOverStatusText(const TakeOverResult& r) {
  return TranslatedFormat(
      VQ_TRANSLATE_NOOP("CoreText",
                        "Taken over: %d added, %d changed, %d removed, %d lists reordered."),
      r.added, r.changed, r.removed, r.reordered);
}

TakeOverResult TakeOverIntoView(EditingView& view, const SettingsDatabase& other,
                                const DatabaseComparison& comparison,
                                std::span<const size_t> chosen) {
  view.ShowStatus(texts::kPleaseWait);
  // Records about to be removed leave the selection before their nodes go.
  std::set<int> doomedChannels;
  std::set<int> doomedTransponders;
  for (const size_t i : chosen) {
    if (i >= comparison.differences.size()) continue;
    const Difference& d = comparison.differences[i];
    if (d.kind != DiffKind::kOnlyInA) continue;
    if (d.subject == DiffSubject::kChannel) doomedChannels.insert(d.a);
    if (d.subject == DiffSubject::kTransponder) doomedTransponders.insert(d.a);
  }
  const auto doomed = [&](const ChannelNode* c) {
    return doomedChannels.contains(c->GetTableIndex()) ||
           doomedTransponders.contains(c->GetTransponder()->GetTableIndex());
  };
  std::vector<ChannelNode*> keptChannels;
  for (ChannelNode* c : SelectedChannels(view, EditList::kChannels))
    if (!doomed(c)) keptChannels.push_back(c);
  std::vector<TransponderNode*> keptTransponders;
  for (TransponderNode* t : SelectedTransponders(view))
    if (!doomedTransponders.contains(t->GetTableIndex())) keptTransponders.push_back(t);

  TakeOverResult result = TakeOverDifferences(view.Database(), other, comparison, chosen);
  view.Refill(EditList::kFavorites);
  view.Refill(EditList::kTransponders);
  view.Refill(EditList::kChannels);
  SelectChannelsOrFirst(view, keptChannels);
  SelectTranspondersOrFirst(view, keptTransponders);
  view.Redraw(EditList::kSatellites);
  view.RefreshCounts();
  view.UpdateButtons();
  view.ShowStatus(result.message.empty() ? TakenOverStatusText(result)
                                         : TranslatedText(result.message.c_str()));
  if (result.Changed()) view.MarkModified();
  return result;
}

}  // namespace vq
