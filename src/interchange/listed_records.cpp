#include "interchange/listed_records.h"

#include <algorithm>
#include <cstdlib>

#include "common/fixed_text.h"
#include "database/settings_database.h"

namespace vq {

TransponderNode* NearbyTransponder(const SatelliteNode& satellite, uint16_t frequency,
                                   uint8_t polarization) {
  constexpr int kSameCarrierMHz = 2;
  for (int i = 0; i < satellite.GetTransponderCount(); ++i) {
    TransponderNode* t = satellite.GetTransponder(i);
    const TransponderRecord r = t->Record();
    if (r.GetPolarization() == polarization &&
        std::abs(static_cast<int>(r.GetFrequency()) - static_cast<int>(frequency)) <=
            kSameCarrierMHz)
      return t;
  }
  return nullptr;
}

ChannelNode* SameChannel(const TransponderNode& transponder, const ListedChannel& channel) {
  for (int i = 0; i < transponder.GetChannelCount(); ++i) {
    ChannelNode* c = transponder.GetChannel(i);
    const ChannelRecord r = c->Record();
    if (r.GetType() != channel.type) continue;
    if (channel.serviceId != 0 ? r.GetProgramId() == channel.serviceId
                               : r.GetName() == channel.name.substr(0, ChannelRecord::kNameWidth))
      return c;
  }
  return nullptr;
}

void WriteListedTransponder(TransponderNode& transponder, const ListedTransponder& listed,
                            int& replaced) {
  TransponderRecord r = transponder.Record();
  if (!listed.name.empty()) {
    if (NameMarksFreeSlot(listed.name)) ++replaced;
    r.SetName(listed.name);
  }
  r.SetFrequency(listed.frequency);
  r.SetSymbolRate(listed.symbolRate);
  r.SetPolarization(listed.polarization);
  r.SetFec(listed.fec);
  r.SetNetworkId(listed.networkId);
  r.SetTpId(listed.tsId);
}

void WriteListedChannel(SettingsDatabase& db, ChannelNode& channel, const ListedChannel& listed,
                        int& replaced) {
  ChannelRecord r = channel.Record();
  if (NameMarksFreeSlot(listed.name)) ++replaced;
  r.SetName(listed.name);
  r.SetVideoPid(listed.videoPid);
  r.SetPcrPid(listed.pcrPid);
  const int tracks =
      std::min(static_cast<int>(listed.audio.size()), ChannelRecord::kAudioTrackCount);
  for (int i = 0; i < tracks; ++i) {
    r.SetAudioPid(i, listed.audio[static_cast<size_t>(i)].pid);
    r.SetAudioLanguage(i, listed.audio[static_cast<size_t>(i)].language);
  }
  r.SetAudioCount(static_cast<uint32_t>(std::max(tracks, 1)));
  r.SetAc3Pid(listed.ac3Pid);
  r.SetAc3Language(listed.ac3Language);
  r.SetAc3Selected(tracks == 0 && listed.ac3Pid != 0);
  r.SetTeletextPid(listed.teletextPid);
  r.SetProgramId(listed.serviceId);
  r.SetLocked(listed.locked);
  r.SetSkipped(listed.skipped);
  r.SetCas(listed.cas);
  if (listed.scrambled) {
    r.SetScrambled(true);
    db.LeaveFreeList(&channel);
  }
}

}  // namespace vq
