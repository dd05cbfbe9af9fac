#pragma once
/// @file
/// Writing the transponder pane's working copy into the database.

namespace vq {

class EditingView;
class Prompter;
class TransponderDraft;

/// The transponder pane's commit flow (`asking` and `postEditAction` as for
/// CommitFlowGoesOn). One transponder: a typed number moves it in the
/// ordering of the list it was built from (all transponders by number, or
/// one satellite's by place), then the marked fields are written and, after
/// a move, the list is rebuilt with the transponder selected (with
/// `asking`, with the rows the user chose). Several: the
/// marked name, polarisation, FEC and FTA only go to each. Fields are
/// written one by one, so the number and place a move gave stay. Returns
/// true when the flow wrote and marked the document.
bool CommitTransponderDraft(EditingView& view, Prompter& prompter, const TransponderDraft& draft,
                            bool asking, int postEditAction);

}  // namespace vq
