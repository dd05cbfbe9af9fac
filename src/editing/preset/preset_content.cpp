#include "editing/preset/preset_content.h"

#include <algorithm>

namespace vq {
namespace {

PresetAntenna AntennaOf(const SatelliteNode& node) {
  const LnbRecord lnb = node.Lnb();
  PresetAntenna antenna;
  antenna.highOscillator = lnb.GetHighOscillator();
  antenna.lowOscillator = lnb.GetLowOscillator();
  antenna.type = lnb.GetType();
  antenna.tone22kHz = lnb.Is22kHz() ? 1 : 0;
  antenna.output12V = lnb.Is12V() ? 1 : 0;
  antenna.name = node.GetName();
  return antenna;
}

PresetSatellite SatelliteOf(const SatelliteNode& node) {
  const SatelliteRecord record = node.Satellite();
  PresetSatellite satellite;
  satellite.name = node.GetName();
  satellite.motorIndex = record.GetMotorIndex();
  satellite.position = record.GetPosition();
  for (int k = 0; k < SatelliteRecord::kPredefinedCount; ++k) {
    PresetPredefinedChannel& channel = satellite.predefined[static_cast<size_t>(k)];
    channel.frequency = record.GetPredefinedFrequency(k);
    channel.symbolRate = record.GetPredefinedSymbolRate(k);
    channel.polarization = record.GetPredefinedPolarization(k);
    channel.videoPid = record.GetPredefinedVideoPid(k);
    channel.audioPid = record.GetPredefinedAudioPid(k);
    channel.pcrPid = record.GetPredefinedPcrPid(k);
    channel.name = record.GetPredefinedName(k);
  }
  return satellite;
}

}  // namespace

PresetContent CollectPresetContent(const SettingsDatabase& db) {
  PresetContent content;
  content.model = db.GetModel();
  std::vector<const TransponderNode*> transponders;
  for (int number = 0; number < kSatelliteCount; ++number) {
    const SatelliteNode& node = *db.GetSatelliteNode(number);
    content.antennas.push_back(AntennaOf(node));
    content.satellites.push_back(SatelliteOf(node));
    transponders.clear();
    for (int i = 0; i < node.GetTransponderCount(); ++i)
      transponders.push_back(node.GetTransponder(i));
    std::stable_sort(transponders.begin(), transponders.end(),
                     [](const TransponderNode* a, const TransponderNode* b) {
                       return a->Record().GetPosition() < b->Record().GetPosition();
                     });
    for (const TransponderNode* t : transponders) {
      const TransponderRecord record = t->Record();
      content.transponders.push_back({record.GetFrequency(), record.GetSymbolRate(),
                                      static_cast<uint8_t>(number), record.GetFec(),
                                      record.GetPolarization()});
    }
  }
  return content;
}

}  // namespace vq
