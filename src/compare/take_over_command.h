#pragma once
/// @file
/// Taking over chosen differences from another list as one editing command
/// over the main view.

#include <span>
#include <string>

#include "compare/database_comparison.h"

namespace vq {

class EditingView;

/// "Taken over: 3 added, 2 changed, 0 removed, 1 lists reordered."
std::string TakenOverStatusText(const TakeOverResult& result);

/// Applies `chosen` through TakeOverDifferences and brings the view in step:
/// every list is rebuilt, the selection kept where its records stay (else
/// row 0), counts and buttons refreshed, the status says what was done (or
/// why additions stopped), and the document is marked modified when
/// anything changed. Pending pane edits are the caller's to commit before
/// it compares.
TakeOverResult TakeOverIntoView(EditingView& view, const SettingsDatabase& other,
                                const DatabaseComparison& comparison,
                                std::span<const size_t> chosen);

}  // namespace vq
