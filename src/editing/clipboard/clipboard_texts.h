#pragma once
/// @file
/// Status texts and questions of copy, paste and apply, exactly as shown.

#include "common/text_translation.h"

namespace vq::texts {

inline constexpr const char* kConfirmationTitle = VQ_TRANSLATE_NOOP("CoreText", "Confirmation");
inline constexpr const char* kPastingChannels =
    VQ_TRANSLATE_NOOP("CoreText", "Pasting channels. Please wait ...");
inline constexpr const char* kPastingTransponders =
    VQ_TRANSLATE_NOOP("CoreText", "Pasting transponders. Please wait ...");
inline constexpr const char* kPastingToSatellite = VQ_TRANSLATE_NOOP(
    "CoreText", "Pasting transponders and channels to satellite. Please wait ...");
inline constexpr const char* kChannelSatelliteMissing = VQ_TRANSLATE_NOOP(
    "CoreText", "There is no satellite with name %s!\n\nWhat would you like to do?");
inline constexpr const char* kChannelTransponderMissing = VQ_TRANSLATE_NOOP(
    "CoreText", "There is no destination transponder!\n\nWhat would you like to do?");
inline constexpr const char* kTransponderSatelliteMissing = VQ_TRANSLATE_NOOP(
    "CoreText", "There is no satellite with name %s!\n\nWould you like to select from the list?");
inline constexpr const char* kSkip = VQ_TRANSLATE_NOOP("CoreText", "Skip");
inline constexpr const char* kSelectSatellite = VQ_TRANSLATE_NOOP("CoreText", "Select satellite");
inline constexpr const char* kSelectTransponder =
    VQ_TRANSLATE_NOOP("CoreText", "Select transponder");
inline constexpr const char* kCreateTransponder =
    VQ_TRANSLATE_NOOP("CoreText", "Create transponder");

inline constexpr const char* kApplyingChannels =
    VQ_TRANSLATE_NOOP("CoreText", "Applying attributes to selected channels. Please wait...");
inline constexpr const char* kApplyingTransponders =
    VQ_TRANSLATE_NOOP("CoreText", "Applying attributes to selected transponders. Please wait ...");
inline constexpr const char* kApplyingSatellites =
    VQ_TRANSLATE_NOOP("CoreText", "Applying attributes to selected satellites. Please wait ...");
inline constexpr const char* kApplyingAndPasting = VQ_TRANSLATE_NOOP(
    "CoreText",
    "Applying satellite attributes and pasting transponders and channels. Please wait ...");

}  // namespace vq::texts
