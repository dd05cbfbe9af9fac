#pragma once
/// @file
/// Finding in the main view's lists, in the order the rows are shown.

#include <vector>

#include "editing/commands/editing_view.h"

namespace vq {

class FindQuery;

/// Rows of `list` whose records match, ascending: the list's own source,
/// filter and sort order decide which records are there and where.
std::vector<int> MatchingRows(const EditingView& view, EditList list, const FindQuery& query);

/// The match to go to from `row` (-1: from before the first row): the first
/// match behind it, or before it when `backwards`, wrapping around at the
/// ends; `row` itself only when it is the one match. -1 when nothing matches.
int NextMatch(const std::vector<int>& matches, int row, bool backwards);

}  // namespace vq
