#include <algorithm>

#include "database/settings_database.h"
#include "editing/clipboard/clip_payloads.h"

namespace vq {
namespace {

template <size_t N>
std::array<uint8_t, N> Stored(const uint8_t* record) {
  std::array<uint8_t, N> bytes{};
  std::copy_n(record, N, bytes.begin());
  return bytes;
}

TransponderBlock CaptureBlock(const TransponderChoice& choice) {
  TransponderBlock block;
  block.transponder = Stored<kTransponderRecordSize>(choice.transponder->Record().Bytes());
  block.channels.reserve(choice.channels.size());
  for (const ChannelNode* channel : choice.channels)
    block.channels.push_back(Stored<kChannelRecordSize>(channel->Record().Bytes()));
  return block;
}

}  // namespace

ChannelClip CaptureChannel(const ChannelNode& channel) {
  const TransponderNode* transponder = channel.GetTransponder();
  ChannelClip clip;
  clip.satelliteName = transponder->GetSatellite()->GetName();
  clip.transponder = Stored<kTransponderRecordSize>(transponder->Record().Bytes());
  clip.channel = Stored<kChannelRecordSize>(channel.Record().Bytes());
  return clip;
}

TransponderClip CaptureTransponder(const TransponderChoice& choice) {
  return {choice.transponder->GetSatellite()->GetName(), CaptureBlock(choice)};
}

SatelliteClip CaptureSatellite(const SatelliteNode& satellite,
                               const std::vector<TransponderChoice>& transponders) {
  SatelliteClip clip;
  clip.name = satellite.GetName();
  clip.satellite = Stored<kSatelliteRecordSize>(satellite.Satellite().Bytes());
  clip.lnb = Stored<kLnbRecordSize>(satellite.Lnb().Bytes());
  clip.transponders.reserve(transponders.size());
  for (const TransponderChoice& choice : transponders)
    clip.transponders.push_back(CaptureBlock(choice));
  return clip;
}

SettingsClip CaptureSettings(const SettingsDatabase& db) {
  return Stored<kConfigRecordSize>(db.GetConfigBytes());
}

}  // namespace vq
