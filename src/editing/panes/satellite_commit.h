#pragma once
/// @file
/// Writing the satellite pane's working copy into the database.

namespace vq {

class EditingView;
class Prompter;
class SatelliteDraft;

/// The satellite pane's commit flow (`asking` and `postEditAction` as for
/// CommitFlowGoesOn). One satellite: a typed number moves it
/// (MoveSatellite), the marked fields of the satellite and its LNB record
/// are written, the list is rebuilt with the satellite selected (with
/// `asking`, with the rows the user chose), and a
/// channel or transponder list filtered to a satellite the move renumbered
/// keeps showing that satellite. Several: the marked fields go to each.
/// Fields are written one by one through the records' accessors, so the
/// numbers and link words a move gave stay, and a name reaches the LNB
/// record too. Returns true when the flow wrote and marked the document.
bool CommitSatelliteDraft(EditingView& view, Prompter& prompter, const SatelliteDraft& draft,
                          bool asking, int postEditAction);

}  // namespace vq
