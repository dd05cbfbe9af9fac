#pragma once
/// @file
/// Status texts and messages of the transponder and satellite panes.

namespace vq::texts {

inline constexpr const char* kSavingTransponders = "Saving transponder changes ...";
inline constexpr const char* kSavedTransponders = "Saved transponder changes!";
inline constexpr const char* kSavingSatellites = "Saving satellite changes ...";
inline constexpr const char* kSavedSatellites = "Saved satellite changes!";

inline constexpr const char* kEmptySatelliteName = "Satellite could not be empty!";
inline constexpr const char* kInvalidLongitude = "Invalid Longitude Value!";
inline constexpr const char* kInvalidFrequency = "Invalid Frequency Value!";
inline constexpr const char* kHighNotAboveLow =
    "LNB High Frequency must be more than LNB Low Frequency!";
inline constexpr const char* kLowNotBelowHigh =
    "LNB Low Frequency must be less than LNB High Frequency!";
inline constexpr const char* kMotorIndexUsed = "Selected motor index is already used by %s!";
inline constexpr const char* kFrequencyOutsideLnb =
    "Selected Frequency isn't in a valid range according to LNB frequency value";

}  // namespace vq::texts
