#pragma once
/// @file
/// Status texts of the tidy-up commands, exactly as shown.

#include "common/text_translation.h"

namespace vq::texts {

inline constexpr const char* kRemovedDuplicates =
    VQ_TRANSLATE_NOOP("CoreText", "Removed %d duplicate channels");
inline constexpr const char* kNoDuplicates =
    VQ_TRANSLATE_NOOP("CoreText", "No duplicate channels found");
inline constexpr const char* kSortedChannels = VQ_TRANSLATE_NOOP("CoreText", "Sorted %d channels");
inline constexpr const char* kMovedChannels =
    VQ_TRANSLATE_NOOP("CoreText", "Moved %s channels to number %d");
inline constexpr const char* kRenamedChannels =
    VQ_TRANSLATE_NOOP("CoreText", "Renamed %d channels");

}  // namespace vq::texts
