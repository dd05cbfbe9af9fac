#pragma once
/// @file
/// Reasons and messages shared by the imports.

namespace vq::import_texts {

inline constexpr const char* kNoModel =
    "The database holds no receiver model: open or create a settings file first.";
inline constexpr const char* kNotReached = "not imported: the import stopped at a full table";
inline constexpr const char* kTransponderThere =
    "already there (same polarisation, frequency within 2 MHz)";
inline constexpr const char* kChannelThere = "already there (same transponder and service)";
inline constexpr const char* kNoSatelliteSlot =
    "no satellite at its orbital position and no free satellite slot";
inline constexpr const char* kNothingMatched =
    "No channel matched the reference; nothing was changed.";
inline constexpr const char* kBadReference = "refers to no entry of the list";

}  // namespace vq::import_texts
