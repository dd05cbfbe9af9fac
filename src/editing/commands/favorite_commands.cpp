#include "editing/commands/favorite_commands.h"

#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/command_states.h"
#include "editing/commands/command_texts.h"
#include "editing/commands/prompter.h"

namespace vq {
namespace {

bool ValidGroup(int g) { return g >= 0 && g < kFavoriteGroupCount; }

void RemoveRowsFromGroup(EditingView& view, const std::vector<int>& rows) {
  const int g = view.SelectedFavoriteGroup();
  if (!ValidGroup(g)) return;
  RemoveChannelsFromFavorites(view, ChannelsOfRows(view, EditList::kFavorites, rows), g);
  ShowGroupChange(view, g);
  view.Redraw(EditList::kChannels);
}

}  // namespace

void AddSelectionToFavorites(EditingView& view, Prompter& prompter) {
  if (!EvaluateCommandStates(view).addToFavorites) return;
  CommitPendingEdits(view);
  view.ShowStatus(texts::kAddingFavorites);
  const int g = view.SelectedFavoriteGroup();
  std::vector<ChannelNode*> list;
  for (ChannelNode* c : SelectedChannels(view, EditList::kChannels)) {
    const ChannelRecord record = c->Record();
    if (record.GetType() != kData && record.GetFavoritePlace(g) == 0) list.push_back(c);
  }
  AddListToGroup(view, prompter, list, g, true);
  ShowGroupChange(view, g);
  view.ShowRow(EditList::kFavorites, view.RowCount(EditList::kFavorites) - 1);
  view.Redraw(EditList::kChannels);
  view.RefreshCounts();
  view.UpdateButtons();
  view.ShowStatus(texts::kReady);
}

void RemoveSelectedFavorites(EditingView& view) {
  // The pane's edit may concern these channels: it is settled against the
  // places the removal is about to shift.
  CommitPendingEdits(view);
  view.ShowStatus(texts::kRemovingFavorites);
  const std::vector<int> rows = view.SelectedRows(EditList::kFavorites);
  if (!rows.empty()) {
    RemoveRowsFromGroup(view, rows);
    if (view.RowCount(EditList::kFavorites) > 0) {
      view.SelectRows(EditList::kFavorites, {0});
      FollowFavoriteRow(view);
    }
  }
  view.UpdateButtons();
  view.RefreshCounts();
  view.ShowStatus(texts::kReady);
}

void RemoveAllFavorites(EditingView& view) {
  CommitPendingEdits(view);
  view.ShowStatus(texts::kRemovingAllFavorites);
  RemoveRowsFromGroup(view, AllRows(view, EditList::kFavorites));
  view.UpdateButtons();
  view.RefreshCounts();
  view.ShowStatus(texts::kReady);
}

bool AddListToGroup(EditingView& view, Prompter& prompter, const std::vector<ChannelNode*>& list,
                    int g, bool tell) {
  SettingsDatabase& db = view.Database();
  if (!ValidGroup(g)) return true;
  const int walked = db.AddListToFavoriteGroup(list, g);
  const int left = static_cast<int>(list.size()) - walked;
  if (left > 0 && tell)
    prompter.Tell(FormatText(texts::kGroupFullList, db.GetFavoriteGroupName(g), left));
  view.MarkModified();
  return true;
}

bool AddChannelToGroup(EditingView& view, Prompter& prompter, ChannelNode* channel, int g,
                       bool tell) {
  SettingsDatabase& db = view.Database();
  if (!channel || !ValidGroup(g) || channel->Record().GetFavoritePlace(g) != 0) return false;
  if (!db.AddToFavoriteGroup(channel, g)) {
    if (tell)
      prompter.Tell(FormatText(texts::kGroupFullChannel, db.GetFavoriteGroupName(g),
                               channel->Record().GetName()));
    return false;
  }
  view.MarkModified();
  return true;
}

bool RemoveChannelFromGroup(EditingView& view, ChannelNode* channel, int g) {
  if (!channel || !ValidGroup(g) || channel->Record().GetFavoritePlace(g) == 0) {
    view.RefreshCounts();
    return false;
  }
  view.Database().RemoveFromFavoriteGroup(channel, g);
  view.MarkModified();
  return true;
}

bool RemoveChannelsFromFavorites(EditingView& view, const std::vector<ChannelNode*>& list, int g) {
  if (g != -1 && !ValidGroup(g)) return true;
  view.Database().RemoveListFromFavorites(list, g);
  view.MarkModified();
  return true;
}

void ShowGroupChange(EditingView& view, int g) {
  if (g == -1 || g == view.SelectedFavoriteGroup()) view.Refill(EditList::kFavorites);
  const ListState& state = view.State();
  if (state.ShowsFavoriteGroup() && (g == -1 || state.channelListSource == kSourceFavorites + g)) {
    const std::vector<ChannelNode*> selected = SelectedChannels(view, EditList::kChannels);
    view.Refill(EditList::kChannels);
    SelectChannelsOrFirst(view, selected);
  }
  view.RefreshCounts();
}

void FollowFavoriteRow(EditingView& view) {
  const std::vector<int> rows = view.SelectedRows(EditList::kFavorites);
  if (rows.size() != 1) return;
  const int row =
      view.RowOfChannel(EditList::kChannels, view.ChannelAt(EditList::kFavorites, rows[0]));
  if (row >= 0) view.SelectRows(EditList::kChannels, {row});
}

}  // namespace vq
