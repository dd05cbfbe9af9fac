#pragma once
/// @file
/// How a comparison names the records it reports: short, stable texts that
/// tell a record apart from its neighbours.

#include <cstddef>
#include <cstdint>
#include <string>

namespace vq {

class ChannelNode;
class ChannelRecord;
class SatelliteNode;
class TransponderNode;

/// `satellite 3 "Astra 19.2E"` (numbered from 1, as listed).
std::string SatelliteText(const SatelliteNode& satellite);
/// `favourite group 2 "Sports"`.
std::string GroupText(int group, const std::string& name);
/// `19.2E 11953 H`: orbital position, frequency, polarisation.
std::string TransponderText(const TransponderNode& transponder);
/// `TV "ZDF" 19.2E 11953 H sid 28006`.
std::string ChannelText(const ChannelNode& channel);
/// The channel's number as the list shows it (from 1 within its type).
std::string ShownNumber(const ChannelRecord& record);
/// The favourite groups it belongs to, `1 3`, or `none`.
std::string FavoriteGroupsText(const ChannelRecord& record);
/// Its place in group g as the list shows it (from 1).
std::string FavoritePlaceText(const ChannelRecord& record, int group);

/// Bytes [first, last) in hexadecimal, `0A FF 12`.
std::string HexBytes(const uint8_t* bytes, size_t first, size_t last);

}  // namespace vq
