#pragma once
/// @file
/// Names of the clipboard formats the editor exchanges records under. With
/// Qt each name is used as the MIME type, so two running editors understand
/// each other's clips.

#include <algorithm>
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
    kClipTvChannel,    kClipTvChannels,  kClipRadioChannel, kClipRadioChannels, kClipDataChannel,
    kClipDataChannels, kClipTransponder, kClipTransponders, kClipSatellite,     kClipSettings};

/// The single-channel format of channel type 0 TV, 1 radio, 2 data; empty
/// for any other type.
constexpr std::string_view ChannelClipFormat(int type) {
  return type == 0   ? kClipTvChannel
         : type == 1 ? kClipRadioChannel
         : type == 2 ? kClipDataChannel
                     : std::string_view{};
}

/// The channel-list format of a channel type; empty for any other type.
constexpr std::string_view ChannelListClipFormat(int type) {
  return type == 0   ? kClipTvChannels
         : type == 1 ? kClipRadioChannels
         : type == 2 ? kClipDataChannels
                     : std::string_view{};
}

/// True for one of the ten names above.
constexpr bool IsClipFormat(std::string_view name) {
  return std::ranges::find(kClipFormats, name) != kClipFormats.end();
}

}  // namespace vq
