#include "editing/commands/channel_commands.h"

#include <unordered_set>

#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/command_states.h"
#include "editing/commands/command_texts.h"
#include "editing/commands/favorite_commands.h"
#include "editing/commands/prompter.h"

namespace vq {

ChannelNode* AddChannelToTransponder(EditingView& view, Prompter& prompter, int type,
                                     bool scrambled, TransponderNode* transponder) {
  SettingsDatabase& db = view.Database();
  if (!transponder) {
    // Only a satellite source names a satellite; the other sources open the
    // dialog on all satellites.
    const ListState& state = view.State();
    const int filter = state.ShowsSatellite() ? state.channelListSource - kSourceSatellite + 1 : 0;
    const std::optional<int> chosen = prompter.SelectTransponder(filter);
    if (!chosen) return nullptr;
    transponder = db.FindTransponderNode(*chosen);
    if (!transponder) return nullptr;
  }
  ChannelNode* channel = nullptr;
  if (!db.AddChannel(transponder, type, &channel)) {
    prompter.Tell(texts::kNoChannelSpace);
    return nullptr;
  }
  if (scrambled) {
    channel->Record().SetScrambled(true);
    db.LeaveFreeList(channel);
  }
  view.Redraw(EditList::kTransponders);
  view.MarkModified();
  return channel;
}

namespace {

void AddAndSelect(EditingView& view, Prompter& prompter, TransponderNode* transponder) {
  const ListState& state = view.State();
  ChannelNode* channel =
      AddChannelToTransponder(view, prompter, state.shownChannelType,
                              state.channelListSource == kSourceScrambled, transponder);
  if (!channel) return;
  view.Refill(EditList::kChannels);
  // A channel added on a satellite the list does not show has no row.
  const int row = view.RowOfChannel(EditList::kChannels, channel);
  view.SelectRows(EditList::kChannels, row >= 0 ? std::vector<int>{row} : std::vector<int>{});
  view.RefreshCounts();
  view.UpdateButtons();
  view.ShowStatus(texts::kChannelAdded);
}

// Takes the channels out of every favourite group and, unless the list shows
// a favourite group, out of the database; then reselects row `first`.
void RemoveChannels(EditingView& view, const std::vector<ChannelNode*>& channels, int first) {
  RemoveChannelsFromFavorites(view, channels, -1);
  if (!view.State().ShowsFavoriteGroup()) view.Database().DeleteChannels(channels);
  view.Refill(EditList::kFavorites);
  view.Refill(EditList::kChannels);
  SelectClamped(view, EditList::kChannels, first);
  view.Redraw(EditList::kTransponders);
  view.RefreshCounts();
  view.UpdateButtons();
}

}  // namespace

void AddNewChannel(EditingView& view, Prompter& prompter) {
  if (view.State().ShowsFavoriteGroup()) return;
  CommitPendingEdits(view);
  if (view.Database().GetTransponderTotal() == 0) {
    prompter.Tell(texts::kNoTransponders);
    return;
  }
  AddAndSelect(view, prompter, nullptr);
}

void AddNewChannelOnSameTransponder(EditingView& view, Prompter& prompter) {
  if (!EvaluateCommandStates(view).addOnSameTransponder) return;
  CommitPendingEdits(view);
  const std::vector<ChannelNode*> selected = SelectedChannels(view, EditList::kChannels);
  if (selected.size() != 1) return;
  AddAndSelect(view, prompter, selected.front()->GetTransponder());
}

void RemoveSelectedChannels(EditingView& view) {
  CommitPendingEdits(view);
  const std::vector<int> rows = view.SelectedRows(EditList::kChannels);
  if (rows.empty()) return;
  const int k = static_cast<int>(rows.size());
  view.ShowStatus(k == 1 ? texts::kRemovingChannel : texts::kRemovingChannels);
  RemoveChannels(view, ChannelsOfRows(view, EditList::kChannels, rows), rows.front());
  view.ShowStatus(k == 1 ? texts::kRemovedChannel : FormatText(texts::kRemovedChannels, k));
}

void RemoveAllChannels(EditingView& view) {
  CommitPendingEdits(view);
  view.ShowStatus(texts::kRemovingAllChannels);
  const std::vector<int> rows = AllRows(view, EditList::kChannels);
  if (!rows.empty()) RemoveChannels(view, ChannelsOfRows(view, EditList::kChannels, rows), 0);
  view.ShowStatus(FormatText(texts::kRemovedAllChannels, static_cast<int>(rows.size())));
}

void ClearAllChannels(EditingView& view) {
  SettingsDatabase& db = view.Database();
  const int tab = view.State().currentTab;
  if (tab != kTabTransponders && tab != kTabSatellites) return;
  CommitPendingEdits(view);
  std::vector<ChannelNode*> doomed;
  if (tab == kTabTransponders) {
    const std::vector<TransponderNode*> transponders = SelectedTransponders(view);
    if (transponders.empty()) return;
    view.ShowStatus(texts::kClearingChannels);
    for (const TransponderNode* t : transponders)
      for (int c = 0; c < t->GetChannelCount(); ++c) doomed.push_back(t->GetChannel(c));
  } else {
    const std::vector<SatelliteNode*> satellites = SelectedSatellites(view);
    if (satellites.empty()) return;
    view.ShowStatus(texts::kClearingChannels);
    for (const SatelliteNode* s : satellites) {
      std::vector<ChannelNode*> channels;
      db.CollectChannels(channels, kAllTypes, kFilterSatellite, s->GetNumber());
      doomed.insert(doomed.end(), channels.begin(), channels.end());
    }
  }
  const std::unordered_set<const ChannelNode*> gone(doomed.begin(), doomed.end());
  std::vector<ChannelNode*> kept;
  for (ChannelNode* c : SelectedChannels(view, EditList::kChannels))
    if (!gone.contains(c)) kept.push_back(c);
  db.DeleteChannels(doomed);
  view.Refill(EditList::kFavorites);
  view.Refill(EditList::kChannels);
  SelectChannelsOrFirst(view, kept);
  view.Redraw(EditList::kTransponders);
  view.Redraw(EditList::kSatellites);
  view.RefreshCounts();
  view.UpdateButtons();
  if (!doomed.empty()) view.MarkModified();
  view.ShowStatus(texts::kReady);
}

}  // namespace vq
