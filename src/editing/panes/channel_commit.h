#pragma once
/// @file
/// Writing the channel pane's working copy into the database.

namespace vq {

class ChannelDraft;
class EditingView;
class Prompter;

/// The channel pane's commit flow. With `asking` the user is leaving the
/// record and `postEditAction` decides whether to go on (see
/// CommitFlowGoesOn). Writes only the marked fields, to the draft's
/// records that still hold what the draft was built from:
/// - one channel: a typed number moves it in the ordering of the list it was
///   built from (All, Free, Scrambled, a satellite, a favourite group); a
///   changed scrambled bit refiles it in the free and scrambled numbering,
///   and on the Free or Scrambled list its row leaves; the favourite boxes
///   add it to or remove it from their groups (a full group is reported);
/// - several channels: the shared fields go to each, changed scrambled bits
///   are refiled, and marked favourite boxes add or remove them all.
/// Rows follow: moved or leaving rows rebuild the list, keeping the
/// selection on the channels still listed (after the pane's own Save, a row
/// that left hands the selection to the row now at its place); other rows
/// are redrawn; the favourites panel is rebuilt when the members of its
/// group or their order changed. Returns true when the flow wrote and
/// marked the document.
bool CommitChannelDraft(EditingView& view, Prompter& prompter, const ChannelDraft& draft,
                        bool asking, int postEditAction);

}  // namespace vq
