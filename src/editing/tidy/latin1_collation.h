#pragma once
/// @file
/// Ordering stored names (Latin-1) the way a reader expects: letters with
/// accents sort beside their plain letter ("Ärzte" next to "Arte"), case
/// and accents only break ties.

#include <string>
#include <string_view>

namespace vq {

/// A byte string whose plain byte order is the order below: sorting many
/// names computes each key once.
std::string Latin1SortKey(std::string_view text);

/// Negative, zero or positive as `a` sorts before, with or after `b`.
/// Compares the base letters first ("ß" counts as "ss", "Æ" as "ae"),
/// then accents (a plain letter first), then case (capital first), then
/// the bytes, so only equal texts compare equal.
int CompareLatin1Names(std::string_view a, std::string_view b);

}  // namespace vq
