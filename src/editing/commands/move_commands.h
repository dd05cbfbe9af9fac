#pragma once
/// @file
/// Move Up, Move Down and the drop of channel rows onto the channel list.

namespace vq {

class EditingView;

/// Moves the selected rows of the current tab's list (channels,
/// transponders or satellites) one row up or down in the list's ordering; a
/// selected block touching the end it moves towards stays. The moved
/// records stay selected.
void MoveSelection(EditingView& view, bool up);

/// Moves the selected channel rows, as one block in their list order, before
/// row `targetRow` of the channel list; the row count means after the last.
void DropChannels(EditingView& view, int targetRow);

}  // namespace vq
