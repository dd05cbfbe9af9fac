#include "editing/tidy/tidy_commands.h"

#include <string>
#include <unordered_set>

#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/command_texts.h"
#include "editing/commands/orderings.h"
#include "editing/tidy/tidy_texts.h"

namespace vq {
namespace {

// The selection of both channel lists, to be found again after a refill.
struct ChannelSelection {
  std::vector<ChannelNode*> channels, favorites;
};

ChannelSelection TakeSelection(const EditingView& view) {
  return {SelectedChannels(view, EditList::kChannels),
          SelectedChannels(view, EditList::kFavorites)};
}

void Drop(std::vector<ChannelNode*>& list, const std::unordered_set<const ChannelNode*>& gone) {
  std::erase_if(list, [&gone](const ChannelNode* c) { return gone.contains(c); });
}

// Refills both channel lists (a reorder keeps the channel list's rows) and
// selects the same records again.
void ShowChannelsAgain(EditingView& view, const ChannelSelection& selection, bool reordered) {
  if (reordered)
    view.Reorder(EditList::kChannels);
  else
    view.Refill(EditList::kChannels);
  view.SelectRows(EditList::kChannels,
                  RowsOfChannels(view, EditList::kChannels, selection.channels));
  view.Refill(EditList::kFavorites);
  view.SelectRows(EditList::kFavorites,
                  RowsOfChannels(view, EditList::kFavorites, selection.favorites));
}

// Puts a new ordering of the channel list's source into the database and
// shows it; true when anything moved.
bool ApplyOrder(EditingView& view, const std::vector<ChannelNode*>& order) {
  const ListState& state = view.State();
  const ChannelSelection selection = TakeSelection(view);
  const bool moved =
      ApplyChannelOrder(view.Database(), state.channelListSource, state.shownChannelType, order);
  ShowChannelsAgain(view, selection, true);
  if (moved) view.MarkModified();
  view.UpdateButtons();
  return moved;
}

std::vector<ChannelNode*> SourceOrder(EditingView& view) {
  const ListState& state = view.State();
  return ChannelOrder(view.Database(), state.channelListSource, state.shownChannelType);
}

}  // namespace

std::vector<ChannelNode*> TidyChannels(EditingView& view, bool selectionOnly) {
  if (!selectionOnly) return SourceOrder(view);
  // The selection in the source's order, whatever way the list is sorted.
  const std::vector<ChannelNode*> selected = SelectedChannels(view, EditList::kChannels);
  const std::unordered_set<const ChannelNode*> wanted(selected.begin(), selected.end());
  std::vector<ChannelNode*> chosen = SourceOrder(view);
  std::erase_if(chosen, [&wanted](const ChannelNode* c) { return !wanted.contains(c); });
  return chosen;
}

DedupeResult RemoveDuplicateChannels(EditingView& view, const std::vector<DedupeChoice>& choices) {
  CommitPendingEdits(view);
  view.ShowStatus(texts::kPleaseWait);
  ChannelSelection selection = TakeSelection(view);
  std::unordered_set<const ChannelNode*> gone;
  for (const DedupeChoice& choice : choices)
    gone.insert(choice.remove.begin(), choice.remove.end());
  Drop(selection.channels, gone);
  Drop(selection.favorites, gone);
  const DedupeResult result = RemoveDuplicates(view.Database(), choices);
  ShowChannelsAgain(view, selection, false);
  if (selection.channels.empty()) SelectClamped(view, EditList::kChannels, 0);
  view.Redraw(EditList::kTransponders);
  view.Redraw(EditList::kSatellites);
  view.RefreshCounts();
  if (result.removed > 0) view.MarkModified();
  view.UpdateButtons();
  view.ShowStatus(FormatText(texts::kRemovedDuplicates, result.removed));
  return result;
}

void SortChannels(EditingView& view, const std::vector<ChannelNode*>& chosen,
                  const SortOptions& options) {
  CommitPendingEdits(view);
  view.ShowStatus(texts::kPleaseWait);
  ApplyOrder(view, SortedOrder(SourceOrder(view), chosen, options));
  view.ShowStatus(FormatText(texts::kSortedChannels, static_cast<int>(chosen.size())));
}

void MoveSelectionToNumber(EditingView& view, int number) {
  CommitPendingEdits(view);
  const std::vector<ChannelNode*> chosen = TidyChannels(view, true);
  if (chosen.empty()) return;
  view.ShowStatus(texts::kPleaseWait);
  ApplyOrder(view, MovedBlockOrder(SourceOrder(view), chosen, number - 1));
  view.ShowStatus(FormatText(texts::kMovedChannels, std::to_string(chosen.size()), number));
}

void RenameChannels(EditingView& view, const RenamePlan& plan) {
  CommitPendingEdits(view);
  const int renamed = ApplyRename(plan);
  if (renamed > 0) {
    view.Redraw(EditList::kChannels);
    view.Redraw(EditList::kFavorites);
    view.MarkModified();
  }
  view.UpdateButtons();
  view.ShowStatus(FormatText(texts::kRenamedChannels, renamed));
}

}  // namespace vq
