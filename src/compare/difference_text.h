#pragma once
/// @file
/// A difference as one line of text, for the command-line tool and logs:
/// `changed: channel TV "ZDF" 19.2E 11953 H sid 28006: video PID 110 -> 111`.

#include <string>
#include <string_view>

#include "compare/database_comparison.h"

namespace vq {

std::string_view DiffSubjectName(DiffSubject subject);  ///< "channel", "transponder", ...
std::string_view DiffKindName(DiffKind kind);           ///< "only in A", "changed", ...
std::string DifferenceLine(const Difference& difference);

}  // namespace vq
