#pragma once
/// @file
/// The commands part of the editing layer: the list commands (add, delete,
/// move, model switch, send-to, favourites), their enabled states and texts,
/// the orderings of the lists, and the two seams to the window, EditingView
/// and Prompter. It builds on the database alone; every other editing part
/// builds on it.
///
/// Steps shared by the editing commands: committing pending pane edits,
/// reading the selection as nodes, and restoring a selection after a refill.

#include <string>
#include <vector>

#include "editing/commands/editing_view.h"

namespace vq {

/// Ends an edit still open in the pane; when the pane then holds edits,
/// clears the flag and runs the pane's commit flow in its asking form;
/// then refreshes the counts.
void CommitPendingEdits(EditingView& view);

/// printf-style formatting of the fixed texts (%d and %s only), the pattern
/// in the user's language.
std::string FormatText(const char* pattern, int value);
std::string FormatText(const char* pattern, const std::string& text, int value);
std::string FormatText(const char* pattern, const std::string& first, const std::string& second);

/// The nodes of the given rows (or of the selection), skipping bad rows.
std::vector<ChannelNode*> ChannelsOfRows(const EditingView& view, EditList list,
                                         const std::vector<int>& rows);
std::vector<ChannelNode*> SelectedChannels(const EditingView& view, EditList list);
std::vector<TransponderNode*> SelectedTransponders(const EditingView& view);
std::vector<SatelliteNode*> SelectedSatellites(const EditingView& view);
/// Every row of a list, in order.
std::vector<int> AllRows(const EditingView& view, EditList list);

/// The rows of a list now showing these channels, ascending; channels not
/// listed are left out.
std::vector<int> RowsOfChannels(const EditingView& view, EditList list,
                                const std::vector<ChannelNode*>& channels);
/// Selects the rows now showing these channels in the channel list; when
/// none of them is listed and rows remain, selects row 0 instead.
void SelectChannelsOrFirst(EditingView& view, const std::vector<ChannelNode*>& channels);
/// The same for the transponder list.
void SelectTranspondersOrFirst(EditingView& view,
                               const std::vector<TransponderNode*>& transponders);
/// Selects row `row` clamped to the list, or nothing when the list is empty.
void SelectClamped(EditingView& view, EditList list, int row);

}  // namespace vq
