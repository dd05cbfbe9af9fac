#include "compare/settings_fields.h"

#include <array>
#include <functional>
#include <string>

#include "compare/record_texts.h"
#include "database/receiver_config.h"
#include "editing/settings/settings_categories.h"

namespace vq {
namespace {

struct SettingsField {
  int category;
  const char* name;
  std::function<std::string(const ReceiverConfig&)> text;
};

std::string Number(long value) { return std::to_string(value); }
std::string YesNo(bool value) { return value ? "yes" : "no"; }
std::string Text(std::string_view text) { return std::string(text); }

std::string TimerText(const ReceiverConfig& c, int t) {
  return Text(c.GetTimerModeText(t)) + " " + c.GetTimerStartText(t) + " " +
         c.GetTimerDurationText(t) + " channel " + Number(c.GetTimerChannel(t)) + "/" +
         Number(c.GetTimerSecondChannelId(t)) + "/" + Number(c.GetTimerThirdChannelId(t)) +
         " word " + Number(c.GetTimerWord(t));
}

std::vector<SettingsField> MakeFields() {
  using C = const ReceiverConfig&;
  std::vector<SettingsField> f = {
      {kSettingsTv, "screen type", [](C c) { return Text(c.GetScreenTypeText()); }},
      {kSettingsTv, "signal output", [](C c) { return Text(c.GetSignalOutputText()); }},
      {kSettingsTv, "SCART output", [](C c) { return Text(c.GetScartOutputText()); }},
      {kSettingsTv, "UHF channel", [](C c) { return Number(c.GetUhfChannel()); }},
      {kSettingsTv, "TV system", [](C c) { return Text(c.GetTvSystemText()); }},
      {kSettingsTv, "fine tuning", [](C c) { return Number(c.GetFineTuning()); }},
      {kSettingsTv, "brightness", [](C c) { return Number(c.GetBrightness()); }},
      {kSettingsTv, "contrast", [](C c) { return Number(c.GetContrast()); }},
      {kSettingsTv, "colour", [](C c) { return Number(c.GetColor()); }},
      {kSettingsLanguage, "menu language", [](C c) { return Text(c.GetMenuLanguageText()); }},
      {kSettingsLanguage, "subtitles", [](C c) { return YesNo(c.IsSubtitles()); }},
      {kSettingsLanguage, "preferred settings", [](C c) { return YesNo(c.IsPreferredSettings()); }},
      {kSettingsLanguage, "main audio language",
       [](C c) { return Text(c.GetMainAudioLanguageText()); }},
      {kSettingsLanguage, "alternative audio language",
       [](C c) { return Text(c.GetAlternativeAudioLanguageText()); }},
      {kSettingsLanguage, "main subtitle language",
       [](C c) { return Text(c.GetMainSubtitleLanguageText()); }},
      {kSettingsLanguage, "alternative subtitle language",
       [](C c) { return Text(c.GetAlternativeSubtitleLanguageText()); }},
      {kSettingsTimeDate, "clock",
       [](C c) { return c.GetClockText() + ":" + Number(c.GetClockSecond()); }},
      {kSettingsTimeDate, "day of week", [](C c) { return Number(c.GetClockDayOfWeek()); }},
      {kSettingsTimeDate, "GMT offset", [](C c) { return c.GetGmtOffsetText(); }},
      {kSettingsTimeDate, "automatic update", [](C c) { return YesNo(c.IsAutoUpdate()); }},
      {kSettingsParental, "age limit", [](C c) { return c.GetAgeLimitText(); }},
      {kSettingsParental, "channel lock", [](C c) { return YesNo(c.IsChannelLock()); }},
      {kSettingsParental, "installation lock", [](C c) { return YesNo(c.IsInstallationLock()); }},
      {kSettingsParental, "receiver lock", [](C c) { return YesNo(c.IsReceiverLock()); }},
      {kSettingsParental, "lock code", [](C c) { return c.GetPasswordText(); }},
      {kSettingsUserInterface, "volume indicator",
       [](C c) { return YesNo(c.IsVolumeIndicator()); }},
      {kSettingsUserInterface, "volume timeout", [](C c) { return Number(c.GetVolumeTimeout()); }},
      {kSettingsUserInterface, "banner timeout", [](C c) { return Number(c.GetBannerTimeout()); }},
      {kSettingsUserInterface, "OSD transparency",
       [](C c) { return Number(c.GetOsdTransparency()); }},
      {kSettingsUserInterface, "fade in/out", [](C c) { return YesNo(c.IsFadeInOut()); }},
      {kSettingsUserInterface, "teletext", [](C c) { return Text(c.GetTeletextText()); }},
      {kSettingsUserInterface, "CI messages", [](C c) { return YesNo(c.IsCiMessages()); }},
      {kSettingsUserInterface, "channel list double click",
       [](C c) { return YesNo(c.IsChannelListDoubleClick()); }},
      {kSettingsUserInterface, "RCA volume control",
       [](C c) { return YesNo(c.IsRcaVolumeControl()); }},
      {kSettingsPower, "power state", [](C c) { return YesNo(c.IsPowerState()); }},
      {kSettingsPower, "LNB power", [](C c) { return YesNo(c.IsLnbPower()); }},
      {kSettingsPower, "LNB offset 1 V", [](C c) { return YesNo(c.IsLnbOffset1V()); }},
      {kSettingsNetwork, "local IP", [](C c) { return c.GetLocalIpText(); }},
      {kSettingsNetwork, "subnet mask", [](C c) { return c.GetSubnetMaskText(); }},
      {kSettingsNetwork, "gateway", [](C c) { return c.GetGatewayText(); }},
      {kSettingsNetwork, "port", [](C c) { return Number(c.GetPort()); }},
      {kSettingsNetwork, "DHCP", [](C c) { return YesNo(c.IsDhcp()); }},
      {kSettingsNetwork, "connection mode", [](C c) { return Text(c.GetConnectionModeText()); }},
      {kSettingsNetwork, "network id", [](C c) { return "\"" + c.GetNetworkId() + "\""; }},
      {kSettingsNetwork, "network password",
       [](C c) { return "\"" + c.GetNetworkPassword() + "\""; }},
      {kSettingsOther, "volume level", [](C c) { return Number(c.GetVolumeLevel()); }},
      {kSettingsOther, "mute", [](C c) { return YesNo(c.IsMute()); }},
      {kSettingsOther, "longitude", [](C c) { return c.GetLongitudeText(); }},
      {kSettingsOther, "latitude", [](C c) { return c.GetLatitudeText(); }},
      {kSettingsOther, "F1 button", [](C c) { return Text(c.GetF1ButtonText()); }},
      {kSettingsHidden, "diagnostics", [](C c) { return YesNo(c.IsDiagnostics()); }},
      {kSettingsHidden, "RF out disabled", [](C c) { return YesNo(c.IsRfOutDisabled()); }},
      {kSettingsHidden, "HDD init", [](C c) { return YesNo(c.IsHddInit()); }},
      {kSettingsHidden, "HDD format", [](C c) { return YesNo(c.IsHddFormat()); }},
      {kSettingsHidden, "no card", [](C c) { return YesNo(c.IsNoCard()); }},
  };
  static const char* const kTimerNames[ReceiverConfig::kTimerCount] = {
      "timer 1", "timer 2", "timer 3", "timer 4", "timer 5", "timer 6", "timer 7", "timer 8"};
  for (int t = 0; t < ReceiverConfig::kTimerCount; ++t)
    f.push_back({kSettingsTimer, kTimerNames[t], [t](C c) { return TimerText(c, t); }});
  return f;
}

const std::vector<SettingsField>& Fields() {
  static const std::vector<SettingsField> fields = MakeFields();
  return fields;
}

}  // namespace

FieldValues SettingsFieldValues(const ReceiverConfig& config, int category) {
  FieldValues values;
  for (const SettingsField& f : Fields())
    if (f.category == category) values.emplace_back(f.name, f.text(config));
  return values;
}

std::vector<FieldChange> SettingsFieldChanges(const ReceiverConfig& a, const ReceiverConfig& b,
                                              int category) {
  // A's record with A's category copied into it and with B's: a setter may
  // tidy bytes it writes, so A against itself is the baseline.
  std::array<uint8_t, ReceiverConfig::kSize> own{};
  std::array<uint8_t, ReceiverConfig::kSize> taken{};
  std::copy(a.Bytes(), a.Bytes() + own.size(), own.begin());
  taken = own;
  ReceiverConfig ownRecord(own.data());
  ReceiverConfig takenRecord(taken.data());
  CopySettingsCategory(a, ownRecord, category);
  CopySettingsCategory(b, takenRecord, category);
  if (own == taken) return {};

  std::vector<FieldChange> changes;
  for (const SettingsField& f : Fields()) {
    if (f.category != category) continue;
    std::string before = f.text(a);
    std::string after = f.text(b);
    if (before != after) changes.push_back({f.name, std::move(before), std::move(after)});
  }
  if (changes.empty()) {
    size_t first = own.size();
    size_t last = 0;
    for (size_t i = 0; i < own.size(); ++i)
      if (own[i] != taken[i]) {
        first = std::min(first, i);
        last = i + 1;
      }
    changes.push_back({"other bytes " + std::to_string(first) + ".." + std::to_string(last - 1),
                       HexBytes(own.data(), first, last), HexBytes(taken.data(), first, last)});
  }
  return changes;
}

}  // namespace vq
