#include "ui/panes/settings_pane_rows.h"

#include "database/lookup_tables.h"
#include "editing/settings/settings_categories.h"
#include "editing/settings/settings_texts.h"
#include "editing/settings/settings_values.h"
#include "ui/panes/lookup_option_texts.h"

namespace vq::settings_rows {
namespace {

using Config = ReceiverConfig;
using Read = std::function<int(const Config&)>;
using Write = std::function<void(Config, int)>;

template <class R>
Read Get(R (Config::*member)() const) {
  return [member](const Config& c) { return static_cast<int>((c.*member)()); };
}

template <class A>
Write Put(void (Config::*member)(A)) {
  return [member](Config c, int value) { (c.*member)(static_cast<A>(value)); };
}

SettingRow Check(int row, const char* label, int group, bool (Config::*get)() const,
                 void (Config::*set)(bool)) {
  SettingRow r{row, label, group, RowKind::CheckBox};
  r.value = Get(get);
  r.setValue = [set](Config c, int on) { (c.*set)(on != 0); };
  return r;
}

SettingRow Number(int row, const char* label, int group, int minimum, int maximum, Read get,
                  Write set) {
  SettingRow r{row, label, group, RowKind::Number, minimum, maximum};
  r.value = std::move(get);
  r.setValue = std::move(set);
  return r;
}

// The stored value is the option index; a value without option shows none.
SettingRow Indexed(int row, const char* label, int group, std::vector<std::string> options,
                   const Read& get, Write set) {
  SettingRow r{row, label, group, RowKind::OptionList};
  const int count = static_cast<int>(options.size());
  r.options = std::move(options);
  r.value = [get, count](const Config& c) {
    const int value = get(c);
    return value >= 0 && value < count ? value : -1;
  };
  r.setValue = std::move(set);
  return r;
}

// Two options, the first for the stored value 1 and the second for any
// other: choosing the second keeps another value as it is.
// Value 1 and any other value, named by `text` (of 1 and of 0).
SettingRow OneOrOther(int row, const char* label, int group, std::string_view (*text)(int),
                      const Read& get, const Write& set) {
  SettingRow r{row, label, group, RowKind::OptionList};
  r.options = {std::string(text(1)), std::string(text(0))};
  r.value = [get](const Config& c) { return get(c) == 1 ? 0 : 1; };
  r.setValue = [get, set](Config c, int index) {
    if (index == 0)
      set(c, 1);
    else if (get(c) == 1)
      set(c, 0);
  };
  return r;
}

SettingRow Text(int row, const char* label, int group, int limit,
                std::function<std::string(const Config&)> text,
                std::function<bool(Config, const std::string&)> take, const char* refusal) {
  SettingRow r{row, label, group, RowKind::Text};
  r.text = std::move(text);
  r.takeText = std::move(take);
  r.textLimit = limit;
  r.refusal = refusal;
  return r;
}

SettingRow Language(int row, const char* label, uint8_t (Config::*get)() const,
                    void (Config::*set)(uint8_t)) {
  return Indexed(row, label, kLanguageGroup, LookupOptions(kLanguageCount, LanguageText), Get(get),
                 Put(set));
}

SettingRow AddressRow(int row, const char* label, std::string (Config::*text)() const,
                      bool (Config::*take)(std::string_view)) {
  return Text(
      row, label, kNetworkGroup, 15, [text](const Config& c) { return (c.*text)(); },
      [take](Config c, const std::string& typed) { return (c.*take)(typed); },
      texts::kInvalidAddress);
}

SettingRow LocationRow(int row, const char* label, bool longitude) {
  return Text(
      row, label, kBaseGroup, 6,
      [longitude](const Config& c) {
        return longitude ? c.GetLongitudeText() : c.GetLatitudeText();
      },
      [longitude](Config c, const std::string& typed) {
        int16_t tenths = 0;
        if (!(longitude ? ParseLongitudeText(typed, tenths) : ParseLatitudeText(typed, tenths)))
          return false;
        longitude ? c.SetLongitude(tenths) : c.SetLatitude(tenths);
        return true;
      },
      texts::kInvalidLocation);
}

std::vector<SettingRow> TvRows() {
  return {
      Indexed(kScreenType, VQ_TRANSLATE_NOOP("CoreText", "Screen Type"), kTvGroup,
              LookupOptions(kScreenTypeCount, ScreenTypeText), Get(&Config::GetScreenType),
              Put(&Config::SetScreenType)),
      Indexed(kSignalOutput, VQ_TRANSLATE_NOOP("CoreText", "Signal Output"), kTvGroup,
              LookupOptions(kSignalOutputCount, SignalOutputText), Get(&Config::GetSignalOutput),
              Put(&Config::SetSignalOutput)),
      Indexed(kScartOutput, VQ_TRANSLATE_NOOP("CoreText", "SCART Output"), kTvGroup,
              LookupOptions(kScartOutputCount, ScartOutputText), Get(&Config::GetScartOutput),
              Put(&Config::SetScartOutput)),
      // The pane re-ranges it to the TV system's channels.
      Number(kUhfChannel, VQ_TRANSLATE_NOOP("CoreText", "UHF Channel"), kTvGroup, 13, 81,
             Get(&Config::GetUhfChannel), Put(&Config::SetUhfChannel)),
      Indexed(kTvSystem, VQ_TRANSLATE_NOOP("CoreText", "TV System"), kTvGroup,
              LookupOptions(kTvSystemCount, TvSystemText), Get(&Config::GetTvSystem),
              [](Config c, int system) { SetTvSystemKeepingUhf(c, static_cast<uint8_t>(system)); }),
      Number(kFineTuning, VQ_TRANSLATE_NOOP("CoreText", "Fine Tuning"), kTvGroup, -4, 4,
             Get(&Config::GetFineTuning), Put(&Config::SetFineTuning)),
      Number(kBrightness, VQ_TRANSLATE_NOOP("CoreText", "Brightness"), kTvGroup, -16, 16,
             Get(&Config::GetBrightness), Put(&Config::SetBrightness)),
      Number(kContrast, VQ_TRANSLATE_NOOP("CoreText", "Contrast"), kTvGroup, -16, 16,
             Get(&Config::GetContrast), Put(&Config::SetContrast)),
      Number(kColor, VQ_TRANSLATE_NOOP("CoreText", "Color"), kTvGroup, -16, 16,
             Get(&Config::GetColor), Put(&Config::SetColor)),
  };
}

std::vector<SettingRow> LanguageRows() {
  return {
      Indexed(kMenuLanguage, VQ_TRANSLATE_NOOP("CoreText", "Menu"), kLanguageGroup,
              LookupOptions(kMenuLanguageCount, MenuLanguageText), Get(&Config::GetMenuLanguage),
              Put(&Config::SetMenuLanguage)),
      Check(kSubtitles, VQ_TRANSLATE_NOOP("CoreText", "Subtitles"), kLanguageGroup,
            &Config::IsSubtitles, &Config::SetSubtitles),
      Check(kPreferred, VQ_TRANSLATE_NOOP("CoreText", "Pref. Settings"), kLanguageGroup,
            &Config::IsPreferredSettings, &Config::SetPreferredSettings),
      Language(kMainAudio, VQ_TRANSLATE_NOOP("CoreText", "Main Audio"),
               &Config::GetMainAudioLanguage, &Config::SetMainAudioLanguage),
      Language(kAlternativeAudio, VQ_TRANSLATE_NOOP("CoreText", "Alter. Audio"),
               &Config::GetAlternativeAudioLanguage, &Config::SetAlternativeAudioLanguage),
      Language(kMainSubtitle, VQ_TRANSLATE_NOOP("CoreText", "Main Subtitle"),
               &Config::GetMainSubtitleLanguage, &Config::SetMainSubtitleLanguage),
      Language(kAlternativeSubtitle, VQ_TRANSLATE_NOOP("CoreText", "Alter. Subtitle"),
               &Config::GetAlternativeSubtitleLanguage, &Config::SetAlternativeSubtitleLanguage),
  };
}

std::vector<SettingRow> TimeDateRows() {
  SettingRow clock = Text(
      kClock, VQ_TRANSLATE_NOOP("CoreText", "Time"), kTimeDateGroup, 0,
      [](const Config& c) { return c.GetClockText(); },
      [](Config c, const std::string& typed) { return c.SetClockText(typed); }, "");
  clock.kind = RowKind::DateTime;
  clock.format = "dd/MM/yyyy HH:mm";
  return {
      clock,
      Indexed(kGmtOffset, VQ_TRANSLATE_NOOP("CoreText", "GMT Offset"), kTimeDateGroup,
              GmtOffsetOptions(), Get(&Config::GetGmtOffset), Put(&Config::SetGmtOffset)),
      Check(kAutoUpdate, VQ_TRANSLATE_NOOP("CoreText", "Auto Update"), kTimeDateGroup,
            &Config::IsAutoUpdate, &Config::SetAutoUpdate),
  };
}

std::vector<SettingRow> ParentalRows() {
  std::vector<std::string> ages = {VQ_TRANSLATE_NOOP("CoreText", "None")};
  for (int age = 4; age <= 18; ++age) ages.push_back(std::to_string(age));
  SettingRow lockCode = Text(
      kLockCode, VQ_TRANSLATE_NOOP("CoreText", "Password"), kParentalGroup, 4,
      [](const Config& c) { return c.GetPasswordText(); },
      [](Config c, const std::string& typed) {
        return IsLockCodeText(typed) && c.SetPasswordText(typed);
      },
      texts::kInvalidLockCode);
  lockCode.digitsOnly = true;
  return {
      Indexed(
          kAgeLimit, VQ_TRANSLATE_NOOP("CoreText", "Age limit"), kParentalGroup, ages,
          [](const Config& c) { return c.GetAgeLimit() < 4 ? 0 : c.GetAgeLimit() - 3; },
          // "None" keeps an age below 4 that is already stored.
          [](Config c, int index) {
            if (index > 0)
              c.SetAgeLimit(static_cast<uint8_t>(index + 3));
            else if (c.GetAgeLimit() >= 4)
              c.SetAgeLimit(3);
          }),
      Check(kChannelLock, VQ_TRANSLATE_NOOP("CoreText", "Channel Lock"), kParentalGroup,
            &Config::IsChannelLock, &Config::SetChannelLock),
      Check(kInstallationLock, VQ_TRANSLATE_NOOP("CoreText", "Install. Lock"), kParentalGroup,
            &Config::IsInstallationLock, &Config::SetInstallationLock),
      Check(kReceiverLock, VQ_TRANSLATE_NOOP("CoreText", "Receiver Lock"), kParentalGroup,
            &Config::IsReceiverLock, &Config::SetReceiverLock),
      lockCode,
  };
}

std::vector<SettingRow> UserInterfaceRows() {
  const int g = kUserInterfaceGroup;
  return {
      Check(kVolumeIndicator, VQ_TRANSLATE_NOOP("CoreText", "Vol. Indicator"), g,
            &Config::IsVolumeIndicator, &Config::SetVolumeIndicator),
      Number(kVolumeTimeout, VQ_TRANSLATE_NOOP("CoreText", "Vol. Timout"), g, 0, 30,
             Get(&Config::GetVolumeTimeout), Put(&Config::SetVolumeTimeout)),
      Number(kBannerTimeout, VQ_TRANSLATE_NOOP("CoreText", "Banner Timout"), g, 0, 30,
             Get(&Config::GetBannerTimeout), Put(&Config::SetBannerTimeout)),
      Number(kOsdTransparency, VQ_TRANSLATE_NOOP("CoreText", "OSD Trans(%)"), g, 0, 100,
             Get(&Config::GetOsdTransparency), Put(&Config::SetOsdTransparency)),
      Check(kFadeInOut, VQ_TRANSLATE_NOOP("CoreText", "Fade in/out"), g, &Config::IsFadeInOut,
            &Config::SetFadeInOut),
      OneOrOther(kTeletext, VQ_TRANSLATE_NOOP("CoreText", "Teletext"), g, TeletextText,
                 Get(&Config::GetTeletext), Put(&Config::SetTeletext)),
      Check(kCiMessages, VQ_TRANSLATE_NOOP("CoreText", "CI Messages"), g, &Config::IsCiMessages,
            &Config::SetCiMessages),
      Check(kChannelListDoubleClick, VQ_TRANSLATE_NOOP("CoreText", "Chlist dbl. click"), g,
            &Config::IsChannelListDoubleClick, &Config::SetChannelListDoubleClick),
      Check(kRcaVolumeControl, VQ_TRANSLATE_NOOP("CoreText", "RCA Vol. Ctl."), g,
            &Config::IsRcaVolumeControl, &Config::SetRcaVolumeControl),
  };
}

std::vector<SettingRow> PowerRows() {
  return {
      Check(kPowerState, VQ_TRANSLATE_NOOP("CoreText", "Power State"), kPowerGroup,
            &Config::IsPowerState, &Config::SetPowerState),
      Check(kLnbPower, VQ_TRANSLATE_NOOP("CoreText", "LNB Power"), kPowerGroup, &Config::IsLnbPower,
            &Config::SetLnbPower),
      Check(kLnbOffset, VQ_TRANSLATE_NOOP("CoreText", "LNB Offs. +1V"), kPowerGroup,
            &Config::IsLnbOffset1V, &Config::SetLnbOffset1V),
  };
}

std::vector<SettingRow> NetworkRows() {
  const int g = kNetworkGroup;
  return {
      AddressRow(kLocalIp, VQ_TRANSLATE_NOOP("CoreText", "Local IP"), &Config::GetLocalIpText,
                 &Config::SetLocalIpText),
      AddressRow(kSubnetMask, VQ_TRANSLATE_NOOP("CoreText", "Subnet Mask"),
                 &Config::GetSubnetMaskText, &Config::SetSubnetMaskText),
      AddressRow(kGateway, VQ_TRANSLATE_NOOP("CoreText", "Gateway"), &Config::GetGatewayText,
                 &Config::SetGatewayText),
      Number(kPort, VQ_TRANSLATE_NOOP("CoreText", "Port"), g, 0, 65535, Get(&Config::GetPort),
             Put(&Config::SetPort)),
      Check(kDhcp, "DHCP", g, &Config::IsDhcp, &Config::SetDhcp),
      OneOrOther(kConnectionMode, VQ_TRANSLATE_NOOP("CoreText", "Conn. Mode"), g,
                 ConnectionModeText, Get(&Config::GetConnectionMode),
                 Put(&Config::SetConnectionMode)),
      Text(
          kNetworkId, "ID", g, 11, [](const Config& c) { return c.GetNetworkId(); },
          [](Config c, const std::string& typed) {
            c.SetNetworkId(typed);
            return true;
          },
          ""),
      Text(
          kNetworkPassword, VQ_TRANSLATE_NOOP("CoreText", "Password"), g, 11,
          [](const Config& c) { return c.GetNetworkPassword(); },
          [](Config c, const std::string& typed) {
            c.SetNetworkPassword(typed);
            return true;
          },
          ""),
  };
}

std::vector<SettingRow> OtherRows() {
  return {
      Number(kVolumeLevel, VQ_TRANSLATE_NOOP("CoreText", "Level"), kVolumeGroup, 0, 19,
             Get(&Config::GetVolumeLevel), Put(&Config::SetVolumeLevel)),
      Check(kMute, VQ_TRANSLATE_NOOP("CoreText", "Mute"), kVolumeGroup, &Config::IsMute,
            &Config::SetMute),
      LocationRow(kLongitude, VQ_TRANSLATE_NOOP("CoreText", "Longitude"), true),
      LocationRow(kLatitude, VQ_TRANSLATE_NOOP("CoreText", "Latitude"), false),
      Indexed(kF1Button, VQ_TRANSLATE_NOOP("CoreText", "F1 Button"), kOtherGroup,
              LookupOptions(kF1ButtonCount, F1ButtonText), Get(&Config::GetF1Button),
              Put(&Config::SetF1Button)),
  };
}

std::vector<SettingRow> HiddenRows() {
  const int g = kHiddenGroup;
  return {
      Check(kDiagnostics, VQ_TRANSLATE_NOOP("CoreText", "Diagnostics"), g, &Config::IsDiagnostics,
            &Config::SetDiagnostics),
      Check(kRfOutDisabled, VQ_TRANSLATE_NOOP("CoreText", "RF Out Disabl."), g,
            &Config::IsRfOutDisabled, &Config::SetRfOutDisabled),
      Check(kHddInit, VQ_TRANSLATE_NOOP("CoreText", "HDD Init"), g, &Config::IsHddInit,
            &Config::SetHddInit),
      Check(kHddFormat, VQ_TRANSLATE_NOOP("CoreText", "HDD Format"), g, &Config::IsHddFormat,
            &Config::SetHddFormat),
      Check(kNoCard, VQ_TRANSLATE_NOOP("CoreText", "No Card"), g, &Config::IsNoCard,
            &Config::SetNoCard),
  };
}

}  // namespace

std::pair<int, int> TimerOfRow(int row) {
  const int offset = row - kTimerBase;
  if (offset < 0 || offset >= kTimerRows * ReceiverConfig::kTimerCount) return {-1, -1};
  const int part = offset % kTimerRows;
  if (part > kTimerHddSave) return {-1, -1};
  return {offset / kTimerRows, part};
}

std::vector<SettingGroup> SettingGroups(int category) {
  switch (category) {
    case kSettingsTv:
      return {{kTvGroup, VQ_TRANSLATE_NOOP("CoreText", "TV"),
               VQ_TRANSLATE_NOOP("CoreText", "Settings")}};
    case kSettingsLanguage:
      return {{kLanguageGroup, VQ_TRANSLATE_NOOP("CoreText", "Language"),
               VQ_TRANSLATE_NOOP("CoreText", "Settings")}};
    case kSettingsTimeDate:
      return {{kTimeDateGroup, VQ_TRANSLATE_NOOP("CoreText", "Time/Date"),
               VQ_TRANSLATE_NOOP("CoreText", "Settings")}};
    case kSettingsParental:
      return {{kParentalGroup, VQ_TRANSLATE_NOOP("CoreText", "Parental Control"),
               VQ_TRANSLATE_NOOP("CoreText", "Settings")}};
    case kSettingsUserInterface:
      return {{kUserInterfaceGroup, VQ_TRANSLATE_NOOP("CoreText", "User Interface"),
               VQ_TRANSLATE_NOOP("CoreText", "Settings")}};
    case kSettingsPower:
      return {{kPowerGroup, VQ_TRANSLATE_NOOP("CoreText", "Power Management"),
               VQ_TRANSLATE_NOOP("CoreText", "Settings")}};
    case kSettingsNetwork:
      return {{kNetworkGroup, VQ_TRANSLATE_NOOP("CoreText", "Network"),
               VQ_TRANSLATE_NOOP("CoreText", "Settings")}};
    case kSettingsOther:
      return {{kVolumeGroup, VQ_TRANSLATE_NOOP("CoreText", "Volume"), ""},
              {kBaseGroup, VQ_TRANSLATE_NOOP("CoreText", "Base"),
               VQ_TRANSLATE_NOOP("CoreText", "Location")},
              {kOtherGroup, VQ_TRANSLATE_NOOP("CoreText", "Other"), ""}};
    case kSettingsHidden:
      return {{kHiddenGroup, VQ_TRANSLATE_NOOP("CoreText", "Hidden"),
               VQ_TRANSLATE_NOOP("CoreText", "Settings")}};
    default:
      return {};
  }
}

std::vector<SettingRow> SettingRows(int category) {
  switch (category) {
    case kSettingsTv:
      return TvRows();
    case kSettingsLanguage:
      return LanguageRows();
    case kSettingsTimeDate:
      return TimeDateRows();
    case kSettingsParental:
      return ParentalRows();
    case kSettingsUserInterface:
      return UserInterfaceRows();
    case kSettingsPower:
      return PowerRows();
    case kSettingsNetwork:
      return NetworkRows();
    case kSettingsOther:
      return OtherRows();
    case kSettingsHidden:
      return HiddenRows();
    default:
      return {};
  }
}

std::vector<std::string> TimerModeOptions() {
  return LookupOptions(kTimerModeCount, TimerModeText);
}

std::vector<std::string> GmtOffsetOptions() {
  std::vector<std::string> options;
  options.reserve(48);
  for (int value = 0; value < 48; ++value) options.push_back(ReceiverConfig::GmtOffsetText(value));
  return options;
}

}  // namespace vq::settings_rows
