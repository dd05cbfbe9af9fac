#pragma once
// Value tables of the records: languages, CAS systems, timer modes, weekday
// names, oscillator frequencies and the option texts of the bit fields.
// Every text function returns "" for an index outside its table.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vq {

inline constexpr int kLanguageCount = 32;      // audio track / AC3 / config languages
inline constexpr int kLanguageUnknown = 31;    // "Unknown", default of unused tracks
inline constexpr int kCasCount = 48;
inline constexpr int kTimerModeCount = 6;
inline constexpr int kMenuLanguageCount = 13;  // options of the menu language row
inline constexpr int kPolarizationCount = 3;
inline constexpr int kFecCount = 6;
inline constexpr int kLnbTypeCount = 2;
inline constexpr int kSwitchTypeCount = 11;
inline constexpr int kToneBurstCount = 3;
inline constexpr int kMotorTypeCount = 3;
inline constexpr int kAudioModeCount = 4;
inline constexpr int kScartOutputCount = 2;
inline constexpr int kScreenTypeCount = 3;
inline constexpr int kSignalOutputCount = 2;
inline constexpr int kTvSystemCount = 4;
inline constexpr int kF1ButtonCount = 5;

// Value ranges several records share: PIDs are 13 bits wide, symbol rates
// are in kb/s.
inline constexpr int kMaxPid = 8191;
inline constexpr int kMinSymbolRate = 1000;
inline constexpr int kMaxSymbolRate = 50000;

inline constexpr std::array<uint16_t, 16> kStandardOscillators = {
    5150, 5700, 5750, 9750, 10000, 10050, 10550, 10600,
    10678, 10700, 10750, 11000, 11200, 11250, 11300, 11475};

std::string_view LanguageText(int index);
std::string_view MenuLanguageText(int index);
std::string_view CasText(int index);
std::string_view TimerModeText(int index);       // 0 "Not Defined" .. 5 "Weekly"
std::string_view WeekdayShortText(int weekday);  // 1 "Mon" .. 7 "Sun"

// Polarisation 0 "Auto", 1 "Horizontal", 2 "Vertical"; short "A", "H", "V".
std::string_view PolarizationText(int value);
std::string_view PolarizationShortText(int value);
// FEC 0 "1/2" .. 4 "7/8", 5 "Auto".
std::string_view FecText(int value);
std::string_view YesNoText(bool value);

// LNB: type 0 "Single" / 1 "Universal" ("S" / "U"), DiSEqC switch type 0..10,
// tone burst 0..2 (3 is blank), motor type 0..2.
std::string_view LnbTypeText(int value);
std::string_view LnbTypeShortText(int value);
std::string_view SwitchTypeText(int value);
std::string_view ToneBurstText(int value);
std::string_view MotorTypeText(int value);
// "%d MHz".
std::string OscillatorText(int frequencyMHz);
bool IsStandardOscillator(int frequencyMHz);

// Channel audio mode 0 "Stereo", 1 "Left", 2 "Right", 3 "Mono".
std::string_view AudioModeText(int value);
// Channel type 0 "TV", 1 "Radio", 2 "Data".
std::string_view ChannelTypeText(int value);

// Receiver configuration options.
std::string_view ScartOutputText(int value);    // 0 "RGB", 1 "CVBS"
std::string_view TeletextText(int value);       // 1 "SOFT_TTX", else "VBI MODE"
std::string_view ScreenTypeText(int value);     // 0 "4:3", 1 "16:9", 2 "Pan&Scan"
std::string_view SignalOutputText(int value);   // 0 "MULTI", 1 "PAL"
std::string_view TvSystemText(int value);       // 0 "NTSC-M" .. 3 "PAL-D/K"
std::string_view F1ButtonText(int value);       // 0 "Sleep Timer" .. 4 "Zoom"
std::string_view ConnectionModeText(int value); // 1 "Auto", else "Manual"

}  // namespace vq
