// ImportPreset: fills a freshly reset database from decoded preset content.
#include <algorithm>

#include "editing/preset/preset_file.h"

namespace vq {
namespace {

void ApplyAntenna(const PresetAntenna& antenna, LnbRecord lnb) {
  lnb.SetType(antenna.type);
  lnb.SetHighOscillator(antenna.highOscillator);
  lnb.SetLowOscillator(antenna.lowOscillator);
  lnb.Set12V(antenna.output12V == 1);
  lnb.Set22kHz(antenna.tone22kHz == 1);
}

void ApplySatellite(const PresetSatellite& satellite, SatelliteNode& node) {
  node.SetName(satellite.name);
  SatelliteRecord record = node.Satellite();
  record.SetMotorIndex(satellite.motorIndex);
  record.SetPosition(satellite.position);
  for (int k = 0; k < SatelliteRecord::kPredefinedCount; ++k) {
    const PresetPredefinedChannel& channel = satellite.predefined[static_cast<size_t>(k)];
    record.SetPredefinedName(k, channel.name);
    record.SetPredefinedFrequency(k, channel.frequency);
    record.SetPredefinedSymbolRate(k, channel.symbolRate);
    record.SetPredefinedPolarization(k, channel.polarization);
    record.SetPredefinedVideoPid(k, channel.videoPid);
    record.SetPredefinedAudioPid(k, channel.audioPid);
    record.SetPredefinedPcrPid(k, channel.pcrPid);
  }
}

}  // namespace

PresetImportResult ImportPreset(const PresetContent& content, SettingsDatabase& target) {
  if (content.model != kModelFtaCi && content.model != kModelPvr)
    return {PresetImportStatus::kFileCorrupted};
  target.ResetToDefaults(content.model, true);

  const size_t antennas = std::min<size_t>(content.antennas.size(), kSatelliteCount);
  for (size_t i = 0; i < antennas; ++i)
    ApplyAntenna(content.antennas[i], target.GetSatelliteNode(static_cast<int>(i))->Lnb());
  const size_t satellites = std::min<size_t>(content.satellites.size(), kSatelliteCount);
  for (size_t i = 0; i < satellites; ++i)
    ApplySatellite(content.satellites[i], *target.GetSatelliteNode(static_cast<int>(i)));

  for (const PresetTransponder& transponder : content.transponders) {
    if (transponder.satellite >= kSatelliteCount) continue;
    TransponderNode* added = nullptr;
    if (!target.AddTransponder(target.GetSatelliteNode(transponder.satellite), &added))
      return {PresetImportStatus::kNoSpace};
    TransponderRecord record = added->Record();
    record.SetFrequency(transponder.frequency);
    record.SetPolarization(transponder.polarization);
    record.SetSymbolRate(transponder.symbolRate);
    record.SetFec(transponder.fec);
  }
  return {};
}

}  // namespace vq
