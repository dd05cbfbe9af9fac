#pragma once
/// @file
/// Status texts and messages of the transponder and satellite panes.

#include "common/text_translation.h"

namespace vq::texts {

inline constexpr const char* kSavingTransponders =
    VQ_TRANSLATE_NOOP("CoreText", "Saving transponder changes ...");
inline constexpr const char* kSavedTransponders =
    VQ_TRANSLATE_NOOP("CoreText", "Saved transponder changes!");
inline constexpr const char* kSavingSatellites =
    VQ_TRANSLATE_NOOP("CoreText", "Saving satellite changes ...");
inline constexpr const char* kSavedSatellites =
    VQ_TRANSLATE_NOOP("CoreText", "Saved satellite changes!");

inline constexpr const char* kEmptySatelliteName =
    VQ_TRANSLATE_NOOP("CoreText", "Satellite could not be empty!");
inline constexpr const char* kInvalidLongitude =
    VQ_TRANSLATE_NOOP("CoreText", "Invalid Longitude Value!");
inline constexpr const char* kInvalidFrequency =
    VQ_TRANSLATE_NOOP("CoreText", "Invalid Frequency Value!");
inline constexpr const char* kHighNotAboveLow =
    VQ_TRANSLATE_NOOP("CoreText", "LNB High Frequency must be more than LNB Low Frequency!");
inline constexpr const char* kLowNotBelowHigh =
    VQ_TRANSLATE_NOOP("CoreText", "LNB Low Frequency must be less than LNB High Frequency!");
inline constexpr const char* kMotorIndexUsed =
    VQ_TRANSLATE_NOOP("CoreText", "Selected motor index is already used by %s!");
inline constexpr const char* kFrequencyOutsideLnb = VQ_TRANSLATE_NOOP(
    "CoreText", "Selected Frequency isn't in a valid range according to LNB frequency value");

}  // namespace vq::texts
