#pragma once
/// @file
/// Reasons and messages shared by the imports, marked for translation.

#include "common/text_translation.h"

namespace vq::import_texts {

inline constexpr const char* kNoModel = VQ_TRANSLATE_NOOP(
    "CoreText", "The database holds no receiver model: open or create a settings file first.");
inline constexpr const char* kNotReached =
    VQ_TRANSLATE_NOOP("CoreText", "not imported: the import stopped at a full table");
inline constexpr const char* kTransponderThere =
    VQ_TRANSLATE_NOOP("CoreText", "already there (same polarisation, frequency within 2 MHz)");
inline constexpr const char* kChannelThere =
    VQ_TRANSLATE_NOOP("CoreText", "already there (same transponder and service)");
inline constexpr const char* kNoSatelliteSlot = VQ_TRANSLATE_NOOP(
    "CoreText", "no satellite at its orbital position and no free satellite slot");
inline constexpr const char* kNothingMatched =
    VQ_TRANSLATE_NOOP("CoreText", "No channel matched the reference; nothing was changed.");
inline constexpr const char* kNoMemory =
    VQ_TRANSLATE_NOOP("CoreText", "The file could not be read: there is not enough memory for it.");
inline constexpr const char* kBadReference =
    VQ_TRANSLATE_NOOP("CoreText", "refers to no entry of the list");

}  // namespace vq::import_texts
