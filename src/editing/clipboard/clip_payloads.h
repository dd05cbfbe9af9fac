#pragma once
/// @file
/// The byte payloads of the clipboard formats: built from database records
/// and read back with every length and count checked against the bytes
/// present.
///
/// All integers are 32-bit unsigned little-endian; records travel byte for
/// byte in their stored layouts. A satellite name is at most 14 characters
/// followed by one 0 byte.
///   ChannelClip          name, TransponderRecord, ChannelRecord
///   ChannelListClip      count N, N x (length, ChannelClip)
///   TransponderClip      name, TransponderRecord, count M, M x ChannelRecord
///   TransponderListClip  count N, N x (length, TransponderClip)
///   SatelliteClip        name, SatelliteRecord, LNB record, count T,
///                        T x (TransponderRecord, count M, M x ChannelRecord)
///   SettingsClip         the 772-byte configuration record

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "editing/commands/transponder_choice.h"
#include "image/image_layout.h"

namespace vq {

class ChannelNode;
class SatelliteNode;
class SettingsDatabase;
class TransponderNode;

using StoredChannel = std::array<uint8_t, kChannelRecordSize>;
using StoredTransponder = std::array<uint8_t, kTransponderRecordSize>;
using StoredSatellite = std::array<uint8_t, kSatelliteRecordSize>;
using StoredLnb = std::array<uint8_t, kLnbRecordSize>;
using SettingsClip = std::array<uint8_t, kConfigRecordSize>;

/// Byte 72 of a stored channel record: its type.
inline constexpr size_t kChannelTypeOffset = 72;

struct ChannelClip {
  std::string satelliteName;
  StoredTransponder transponder{};
  StoredChannel channel{};

  uint8_t Type() const { return channel[kChannelTypeOffset]; }
};

/// A transponder with the channels that travel with it.
struct TransponderBlock {
  StoredTransponder transponder{};
  std::vector<StoredChannel> channels;
};

struct TransponderClip {
  std::string satelliteName;
  TransponderBlock block;
};

struct SatelliteClip {
  std::string name;
  StoredSatellite satellite{};
  StoredLnb lnb{};
  std::vector<TransponderBlock> transponders;
};

// ---- From the database ----
ChannelClip CaptureChannel(const ChannelNode& channel);
TransponderClip CaptureTransponder(const TransponderChoice& choice);
SatelliteClip CaptureSatellite(const SatelliteNode& satellite,
                               const std::vector<TransponderChoice>& transponders);
SettingsClip CaptureSettings(const SettingsDatabase& db);

// ---- To bytes ----
std::vector<uint8_t> EncodeChannelClip(const ChannelClip& clip);
std::vector<uint8_t> EncodeChannelListClip(const std::vector<ChannelClip>& clips);
std::vector<uint8_t> EncodeTransponderClip(const TransponderClip& clip);
std::vector<uint8_t> EncodeTransponderListClip(const std::vector<TransponderClip>& clips);
std::vector<uint8_t> EncodeSatelliteClip(const SatelliteClip& clip);

// ---- From bytes ----
// Each parser takes the whole clipboard block and yields nothing unless the
// block is exactly one well-formed payload: names terminated within 15
// bytes, counts that fit the bytes present, no bytes left over, and channel
// types 0..2 (for the channel formats, the type the format names).
std::optional<ChannelClip> ParseChannelClip(std::span<const uint8_t> bytes, int type);
std::optional<std::vector<ChannelClip>> ParseChannelListClip(std::span<const uint8_t> bytes,
                                                             int type);
std::optional<TransponderClip> ParseTransponderClip(std::span<const uint8_t> bytes);
std::optional<std::vector<TransponderClip>> ParseTransponderListClip(
    std::span<const uint8_t> bytes);
std::optional<SatelliteClip> ParseSatelliteClip(std::span<const uint8_t> bytes);
std::optional<SettingsClip> ParseSettingsClip(std::span<const uint8_t> bytes);

}  // namespace vq
