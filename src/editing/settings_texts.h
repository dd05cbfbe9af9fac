#pragma once
/// @file
/// Status texts and messages of the receiver settings pane, exactly as shown.

namespace vq::texts {

inline constexpr const char* kSavingSettings = "Saving settings changes ...";
inline constexpr const char* kSavedSettings = "Saved settings changes!";
inline constexpr const char* kInvalidAddress = "Invalid IP address!";
inline constexpr const char* kInvalidLocation = "Invalid Longitude Value!";
inline constexpr const char* kInvalidLockCode = "The password must have four digits!";
inline constexpr const char* kTimerNoChannel = "Not Defined";

}  // namespace vq::texts
