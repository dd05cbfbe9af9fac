#include "database/lookup_tables.h"

#include <algorithm>
#include <cstdio>

namespace vq {

namespace {

constexpr std::string_view kLanguages[kLanguageCount] = {
    "English", "German",    "French",  "Spanish", "Italian",   "Portuguese", "Swedish",
    "Danish",  "Dutch",     "Finish",  "Hungarian", "Norwegian", "Polish",   "Romanian",
    "Slovenian", "Russian", "Turkish", "Arabic",  "Greek",     "Czech",      "China",
    "Korea",   "Japanese",  "Persian", "Latin",   "Bengali",   "Tamil",      "Hebrew",
    "Bulgarian", "Urdo",    "Ukrainian", "Unknown"};

constexpr std::string_view kMenuLanguages[kMenuLanguageCount] = {
    "English", "French",  "German", "Italian", "Spanish", "Dutch", "Russian",
    "Arabic",  "Persian", "Greek",  "Turkish", "Czech",   "Polish"};

constexpr std::string_view kCasSystems[kCasCount] = {
    "Free",         "Standard",          "Mediaguard", "CCETT",        "Deutsche Tel",
    "Eurodec",      "Viaccess",          "Irdeto",     "Jerrold Gi",   "Matra Comm",
    "Videoguard",   "Nokia",             "Conax",      "NTL",          "Cryptoworks",
    "PowerVu",      "SONY",              "TandbergTV", "Thomson",      "TV COM",
    "HPT",          "HRT",               "IBM",        "Nera",         "Betacrypt",
    "Nagra",        "TIS",               "TSA",        "Stentor",      "SKY Pilot",
    "Nagra2",       "Multi",             "Beta+Crpt",  "Conax+Seca",   "Crpt+Ird+Via",
    "Crpt+Ird+Seca+Via", "Crpt+Seca",    "Crpt+Via",   "Crpt+Seca+Via", "Ird+Via",
    "Ird+Vgrd",     "Ird+Seca",          "Ird+Seca+Via", "Ird+Seca+Vgrd", "Seca+Via",
    "Seca+Vgrd",    "Beta+Nagra",        "Beta+Nagra+Crpt"};

constexpr std::string_view kTimerModes[kTimerModeCount] = {"Not Defined", "Sleep", "Wakeup",
                                                           "Once",        "Daily", "Weekly"};
constexpr std::string_view kWeekdays[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr std::string_view kPolarizations[kPolarizationCount] = {"Auto", "Horizontal", "Vertical"};
constexpr std::string_view kPolarizationsShort[kPolarizationCount] = {"A", "H", "V"};
constexpr std::string_view kFecRates[kFecCount] = {"1/2", "2/3", "3/4", "5/6", "7/8", "Auto"};
constexpr std::string_view kLnbTypes[kLnbTypeCount] = {"Single", "Universal"};
constexpr std::string_view kLnbTypesShort[kLnbTypeCount] = {"S", "U"};
constexpr std::string_view kSwitchTypes[kSwitchTypeCount] = {
    "Off",      "2 Port",   "4 Port",   "8 Port",   "16 Port", "DiSEqC 1",
    "DiSEqC 2", "DiSEqC 3", "DiSEqC 4", "8-1 Port", "10 Port"};
constexpr std::string_view kToneBursts[kToneBurstCount] = {"Off", "Satellite A", "Satellite B"};
constexpr std::string_view kMotorTypes[kMotorTypeCount] = {"Off", "DiSEqC 1.2", "USALS"};
constexpr std::string_view kAudioModes[kAudioModeCount] = {"Stereo", "Left", "Right", "Mono"};
constexpr std::string_view kChannelTypes[] = {"TV", "Radio", "Data"};
constexpr std::string_view kScartOutputs[kScartOutputCount] = {"RGB", "CVBS"};
constexpr std::string_view kScreenTypes[kScreenTypeCount] = {"4:3", "16:9", "Pan&Scan"};
constexpr std::string_view kSignalOutputs[kSignalOutputCount] = {"MULTI", "PAL"};
constexpr std::string_view kTvSystems[kTvSystemCount] = {"NTSC-M", "PAL-B/G", "PAL-I", "PAL-D/K"};
constexpr std::string_view kF1Buttons[kF1ButtonCount] = {"Sleep Timer", "Premiere MF", "Find",
                                                         "Fav List", "Zoom"};

template <size_t N>
std::string_view Pick(const std::string_view (&table)[N], int index) {
  if (index < 0 || static_cast<size_t>(index) >= N) return {};
  return table[index];
}

}  // namespace

std::string_view LanguageText(int index) { return Pick(kLanguages, index); }
std::string_view MenuLanguageText(int index) { return Pick(kMenuLanguages, index); }
std::string_view CasText(int index) { return Pick(kCasSystems, index); }
std::string_view TimerModeText(int index) { return Pick(kTimerModes, index); }
std::string_view WeekdayShortText(int weekday) { return Pick(kWeekdays, weekday - 1); }
std::string_view PolarizationText(int value) { return Pick(kPolarizations, value); }
std::string_view PolarizationShortText(int value) { return Pick(kPolarizationsShort, value); }
std::string_view FecText(int value) { return Pick(kFecRates, value); }
std::string_view YesNoText(bool value) { return value ? "Yes" : "No"; }
std::string_view LnbTypeText(int value) { return Pick(kLnbTypes, value); }
std::string_view LnbTypeShortText(int value) { return Pick(kLnbTypesShort, value); }
std::string_view SwitchTypeText(int value) { return Pick(kSwitchTypes, value); }
std::string_view ToneBurstText(int value) { return Pick(kToneBursts, value); }
std::string_view MotorTypeText(int value) { return Pick(kMotorTypes, value); }
std::string_view AudioModeText(int value) { return Pick(kAudioModes, value); }
std::string_view ChannelTypeText(int value) { return Pick(kChannelTypes, value); }
std::string_view ScartOutputText(int value) { return Pick(kScartOutputs, value); }
std::string_view TeletextText(int value) { return value == 1 ? "SOFT_TTX" : "VBI MODE"; }
std::string_view ScreenTypeText(int value) { return Pick(kScreenTypes, value); }
std::string_view SignalOutputText(int value) { return Pick(kSignalOutputs, value); }
std::string_view TvSystemText(int value) { return Pick(kTvSystems, value); }
std::string_view F1ButtonText(int value) { return Pick(kF1Buttons, value); }
std::string_view ConnectionModeText(int value) { return value == 1 ? "Auto" : "Manual"; }

std::string OscillatorText(int frequencyMHz) {
  char text[24];
  std::snprintf(text, sizeof text, "%d MHz", frequencyMHz);
  return text;
}

bool IsStandardOscillator(int frequencyMHz) {
  return std::find(kStandardOscillators.begin(), kStandardOscillators.end(), frequencyMHz) !=
         kStandardOscillators.end();
}

}  // namespace vq
