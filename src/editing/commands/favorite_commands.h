#pragma once
/// @file
/// Favourite group memberships: the favourites panel's commands and the
/// single-channel and list steps the channel pane and removals share.

#include <vector>

namespace vq {

class ChannelNode;
class EditingView;
class Prompter;

/// "Add To Favorites": the selected channels of the channel list that are
/// not yet members (data channels excepted) join the chosen group until it
/// is full.
void AddSelectionToFavorites(EditingView& view, Prompter& prompter);
/// "Remove" / "Remove All" under the favourites list.
void RemoveSelectedFavorites(EditingView& view);
void RemoveAllFavorites(EditingView& view);

/// The membership steps below change the database (and mark the document
/// modified) only; the command that runs them shows the change with
/// ShowGroupChange.
///
/// Adds `list` to group `g` in order until the group holds 128 channels;
/// with `tell` the user hears how many were left out. Always true.
bool AddListToGroup(EditingView& view, Prompter& prompter, const std::vector<ChannelNode*>& list,
                    int g, bool tell);
/// Adds one channel; false (and, with `tell`, a message when the group is
/// full) when it was not added.
bool AddChannelToGroup(EditingView& view, Prompter& prompter, ChannelNode* channel, int g,
                       bool tell);
/// Removes one channel from group `g`; false when it was not a member.
bool RemoveChannelFromGroup(EditingView& view, ChannelNode* channel, int g);
/// Takes the channels out of group `g`, or out of all eight with -1.
bool RemoveChannelsFromFavorites(EditingView& view, const std::vector<ChannelNode*>& list, int g);

/// The lists that show group `g` (-1: any group) follow a membership
/// change: the favourites list when it shows the group, and the channel
/// list when its source is the group, keeping the channels still listed
/// selected. Then the counts are refreshed.
void ShowGroupChange(EditingView& view, int g);

/// With exactly one favourites row selected, selects that channel alone in
/// the channel list when it is listed there.
void FollowFavoriteRow(EditingView& view);

}  // namespace vq
