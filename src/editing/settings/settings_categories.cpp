#include "editing/settings/settings_categories.h"

#include "database/receiver_config.h"

namespace vq {
namespace {

void CopyTv(const ReceiverConfig& from, ReceiverConfig& to) {
  to.SetScreenType(from.GetScreenType());
  to.SetSignalOutput(from.GetSignalOutput());
  to.SetScartOutput(from.GetScartOutput());
  to.SetUhfChannel(from.GetUhfChannel());
  to.SetTvSystem(from.GetTvSystem());
  to.SetFineTuning(from.GetFineTuning());
  to.SetBrightness(from.GetBrightness());
  to.SetContrast(from.GetContrast());
  to.SetColor(from.GetColor());
}

void CopyLanguage(const ReceiverConfig& from, ReceiverConfig& to) {
  to.SetMenuLanguage(from.GetMenuLanguage());
  to.SetSubtitles(from.IsSubtitles());
  to.SetPreferredSettings(from.IsPreferredSettings());
  to.SetMainAudioLanguage(from.GetMainAudioLanguage());
  to.SetAlternativeAudioLanguage(from.GetAlternativeAudioLanguage());
  to.SetMainSubtitleLanguage(from.GetMainSubtitleLanguage());
  to.SetAlternativeSubtitleLanguage(from.GetAlternativeSubtitleLanguage());
}

void CopyTimeDate(const ReceiverConfig& from, ReceiverConfig& to) {
  to.SetClockYear(from.GetClockYear());
  to.SetClockMonth(from.GetClockMonth());
  to.SetClockDay(from.GetClockDay());
  to.SetClockHour(from.GetClockHour());
  to.SetClockMinute(from.GetClockMinute());
  to.SetClockSecond(from.GetClockSecond());
  to.SetClockDayOfWeek(from.GetClockDayOfWeek());
  to.SetGmtOffset(from.GetGmtOffset());
  to.SetAutoUpdate(from.IsAutoUpdate());
}

void CopyTimers(const ReceiverConfig& from, ReceiverConfig& to) {
  for (int t = 0; t < ReceiverConfig::kTimerCount; ++t) {
    to.SetTimerChannel(t, from.GetTimerChannel(t));
    to.SetTimerSecondChannelId(t, from.GetTimerSecondChannelId(t));
    to.SetTimerThirdChannelId(t, from.GetTimerThirdChannelId(t));
    to.SetTimerDuration(t, from.GetTimerDuration(t));
    to.SetTimerStartMjd(t, from.GetTimerStartMjd(t));
    to.SetTimerWord(t, from.GetTimerWord(t));
  }
}

void CopyParental(const ReceiverConfig& from, ReceiverConfig& to) {
  to.SetAgeLimit(from.GetAgeLimit());
  to.SetChannelLock(from.IsChannelLock());
  to.SetInstallationLock(from.IsInstallationLock());
  to.SetReceiverLock(from.IsReceiverLock());
  to.SetPassword(from.GetPassword());
}

void CopyUserInterface(const ReceiverConfig& from, ReceiverConfig& to) {
  to.SetVolumeIndicator(from.IsVolumeIndicator());
  to.SetVolumeTimeout(from.GetVolumeTimeout());
  to.SetBannerTimeout(from.GetBannerTimeout());
  to.SetOsdTransparency(from.GetOsdTransparency());
  to.SetFadeInOut(from.IsFadeInOut());
  to.SetTeletext(from.GetTeletext());
  to.SetCiMessages(from.IsCiMessages());
  to.SetChannelListDoubleClick(from.IsChannelListDoubleClick());
  to.SetRcaVolumeControl(from.IsRcaVolumeControl());
}

void CopyPower(const ReceiverConfig& from, ReceiverConfig& to) {
  to.SetPowerState(from.IsPowerState());
  to.SetLnbPower(from.IsLnbPower());
  to.SetLnbOffset1V(from.IsLnbOffset1V());
}

void CopyNetwork(const ReceiverConfig& from, ReceiverConfig& to) {
  to.SetLocalIp(from.GetLocalIp());
  to.SetSubnetMask(from.GetSubnetMask());
  to.SetGateway(from.GetGateway());
  to.SetPort(from.GetPort());
  to.SetDhcp(from.IsDhcp());
  to.SetConnectionMode(from.GetConnectionMode());
  to.SetNetworkId(from.GetNetworkId());
  to.SetNetworkPassword(from.GetNetworkPassword());
}

void CopyOther(const ReceiverConfig& from, ReceiverConfig& to) {
  to.SetVolumeLevel(from.GetVolumeLevel());
  to.SetMute(from.IsMute());
  to.SetLongitude(from.GetLongitude());
  to.SetLatitude(from.GetLatitude());
  to.SetF1Button(from.GetF1Button());
}

void CopyHidden(const ReceiverConfig& from, ReceiverConfig& to) {
  to.SetDiagnostics(from.IsDiagnostics());
  to.SetRfOutDisabled(from.IsRfOutDisabled());
  to.SetHddInit(from.IsHddInit());
  to.SetHddFormat(from.IsHddFormat());
  to.SetNoCard(from.IsNoCard());
}

}  // namespace

void CopySettingsCategory(const ReceiverConfig& from, ReceiverConfig& to, int category) {
  switch (category) {
    case kSettingsTv:
      return CopyTv(from, to);
    case kSettingsLanguage:
      return CopyLanguage(from, to);
    case kSettingsTimeDate:
      return CopyTimeDate(from, to);
    case kSettingsTimer:
      return CopyTimers(from, to);
    case kSettingsParental:
      return CopyParental(from, to);
    case kSettingsUserInterface:
      return CopyUserInterface(from, to);
    case kSettingsPower:
      return CopyPower(from, to);
    case kSettingsNetwork:
      return CopyNetwork(from, to);
    case kSettingsOther:
      return CopyOther(from, to);
    case kSettingsHidden:
      return CopyHidden(from, to);
    default:
      return;
  }
}

}  // namespace vq
