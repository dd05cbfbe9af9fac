#pragma once
/// @file
/// The names of the shared lookup tables (languages, timer modes, switch
/// types, ...) as the panes show them.

#include <string>
#include <string_view>
#include <vector>

namespace vq {

/// `text` in the user's language when it is one of the lookup tables' names
/// that read differently there; any other text as it stands. The tables
/// themselves stay English: the tool's output and stored files use them.
/// (Option lists are translated as the pane adds them; this is for a name
/// shown as a plain text or inside a summary.)
std::string LookupText(std::string_view text);

/// The names of a lookup table from index `first` up to `count` - 1, as a
/// pane's option list (which the pane translates as it adds it).
std::vector<std::string> LookupOptions(int count, std::string_view (*text)(int), int first = 0);

}  // namespace vq
