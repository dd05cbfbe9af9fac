#pragma once
/// @file
/// The panes part of the editing layer: the working copies (drafts) behind
/// the satellite, transponder and channel panes, their commits into the
/// database and the satellite checks. It builds on the commands part.
///
/// The start every pane's commit flow shares: whether to write at all.

namespace vq {

class Prompter;

/// `PostEditAction` of the editor configuration.
enum PostEditActionValue : int {
  kPostEditAsk = 0,     ///< "Ask every time"
  kPostEditSave = 1,    ///< "Save automatically"
  kPostEditManual = 2,  ///< "Save manually only"
};

/// Whether a commit flow goes on. With `asking` (the user is leaving the
/// record), PostEditAction decides: 0 asks "Save changes?" and No drops the
/// edits, 1 goes on, 2 drops them; a value outside 0..2 counts as 0. The
/// pane's own Save (asking clear) always goes on.
bool CommitFlowGoesOn(Prompter& prompter, bool asking, int postEditAction);

}  // namespace vq
