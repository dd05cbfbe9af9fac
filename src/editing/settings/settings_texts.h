#pragma once
/// @file
/// Status texts and messages of the receiver settings pane, exactly as shown.

#include "common/text_translation.h"

namespace vq::texts {

inline constexpr const char* kSavingSettings =
    VQ_TRANSLATE_NOOP("CoreText", "Saving settings changes ...");
inline constexpr const char* kSavedSettings =
    VQ_TRANSLATE_NOOP("CoreText", "Saved settings changes!");
inline constexpr const char* kInvalidAddress = VQ_TRANSLATE_NOOP("CoreText", "Invalid IP address!");
inline constexpr const char* kInvalidLocation =
    VQ_TRANSLATE_NOOP("CoreText", "Invalid Longitude Value!");
inline constexpr const char* kInvalidLockCode =
    VQ_TRANSLATE_NOOP("CoreText", "The password must have four digits!");
inline constexpr const char* kTimerNoChannel = VQ_TRANSLATE_NOOP("CoreText", "Not Defined");

}  // namespace vq::texts
