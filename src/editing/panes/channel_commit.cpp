#include "editing/panes/channel_commit.h"

#include <algorithm>

#include "database/settings_database.h"
#include "editing/panes/channel_draft.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/command_texts.h"
#include "editing/commands/favorite_commands.h"
#include "editing/commands/orderings.h"
#include "editing/panes/pane_commit.h"
#include "editing/commands/scrambled_refile.h"

namespace vq {
namespace {

// Moves the channel to place `target` (from 0) of the ordering the list of
// `source` shows for its type. The database's moves take the place within
// the channel's type, without the type's number offset; a favourite group
// mixes types, so there the target is the group place of the member of
// this type now at that place of the list. Returns whether it moved.
bool MoveToListPlace(SettingsDatabase& db, ChannelNode* channel, int source, int target) {
  const std::vector<ChannelNode*> order = ChannelOrder(db, source, channel->Record().GetType());
  const auto it = std::find(order.begin(), order.end(), channel);
  if (it == order.end()) return false;
  const int from = static_cast<int>(it - order.begin());
  const int to = std::clamp(target, 0, static_cast<int>(order.size()) - 1);
  if (from == to) return false;
  if (source == kSourceAll) return db.MoveChannelNumber(channel, to);
  if (source == kSourceFree) return db.MoveChannelFreeNumber(channel, to);
  if (source == kSourceScrambled) return db.MoveChannelScrambledNumber(channel, to);
  if (source < kSourceFavorites) return db.MoveChannelInSatellite(channel, to);
  const int g = source - kSourceFavorites;
  const int index = order[static_cast<size_t>(to)]->Record().GetFavoritePlace(g) -
                    ChannelRecord::kFavoritePlaceBase;
  return db.MoveInFavoriteGroup(channel, g, index);
}

// The marked values, favourites excepted, written through the record's
// accessors so bits the pane does not show keep what they hold.
void WriteMarkedFields(ChannelRecord record, const ChannelDraft& draft) {
  if (draft.NameMarked()) record.SetName(draft.Name());
  for (int f = 0; f < kChannelFieldCount; ++f) {
    const auto field = static_cast<ChannelField>(f);
    if (draft.Marked(field) && FavoriteGroupOf(field) < 0)
      WriteChannelField(record, field, draft.Value(field));
  }
}

bool ScrambledFlips(const ChannelRecord& record, const ChannelDraft& draft) {
  return record.GetType() != kData && draft.Marked(ChannelField::kScrambled) &&
         (draft.Value(ChannelField::kScrambled) != 0) != record.IsScrambled();
}

bool LeavesFavoriteList(const ChannelDraft& draft, int source) {
  const int g = source - kSourceFavorites;
  return g >= 0 && g < kFavoriteGroupCount && draft.Marked(Favorite(g)) &&
         draft.Value(Favorite(g)) == 0;
}

// Whether the commit changes the members or their order in group `g`: a
// favourite box of g, or a place typed while the list showed g.
bool ChangesGroup(const ChannelDraft& draft, int g) {
  if (g < 0 || g >= kFavoriteGroupCount) return false;
  return draft.Marked(Favorite(g)) ||
         (draft.NumberMarked() && draft.Source() == kSourceFavorites + g);
}

bool ShowsFreeOrScrambled(int source) {
  return source == kSourceFree || source == kSourceScrambled;
}

// One channel; returns whether its row moved or left the list.
bool CommitOne(EditingView& view, Prompter& prompter, const ChannelDraft& draft,
               ChannelNode* channel) {
  SettingsDatabase& db = view.Database();
  const int source = view.State().channelListSource;
  const bool wasScrambled = channel->Record().IsScrambled();
  const bool refile = ScrambledFlips(channel->Record(), draft);
  const bool leaves = (ShowsFreeOrScrambled(source) && refile) || LeavesFavoriteList(draft, source);
  // The free or scrambled place is taken before the bit changes sides.
  const bool moved = !leaves && draft.NumberMarked() && draft.Source() == source &&
                     MoveToListPlace(db, channel, source, draft.Number() - 1);
  WriteMarkedFields(channel->Record(), draft);
  if (refile) {
    if (wasScrambled)
      db.LeaveScrambledList(channel);
    else
      db.LeaveFreeList(channel);
  }
  for (int g = 0; g < kFavoriteGroupCount; ++g) {
    if (!draft.Marked(Favorite(g))) continue;
    if (draft.Value(Favorite(g)) == 0)
      RemoveChannelFromGroup(view, channel, g);
    else
      AddChannelToGroup(view, prompter, channel, g, true);
  }
  return leaves || moved;
}

// Several channels; returns whether rows left the list.
bool CommitMany(EditingView& view, Prompter& prompter, const ChannelDraft& draft,
                const std::vector<ChannelNode*>& channels) {
  SettingsDatabase& db = view.Database();
  const int source = view.State().channelListSource;
  std::vector<ChannelNode*> flipped;
  for (ChannelNode* c : channels) {
    const bool refile = ScrambledFlips(c->Record(), draft);
    WriteMarkedFields(c->Record(), draft);
    if (refile) flipped.push_back(c);
  }
  RefileChangedChannels(db, flipped);
  for (int g = 0; g < kFavoriteGroupCount; ++g) {
    if (!draft.Marked(Favorite(g))) continue;
    if (draft.Value(Favorite(g)) == 0) {
      RemoveChannelsFromFavorites(view, channels, g);
      continue;
    }
    std::vector<ChannelNode*> joining;
    for (ChannelNode* c : channels)
      if (c->Record().GetType() != kData && c->Record().GetFavoritePlace(g) == 0)
        joining.push_back(c);
    if (!joining.empty()) AddListToGroup(view, prompter, joining, g, true);
  }
  return (ShowsFreeOrScrambled(source) && !flipped.empty()) || LeavesFavoriteList(draft, source);
}

}  // namespace

bool CommitChannelDraft(EditingView& view, Prompter& prompter, const ChannelDraft& draft,
                        bool asking, int postEditAction) {
  if (draft.Empty() || !draft.IsModified()) return false;
  if (!CommitFlowGoesOn(prompter, asking, postEditAction)) return false;
  const std::vector<ChannelNode*> channels = draft.Resolve(view.Database());
  if (channels.empty()) return false;
  view.ShowStatus(texts::kSavingChannels);

  const std::vector<int> selectedRows = view.SelectedRows(EditList::kChannels);
  const std::vector<ChannelNode*> selected =
      ChannelsOfRows(view, EditList::kChannels, selectedRows);
  const bool rebuild = draft.IsSingle() ? CommitOne(view, prompter, draft, channels.front())
                                        : CommitMany(view, prompter, draft, channels);
  if (rebuild) {
    view.Refill(EditList::kChannels);
    const std::vector<int> rows = RowsOfChannels(view, EditList::kChannels, selected);
    // The pane's own Save hands the selection of a row that left to the row
    // now at its place; when the user is leaving the record, the selection
    // stays on what is still listed, so a command that follows never acts
    // on a channel the user did not choose.
    if (rows.empty() && !asking && !selectedRows.empty())
      SelectClamped(view, EditList::kChannels, selectedRows.front());
    else
      view.SelectRows(EditList::kChannels, rows);
  } else {
    view.Redraw(EditList::kChannels);
  }
  // The favourites panel lists the chosen group's members in place order.
  if (ChangesGroup(draft, view.SelectedFavoriteGroup()))
    view.Refill(EditList::kFavorites);
  else
    view.Redraw(EditList::kFavorites);
  view.RefreshCounts();
  view.MarkModified();
  view.ShowStatus(texts::kSavedChannels);
  return true;
}

}  // namespace vq
