#pragma once
/// @file
/// "Update channels from internet" once the user has chosen which
/// differences to apply: one editing command over the main view.

#include <span>

#include "interchange/transponder_update.h"

namespace vq {

class EditingView;

/// The status text after an update: "Transponders updated: 2 added, 1 changed, 0 removed!"
std::string UpdatedStatusText(const TransponderUpdateResult& result);

/// Applies `chosen` through ApplyTransponderUpdates and brings the view in
/// step: every list is rebuilt, the selection kept where its records stay
/// (else row 0), counts and buttons refreshed, the status text says what was
/// done, and the document is marked modified when anything changed. Pending
/// pane edits are the caller's to commit before it compares.
TransponderUpdateResult UpdateTransponders(EditingView& view,
                                           std::span<const TransponderUpdate> chosen);

}  // namespace vq
