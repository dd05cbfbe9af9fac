#pragma once
/// @file
/// Names of the clipboard formats the editor exchanges records under. With
/// Qt each name is used as the MIME type, so two running editors understand
/// each other's clips.

#include <array>
#include <string_view>

namespace vq {

inline constexpr std::string_view kClipTvChannel = "VQ-TV-Channel";
inline constexpr std::string_view kClipTvChannels = "VQ-TV-Channels";
inline constexpr std::string_view kClipRadioChannel = "VQ-Radio-Channel";
inline constexpr std::string_view kClipRadioChannels = "VQ-Radio-Channels";
inline constexpr std::string_view kClipDataChannel = "VQ-Data-Channel";
inline constexpr std::string_view kClipDataChannels = "VQ-Data-Channels";
inline constexpr std::string_view kClipTransponder = "VQ-Transponder";
inline constexpr std::string_view kClipTransponders = "VQ-Transponders";
inline constexpr std::string_view kClipSatellite = "VQ-Satellite";
inline constexpr std::string_view kClipSettings = "VQ-Settings";

/// Every format, in registration order.
inline constexpr std::array<std::string_view, 10> kClipFormats = {
    kClipTvChannel,   kClipTvChannels,   kClipRadioChannel, kClipRadioChannels,
    kClipDataChannel, kClipDataChannels, kClipTransponder,  kClipTransponders,
    kClipSatellite,   kClipSettings};

}  // namespace vq
