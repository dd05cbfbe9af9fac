#pragma once
/// @file
/// The tidy-ups as commands of the main view. Each commits the pane's
/// pending edit first, applies its plan, refreshes lists, panels and
/// counters, keeps the selection on the same records and says in the status
/// line what it did. The caller records it as one history step; planning
/// (and the review a dialog shows) happens before, on the same database.

#include <vector>

#include "editing/tidy/channel_sort.h"
#include "editing/tidy/dedupe.h"
#include "editing/tidy/rename.h"

namespace vq {

class EditingView;

/// The channels a tidy-up of the channel list works on: the selected rows
/// when `selectionOnly`, else every channel of the list's source and type,
/// in the source's order.
std::vector<ChannelNode*> TidyChannels(EditingView& view, bool selectionOnly);

/// Removes the others of each group (see RemoveDuplicates).
DedupeResult RemoveDuplicateChannels(EditingView& view, const std::vector<DedupeChoice>& choices);

/// Sorts `chosen` within the ordering of the channel list's source and type.
void SortChannels(EditingView& view, const std::vector<ChannelNode*>& chosen,
                  const SortOptions& options);

/// Moves the selected channels as a block, in their order, to start at
/// `number` (from 1, as the list shows it) in the source's ordering.
void MoveSelectionToNumber(EditingView& view, int number);

/// Writes an applicable rename plan.
void RenameChannels(EditingView& view, const RenamePlan& plan);

}  // namespace vq
