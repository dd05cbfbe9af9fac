#pragma once
/// @file
/// Status texts and questions of copy, paste and apply, exactly as shown.

namespace vq::texts {

inline constexpr const char* kConfirmationTitle = "Confirmation";
inline constexpr const char* kPastingChannels = "Pasting channels. Please wait ...";
inline constexpr const char* kPastingTransponders = "Pasting transponders. Please wait ...";
inline constexpr const char* kPastingToSatellite =
    "Pasting transponders and channels to satellite. Please wait ...";
inline constexpr const char* kChannelSatelliteMissing =
    "There is no satellite with name %s!\n\nWhat would you like to do?";
inline constexpr const char* kChannelTransponderMissing =
    "There is no destination transponder!\n\nWhat would you like to do?";
inline constexpr const char* kTransponderSatelliteMissing =
    "There is no satellite with name %s!\n\nWould you like to select from the list?";
inline constexpr const char* kSkip = "Skip";
inline constexpr const char* kSelectSatellite = "Select satellite";
inline constexpr const char* kSelectTransponder = "Select transponder";
inline constexpr const char* kCreateTransponder = "Create transponder";

inline constexpr const char* kApplyingChannels =
    "Applying attributes to selected channels. Please wait...";
inline constexpr const char* kApplyingTransponders =
    "Applying attributes to selected transponders. Please wait ...";
inline constexpr const char* kApplyingSatellites =
    "Applying attributes to selected satellites. Please wait ...";
inline constexpr const char* kApplyingAndPasting =
    "Applying satellite attributes and pasting transponders and channels. Please wait ...";

}  // namespace vq::texts
