#pragma once
/// @file
/// Adding, removing and clearing channels from the main view.

namespace vq {

class ChannelNode;
class EditingView;
class Prompter;
class TransponderNode;

/// Adds one channel of `type` to `transponder`, or to one the user chooses
/// when it is null; a scrambled channel is filed at the end of the scrambled
/// ordering. Null when the user cancelled or no channel slot is free (the
/// user is told).
ChannelNode* AddChannelToTransponder(EditingView& view, Prompter& prompter, int type,
                                     bool scrambled, TransponderNode* transponder);

/// "Add New" of the channel tab: a channel of the shown type, scrambled when
/// the list shows the scrambled channels, selected in the list.
void AddNewChannel(EditingView& view, Prompter& prompter);
/// "Add new on same transponder": as Add New on the transponder of the one
/// selected channel, without a dialog.
void AddNewChannelOnSameTransponder(EditingView& view, Prompter& prompter);

/// "Remove Selected" / "Remove All" of the channel tab. While the list shows
/// a favourite group the channels stay in the database and only leave every
/// group.
void RemoveSelectedChannels(EditingView& view);
void RemoveAllChannels(EditingView& view);

/// "Clear All Channels": deletes every channel of the selected transponders
/// (transponder tab) or satellites (satellite tab).
void ClearAllChannels(EditingView& view);

}  // namespace vq
