#include "editing/clipboard/attribute_copy.h"

#include "database/settings_database.h"

namespace vq {

void CopyChannelAttributes(SettingsDatabase& db, ChannelNode& target, const StoredChannel& from) {
  StoredChannel source = from;
  const ChannelRecord in(source.data());
  ChannelRecord out = target.Record();
  out.SetName(in.GetName());
  out.SetLocked(in.IsLocked());
  out.SetSkipped(in.IsSkipped());
  out.SetAudioCount(in.GetAudioCount());
  out.SetAudioSelected(in.GetAudioSelected());
  out.SetAudioMode(in.GetAudioMode());
  out.SetSubtitle(in.GetSubtitle());
  out.SetAc3Language(in.GetAc3Language());
  out.SetAc3Selected(in.IsAc3Selected());
  out.SetCas(in.GetCas());
  for (int i = 0; i < ChannelRecord::kAudioTrackCount; ++i) {
    out.SetAudioPid(i, in.GetAudioPid(i));
    out.SetAudioLanguage(i, in.GetAudioLanguage(i));
  }
  out.SetVideoPid(in.GetVideoPid());
  out.SetPcrPid(in.GetPcrPid());
  out.SetTeletextPid(in.GetTeletextPid());
  out.SetAc3Pid(in.GetAc3Pid());
  out.SetPmtPid(in.GetPmtPid());
  out.SetProgramId(in.GetProgramId());
  out.SetEcmPid(in.GetEcmPid());
  // A channel already in the scrambled list keeps its place there: filing
  // it again would close a gap in the free list that it never left.
  if (in.IsScrambled() && !out.IsScrambled()) {
    out.SetScrambled(true);
    db.LeaveFreeList(&target);
  }
}

void CopyTransponderAttributes(TransponderNode& target, const StoredTransponder& from) {
  StoredTransponder source = from;
  const TransponderRecord in(source.data());
  TransponderRecord out = target.Record();
  out.SetFrequency(in.GetFrequency());
  out.SetSymbolRate(in.GetSymbolRate());
  out.SetPolarization(in.GetPolarization());
  out.SetFec(in.GetFec());
  out.SetFtaOnly(in.IsFtaOnly());
  out.SetEcmChannelId(in.GetEcmChannelId());
  out.SetTpId(in.GetTpId());
  out.SetNetworkId(in.GetNetworkId());
  out.SetEcmCasId(in.GetEcmCasId());
}

void CopySatelliteAttributes(SatelliteNode& target, const StoredSatellite& satellite,
                             const StoredLnb& lnb) {
  StoredSatellite satelliteBytes = satellite;
  StoredLnb lnbBytes = lnb;
  const SatelliteRecord in(satelliteBytes.data());
  const LnbRecord inLnb(lnbBytes.data());
  if (!target.HasSatellite() || !target.HasLnb()) return;
  target.SetName(in.GetName());
  SatelliteRecord out = target.Satellite();
  out.SetPosition(in.GetPosition());
  out.SetMotorIndex(in.GetMotorIndex());
  for (int k = 0; k < SatelliteRecord::kPredefinedCount; ++k) {
    out.SetPredefinedName(k, in.GetPredefinedName(k));
    out.SetPredefinedFrequency(k, in.GetPredefinedFrequency(k));
    out.SetPredefinedSymbolRate(k, in.GetPredefinedSymbolRate(k));
    out.SetPredefinedPolarization(k, in.GetPredefinedPolarization(k));
    out.SetPredefinedVideoPid(k, in.GetPredefinedVideoPid(k));
    out.SetPredefinedAudioPid(k, in.GetPredefinedAudioPid(k));
    out.SetPredefinedPcrPid(k, in.GetPredefinedPcrPid(k));
  }
  LnbRecord outLnb = target.Lnb();
  outLnb.SetType(inLnb.GetType());
  outLnb.SetHighOscillator(inLnb.GetHighOscillator());
  outLnb.SetLowOscillator(inLnb.GetLowOscillator());
  outLnb.Set22kHz(inLnb.Is22kHz());
  outLnb.Set12V(inLnb.Is12V());
  outLnb.SetSwitchType(inLnb.GetSwitchType());
  outLnb.SetSwitchPort(inLnb.GetSwitchPort());
  outLnb.SetToneBurst(inLnb.GetToneBurst());
  outLnb.SetMotorType(inLnb.GetMotorType());
}

}  // namespace vq
