#include "database/receiver_config.h"

#include <cstdio>
#include <cstring>

#include "common/byte_io.h"
#include "common/fixed_text.h"
#include "database/lookup_tables.h"
#include "database/position_text.h"

namespace vq {

namespace {

// General and TV.
constexpr size_t kPassword = 16;
constexpr size_t kPowerState = 18;
constexpr size_t kVolumeLevel = 19;
constexpr size_t kLnbOffset1V = 20;
constexpr size_t kLnbPower = 21;
constexpr size_t kScartOutput = 22;
constexpr size_t kTeletext = 23;
constexpr size_t kCiMessages = 24;
constexpr size_t kListAndRcaNibbles = 25;
constexpr size_t kMenuLanguage = 28;
constexpr size_t kMainAudioLanguage = 29;
constexpr size_t kAlterAudioLanguage = 30;
constexpr size_t kMainSubtitleLanguage = 31;
constexpr size_t kAlterSubtitleLanguage = 32;
constexpr size_t kPreferredSettings = 33;
constexpr size_t kGmtOffset = 34;
constexpr size_t kScreenType = 35;
constexpr size_t kSignalOutput = 36;
constexpr size_t kTvSystem = 37;
constexpr size_t kUhfChannel = 38;
constexpr size_t kRfOutDisabled = 39;
constexpr size_t kMute = 40;
constexpr size_t kReceiverLock = 41;
constexpr size_t kFineTuning = 43;
constexpr size_t kF1Button = 44;
constexpr size_t kVolumeIndicator = 45;
constexpr size_t kVolumeTimeout = 46;
constexpr size_t kBannerTimeout = 47;
constexpr size_t kOsdTransparency = 48;
constexpr size_t kAgeLimit = 49;
constexpr size_t kChannelLock = 50;
constexpr size_t kInstallationLock = 51;
constexpr size_t kFadeInOut = 54;

// Clock, one u32 per field.
constexpr size_t kClockYear = 72;
constexpr size_t kClockMonth = 76;
constexpr size_t kClockDay = 80;
constexpr size_t kClockHour = 84;
constexpr size_t kClockMinute = 88;
constexpr size_t kClockSecond = 92;
constexpr size_t kClockDayOfWeek = 100;
constexpr int kClockYearBase = 1900;

// Further flags and location.
constexpr size_t kHddInit = 108;
constexpr size_t kAutoUpdate = 109;
constexpr size_t kSubtitles = 110;
constexpr size_t kDiagnostics = 111;
constexpr size_t kNoCard = 115;
constexpr size_t kHddFormat = 116;
constexpr size_t kLongitude = 118;
constexpr size_t kLatitude = 120;
constexpr size_t kBrightness = 125;
constexpr size_t kContrast = 126;
constexpr size_t kColor = 127;
constexpr int kPictureOffset = 16;

// Timers: eight records of 20 bytes.
constexpr size_t kTimerBase = 136;
constexpr size_t kTimerSize = 20;
constexpr size_t kTimerChannel = 0;
constexpr size_t kTimerSecondId = 2;
constexpr size_t kTimerThirdId = 4;
constexpr size_t kTimerDuration = 6;
constexpr size_t kTimerStartMjd = 8;
constexpr size_t kTimerWord = 12;
constexpr unsigned kModeShift = 0, kModeWidth = 4;
constexpr unsigned kHourShift = 4, kHourWidth = 8;
constexpr unsigned kMinuteShift = 12, kMinuteWidth = 8;
constexpr unsigned kWeekdayShift = 20, kWeekdayWidth = 4;
constexpr unsigned kOptionShift = 24, kOptionWidth = 2;  // second option at 26
constexpr unsigned kHddSaveShift = 28;

constexpr size_t kGroupNames = 296;
constexpr size_t kTransponderHint = 428;
constexpr size_t kChannelHint = 430;

// Network block.
constexpr size_t kNetworkStart = 727;
constexpr size_t kLocalIp = 727;
constexpr size_t kGateway = 731;
constexpr size_t kSubnetMask = 735;
constexpr size_t kExtraAddress = 739;
constexpr size_t kPort = 744;
constexpr size_t kDhcp = 746;
constexpr size_t kConnectionMode = 747;
constexpr size_t kNetworkId = 748;
constexpr size_t kNetworkIdWidth = 11;
constexpr size_t kNetworkPassword = 759;
constexpr size_t kNetworkPasswordField = 12;
constexpr size_t kNetworkPasswordMax = 11;

constexpr const char* kDefaultGroupNames[ReceiverConfig::kGroupCount] = {
    "NEWS", "MOVIE", "SPORTS", "MUSIC", "VARIETY", "CARTOON", "CULTURE", "ADULT"};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads `count` decimal digits at `text[pos]`; -1 when one is not a digit.
int ReadDigits(std::string_view text, size_t pos, size_t count) {
  if (pos + count > text.size()) return -1;
  int value = 0;
  for (size_t i = pos; i < pos + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

std::string Format2(const char* format, int a, int b) {
  char text[48];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

std::string FormatDateTime(int day, int month, int year, int hour, int minute) {
  char text[80];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d", day, month, year, hour, minute);
  return text;
}

}  // namespace

void ReceiverConfig::ResetDefaults(const LocalDateTime& now) {
  std::memset(bytes_, 0, kSize);
  SetPassword(kFactoryPassword);
  bytes_[kPowerState] = kPowerStateClear;
  bytes_[kVolumeLevel] = 12;
  bytes_[kLnbPower] = 1;
  bytes_[kCiMessages] = 1;
  bytes_[kPreferredSettings] = 1;
  bytes_[kGmtOffset] = 24;
  bytes_[kSignalOutput] = 1;
  bytes_[kTvSystem] = 1;
  bytes_[kUhfChannel] = 43;
  bytes_[kVolumeIndicator] = 1;
  bytes_[kVolumeTimeout] = 4;
  bytes_[kBannerTimeout] = 4;
  bytes_[kOsdTransparency] = 50;
  bytes_[kAgeLimit] = 3;
  bytes_[kFadeInOut] = 1;
  SetClock(now);
  bytes_[kAutoUpdate] = 1;
  bytes_[kSubtitles] = 1;
  bytes_[kNoCard] = 1;
  bytes_[kBrightness] = kPictureOffset;
  bytes_[kContrast] = kPictureOffset;
  bytes_[kColor] = kPictureOffset;
  for (int g = 0; g < kGroupCount; ++g) SetFavoriteGroupName(g, kDefaultGroupNames[g]);
}

bool ReceiverConfig::IsShortForm(const uint8_t* record) {
  if (record[kNetworkStart] != 0) return false;
  for (size_t i = kNetworkStart + 1; i < kSize; ++i) {
    if (record[i] != 0xFF) return false;
  }
  return true;
}

uint8_t ReceiverConfig::GetByte(size_t offset) const { return offset < kSize ? bytes_[offset] : 0; }
void ReceiverConfig::SetByte(size_t offset, uint8_t value) {
  if (offset < kSize) bytes_[offset] = value;
}

// --- General and TV ---

uint16_t ReceiverConfig::GetPassword() const {
  return static_cast<uint16_t>((bytes_[kPassword] << 8) | bytes_[kPassword + 1]);
}
void ReceiverConfig::SetPassword(uint16_t code) {
  bytes_[kPassword] = static_cast<uint8_t>(code >> 8);
  bytes_[kPassword + 1] = static_cast<uint8_t>(code);
}
std::string ReceiverConfig::GetPasswordText() const {
  return Format2("%02x%02x", bytes_[kPassword], bytes_[kPassword + 1]);
}
bool ReceiverConfig::SetPasswordText(std::string_view text) {
  if (text.size() != 4) return false;
  int digits[4];
  for (size_t i = 0; i < 4; ++i) {
    digits[i] = HexDigit(text[i]);
    if (digits[i] < 0) return false;
  }
  bytes_[kPassword] = static_cast<uint8_t>(digits[0] * 16 + digits[1]);
  bytes_[kPassword + 1] = static_cast<uint8_t>(digits[2] * 16 + digits[3]);
  return true;
}

bool ReceiverConfig::IsPowerState() const { return bytes_[kPowerState] != kPowerStateClear; }
void ReceiverConfig::SetPowerState(bool value) {
  bytes_[kPowerState] = value ? 0 : kPowerStateClear;
}
uint8_t ReceiverConfig::GetVolumeLevel() const { return bytes_[kVolumeLevel]; }
void ReceiverConfig::SetVolumeLevel(uint8_t level) { bytes_[kVolumeLevel] = level; }
bool ReceiverConfig::IsLnbOffset1V() const { return Flag(kLnbOffset1V); }
void ReceiverConfig::SetLnbOffset1V(bool value) { PutFlag(kLnbOffset1V, value); }
bool ReceiverConfig::IsLnbPower() const { return Flag(kLnbPower); }
void ReceiverConfig::SetLnbPower(bool value) { PutFlag(kLnbPower, value); }
uint8_t ReceiverConfig::GetScartOutput() const { return bytes_[kScartOutput]; }
void ReceiverConfig::SetScartOutput(uint8_t value) { bytes_[kScartOutput] = value; }
std::string_view ReceiverConfig::GetScartOutputText() const { return ScartOutputText(GetScartOutput()); }
uint8_t ReceiverConfig::GetTeletext() const { return bytes_[kTeletext]; }
void ReceiverConfig::SetTeletext(uint8_t value) { bytes_[kTeletext] = value; }
std::string_view ReceiverConfig::GetTeletextText() const { return TeletextText(GetTeletext()); }
bool ReceiverConfig::IsCiMessages() const { return Flag(kCiMessages); }
void ReceiverConfig::SetCiMessages(bool value) { PutFlag(kCiMessages, value); }

bool ReceiverConfig::IsChannelListDoubleClick() const {
  return (bytes_[kListAndRcaNibbles] & 0x0F) == 0;
}
void ReceiverConfig::SetChannelListDoubleClick(bool on) {
  bytes_[kListAndRcaNibbles] =
      static_cast<uint8_t>((bytes_[kListAndRcaNibbles] & 0xF0) | (on ? 0x00 : 0x01));
}
bool ReceiverConfig::IsRcaVolumeControl() const { return (bytes_[kListAndRcaNibbles] & 0xF0) == 0; }
void ReceiverConfig::SetRcaVolumeControl(bool on) {
  bytes_[kListAndRcaNibbles] =
      static_cast<uint8_t>((bytes_[kListAndRcaNibbles] & 0x0F) | (on ? 0x00 : 0x10));
}

uint8_t ReceiverConfig::GetMenuLanguage() const { return bytes_[kMenuLanguage]; }
void ReceiverConfig::SetMenuLanguage(uint8_t value) { bytes_[kMenuLanguage] = value; }
// The stored value is the index into the menu language list the receiver
// offers, so that list names it (the 32-entry track language table agrees
// only at 0).
std::string_view ReceiverConfig::GetMenuLanguageText() const {
  return MenuLanguageText(GetMenuLanguage());
}
uint8_t ReceiverConfig::GetMainAudioLanguage() const { return bytes_[kMainAudioLanguage]; }
void ReceiverConfig::SetMainAudioLanguage(uint8_t value) { bytes_[kMainAudioLanguage] = value; }
std::string_view ReceiverConfig::GetMainAudioLanguageText() const {
  return LanguageText(GetMainAudioLanguage());
}
uint8_t ReceiverConfig::GetAlternativeAudioLanguage() const { return bytes_[kAlterAudioLanguage]; }
void ReceiverConfig::SetAlternativeAudioLanguage(uint8_t value) { bytes_[kAlterAudioLanguage] = value; }
std::string_view ReceiverConfig::GetAlternativeAudioLanguageText() const {
  return LanguageText(GetAlternativeAudioLanguage());
}
uint8_t ReceiverConfig::GetMainSubtitleLanguage() const { return bytes_[kMainSubtitleLanguage]; }
void ReceiverConfig::SetMainSubtitleLanguage(uint8_t value) { bytes_[kMainSubtitleLanguage] = value; }
std::string_view ReceiverConfig::GetMainSubtitleLanguageText() const {
  return LanguageText(GetMainSubtitleLanguage());
}
uint8_t ReceiverConfig::GetAlternativeSubtitleLanguage() const {
  return bytes_[kAlterSubtitleLanguage];
}
void ReceiverConfig::SetAlternativeSubtitleLanguage(uint8_t value) {
  bytes_[kAlterSubtitleLanguage] = value;
}
std::string_view ReceiverConfig::GetAlternativeSubtitleLanguageText() const {
  return LanguageText(GetAlternativeSubtitleLanguage());
}
bool ReceiverConfig::IsPreferredSettings() const { return Flag(kPreferredSettings); }
void ReceiverConfig::SetPreferredSettings(bool value) { PutFlag(kPreferredSettings, value); }

uint8_t ReceiverConfig::GetGmtOffset() const { return bytes_[kGmtOffset]; }
void ReceiverConfig::SetGmtOffset(uint8_t value) { bytes_[kGmtOffset] = value; }
int ReceiverConfig::GetGmtOffsetMinutes() const { return GetGmtOffset() * 30 - 720; }
std::string ReceiverConfig::GetGmtOffsetText() const { return GmtOffsetText(GetGmtOffset()); }
std::string ReceiverConfig::GmtOffsetText(int value) {
  const long long minutes = static_cast<long long>(value) * 30 - 720;
  const long long magnitude = minutes < 0 ? -minutes : minutes;
  char text[48];
  std::snprintf(text, sizeof text, "GMT %c%02lld:%02lld", minutes < 0 ? '-' : '+', magnitude / 60,
                magnitude % 60);
  return text;
}

uint8_t ReceiverConfig::GetScreenType() const { return bytes_[kScreenType]; }
void ReceiverConfig::SetScreenType(uint8_t value) { bytes_[kScreenType] = value; }
std::string_view ReceiverConfig::GetScreenTypeText() const { return ScreenTypeText(GetScreenType()); }
uint8_t ReceiverConfig::GetSignalOutput() const { return bytes_[kSignalOutput]; }
void ReceiverConfig::SetSignalOutput(uint8_t value) { bytes_[kSignalOutput] = value; }
std::string_view ReceiverConfig::GetSignalOutputText() const {
  return SignalOutputText(GetSignalOutput());
}
uint8_t ReceiverConfig::GetTvSystem() const { return bytes_[kTvSystem]; }
void ReceiverConfig::SetTvSystem(uint8_t value) { bytes_[kTvSystem] = value; }
std::string_view ReceiverConfig::GetTvSystemText() const { return TvSystemText(GetTvSystem()); }
uint8_t ReceiverConfig::GetUhfChannel() const { return bytes_[kUhfChannel]; }
void ReceiverConfig::SetUhfChannel(uint8_t channel) { bytes_[kUhfChannel] = channel; }
bool ReceiverConfig::IsRfOutDisabled() const { return Flag(kRfOutDisabled); }
void ReceiverConfig::SetRfOutDisabled(bool value) { PutFlag(kRfOutDisabled, value); }
bool ReceiverConfig::IsMute() const { return Flag(kMute); }
void ReceiverConfig::SetMute(bool value) { PutFlag(kMute, value); }
bool ReceiverConfig::IsReceiverLock() const { return Flag(kReceiverLock); }
void ReceiverConfig::SetReceiverLock(bool value) { PutFlag(kReceiverLock, value); }
int8_t ReceiverConfig::GetFineTuning() const { return static_cast<int8_t>(bytes_[kFineTuning]); }
void ReceiverConfig::SetFineTuning(int8_t value) { bytes_[kFineTuning] = static_cast<uint8_t>(value); }
uint8_t ReceiverConfig::GetF1Button() const { return bytes_[kF1Button]; }
void ReceiverConfig::SetF1Button(uint8_t value) { bytes_[kF1Button] = value; }
std::string_view ReceiverConfig::GetF1ButtonText() const { return F1ButtonText(GetF1Button()); }
bool ReceiverConfig::IsVolumeIndicator() const { return Flag(kVolumeIndicator); }
void ReceiverConfig::SetVolumeIndicator(bool value) { PutFlag(kVolumeIndicator, value); }
uint8_t ReceiverConfig::GetVolumeTimeout() const { return bytes_[kVolumeTimeout]; }
void ReceiverConfig::SetVolumeTimeout(uint8_t value) { bytes_[kVolumeTimeout] = value; }
uint8_t ReceiverConfig::GetBannerTimeout() const { return bytes_[kBannerTimeout]; }
void ReceiverConfig::SetBannerTimeout(uint8_t value) { bytes_[kBannerTimeout] = value; }
uint8_t ReceiverConfig::GetOsdTransparency() const { return bytes_[kOsdTransparency]; }
void ReceiverConfig::SetOsdTransparency(uint8_t percent) { bytes_[kOsdTransparency] = percent; }
uint8_t ReceiverConfig::GetAgeLimit() const { return bytes_[kAgeLimit]; }
void ReceiverConfig::SetAgeLimit(uint8_t age) { bytes_[kAgeLimit] = age; }
std::string ReceiverConfig::GetAgeLimitText() const {
  if (GetAgeLimit() < 4) return "None";
  return std::to_string(GetAgeLimit());
}
bool ReceiverConfig::IsChannelLock() const { return Flag(kChannelLock); }
void ReceiverConfig::SetChannelLock(bool value) { PutFlag(kChannelLock, value); }
bool ReceiverConfig::IsInstallationLock() const { return Flag(kInstallationLock); }
void ReceiverConfig::SetInstallationLock(bool value) { PutFlag(kInstallationLock, value); }
bool ReceiverConfig::IsFadeInOut() const { return Flag(kFadeInOut); }
void ReceiverConfig::SetFadeInOut(bool value) { PutFlag(kFadeInOut, value); }

// --- Clock ---

int ReceiverConfig::ReadClockField(size_t offset) const {
  return static_cast<int>(ReadU32LE(bytes_ + offset));
}
void ReceiverConfig::WriteClockField(size_t offset, int value) {
  WriteU32LE(bytes_ + offset, static_cast<uint32_t>(value));
}

int ReceiverConfig::GetClockYear() const {
  // 64-bit sum: a garbage year field must not overflow.
  return static_cast<int>(static_cast<int64_t>(ReadClockField(kClockYear)) + kClockYearBase);
}
void ReceiverConfig::SetClockYear(int year) {
  WriteU32LE(bytes_ + kClockYear, static_cast<uint32_t>(static_cast<int64_t>(year) - kClockYearBase));
}
int ReceiverConfig::GetClockMonth() const { return ReadClockField(kClockMonth); }
void ReceiverConfig::SetClockMonth(int month) { WriteClockField(kClockMonth, month); }
int ReceiverConfig::GetClockDay() const { return ReadClockField(kClockDay); }
void ReceiverConfig::SetClockDay(int day) { WriteClockField(kClockDay, day); }
int ReceiverConfig::GetClockHour() const { return ReadClockField(kClockHour); }
void ReceiverConfig::SetClockHour(int hour) { WriteClockField(kClockHour, hour); }
int ReceiverConfig::GetClockMinute() const { return ReadClockField(kClockMinute); }
void ReceiverConfig::SetClockMinute(int minute) { WriteClockField(kClockMinute, minute); }
int ReceiverConfig::GetClockSecond() const { return ReadClockField(kClockSecond); }
void ReceiverConfig::SetClockSecond(int second) { WriteClockField(kClockSecond, second); }
int ReceiverConfig::GetClockDayOfWeek() const { return ReadClockField(kClockDayOfWeek); }
void ReceiverConfig::SetClockDayOfWeek(int dayOfWeek) { WriteClockField(kClockDayOfWeek, dayOfWeek); }

void ReceiverConfig::SetClock(const LocalDateTime& now) {
  SetClockYear(now.year);
  SetClockMonth(now.month);
  SetClockDay(now.day);
  SetClockHour(now.hour);
  SetClockMinute(now.minute);
  SetClockSecond(0);
  SetClockDayOfWeek(now.dayOfWeek);
}

std::string ReceiverConfig::GetClockText() const {
  return FormatDateTime(GetClockDay(), GetClockMonth(), GetClockYear(), GetClockHour(),
                        GetClockMinute());
}

bool ReceiverConfig::SetClockText(std::string_view text) {
  // "dd/mm/yyyy hh:mm"
  if (text.size() != 16 || text[2] != '/' || text[5] != '/' || text[10] != ' ' || text[13] != ':') {
    return false;
  }
  const int day = ReadDigits(text, 0, 2);
  const int month = ReadDigits(text, 3, 2);
  const int year = ReadDigits(text, 6, 4);
  const int hour = ReadDigits(text, 11, 2);
  const int minute = ReadDigits(text, 14, 2);
  if (day < 0 || month < 0 || year < 0 || hour < 0 || minute < 0) return false;
  if (hour > 23 || minute > 59) return false;
  const uint32_t mjd = CalendarDateToMjd(year, month, day);
  if (mjd == 0) return false;
  SetClock(LocalDateTime{year, month, day, hour, minute, MjdToDate(mjd).weekday});
  return true;
}

// --- Further flags and location ---

bool ReceiverConfig::IsHddInit() const { return Flag(kHddInit); }
void ReceiverConfig::SetHddInit(bool value) { PutFlag(kHddInit, value); }
bool ReceiverConfig::IsAutoUpdate() const { return Flag(kAutoUpdate); }
void ReceiverConfig::SetAutoUpdate(bool value) { PutFlag(kAutoUpdate, value); }
bool ReceiverConfig::IsSubtitles() const { return Flag(kSubtitles); }
void ReceiverConfig::SetSubtitles(bool value) { PutFlag(kSubtitles, value); }
bool ReceiverConfig::IsDiagnostics() const { return Flag(kDiagnostics); }
void ReceiverConfig::SetDiagnostics(bool value) { PutFlag(kDiagnostics, value); }
bool ReceiverConfig::IsNoCard() const { return bytes_[kNoCard] == 0; }
void ReceiverConfig::SetNoCard(bool value) { bytes_[kNoCard] = value ? 0 : 1; }
bool ReceiverConfig::IsHddFormat() const { return Flag(kHddFormat); }
void ReceiverConfig::SetHddFormat(bool value) { PutFlag(kHddFormat, value); }

int16_t ReceiverConfig::GetLongitude() const {
  return static_cast<int16_t>(ReadU16LE(bytes_ + kLongitude));
}
void ReceiverConfig::SetLongitude(int16_t tenths) {
  WriteU16LE(bytes_ + kLongitude, static_cast<uint16_t>(tenths));
}
std::string ReceiverConfig::GetLongitudeText() const { return EastWestPositionText(GetLongitude()); }
bool ReceiverConfig::SetLongitudeText(std::string_view text) {
  int16_t value = 0;
  if (!ParsePositionText(text, 'E', 'W', value)) return false;
  SetLongitude(value);
  return true;
}
int16_t ReceiverConfig::GetLatitude() const {
  return static_cast<int16_t>(ReadU16LE(bytes_ + kLatitude));
}
void ReceiverConfig::SetLatitude(int16_t tenths) {
  WriteU16LE(bytes_ + kLatitude, static_cast<uint16_t>(tenths));
}
std::string ReceiverConfig::GetLatitudeText() const { return NorthSouthPositionText(GetLatitude()); }
bool ReceiverConfig::SetLatitudeText(std::string_view text) {
  int16_t value = 0;
  if (!ParsePositionText(text, 'N', 'S', value)) return false;
  SetLatitude(value);
  return true;
}

int ReceiverConfig::GetBrightness() const { return bytes_[kBrightness] - kPictureOffset; }
void ReceiverConfig::SetBrightness(int value) {
  bytes_[kBrightness] = static_cast<uint8_t>(value + kPictureOffset);
}
int ReceiverConfig::GetContrast() const { return bytes_[kContrast] - kPictureOffset; }
void ReceiverConfig::SetContrast(int value) {
  bytes_[kContrast] = static_cast<uint8_t>(value + kPictureOffset);
}
int ReceiverConfig::GetColor() const { return bytes_[kColor] - kPictureOffset; }
void ReceiverConfig::SetColor(int value) { bytes_[kColor] = static_cast<uint8_t>(value + kPictureOffset); }

// --- Timers ---

uint8_t* ReceiverConfig::Timer(int t) const {
  if (t < 0 || t >= kTimerCount) return nullptr;
  return bytes_ + kTimerBase + static_cast<size_t>(t) * kTimerSize;
}

uint16_t ReceiverConfig::GetTimerChannel(int t) const {
  const uint8_t* timer = Timer(t);
  return timer ? ReadU16LE(timer + kTimerChannel) : 0;
}
void ReceiverConfig::SetTimerChannel(int t, uint16_t channel) {
  uint8_t* timer = Timer(t);
  if (!timer) return;
  WriteU16LE(timer + kTimerChannel, channel);
  WriteU16LE(timer + kTimerSecondId, channel);
  WriteU16LE(timer + kTimerThirdId, channel);
}
uint16_t ReceiverConfig::GetTimerSecondChannelId(int t) const {
  const uint8_t* timer = Timer(t);
  return timer ? ReadU16LE(timer + kTimerSecondId) : 0;
}
void ReceiverConfig::SetTimerSecondChannelId(int t, uint16_t id) {
  if (uint8_t* timer = Timer(t)) WriteU16LE(timer + kTimerSecondId, id);
}
uint16_t ReceiverConfig::GetTimerThirdChannelId(int t) const {
  const uint8_t* timer = Timer(t);
  return timer ? ReadU16LE(timer + kTimerThirdId) : 0;
}
void ReceiverConfig::SetTimerThirdChannelId(int t, uint16_t id) {
  if (uint8_t* timer = Timer(t)) WriteU16LE(timer + kTimerThirdId, id);
}

uint16_t ReceiverConfig::GetTimerDuration(int t) const {
  const uint8_t* timer = Timer(t);
  return timer ? ReadU16LE(timer + kTimerDuration) : 0;
}
void ReceiverConfig::SetTimerDuration(int t, uint16_t minutes) {
  if (uint8_t* timer = Timer(t)) WriteU16LE(timer + kTimerDuration, minutes);
}
std::string ReceiverConfig::GetTimerDurationText(int t) const {
  if (!Timer(t)) return {};
  const int minutes = GetTimerDuration(t);
  return Format2("%02d:%02d", minutes / 60, minutes % 60);
}

uint32_t ReceiverConfig::GetTimerStartMjd(int t) const {
  const uint8_t* timer = Timer(t);
  return timer ? ReadU32LE(timer + kTimerStartMjd) : 0;
}
void ReceiverConfig::SetTimerStartMjd(int t, uint32_t mjd) {
  if (uint8_t* timer = Timer(t)) WriteU32LE(timer + kTimerStartMjd, mjd);
}
MjdDate ReceiverConfig::GetTimerStartDate(int t) const { return MjdToDate(GetTimerStartMjd(t)); }
bool ReceiverConfig::SetTimerStartDate(int t, int year, int month, int day) {
  if (!Timer(t)) return false;
  const uint32_t mjd = CalendarDateToMjd(year, month, day);
  if (mjd == 0) return false;
  SetTimerStartMjd(t, mjd);
  return true;
}

uint32_t ReceiverConfig::GetTimerWord(int t) const {
  const uint8_t* timer = Timer(t);
  return timer ? ReadU32LE(timer + kTimerWord) : 0;
}
void ReceiverConfig::SetTimerWord(int t, uint32_t word) {
  if (uint8_t* timer = Timer(t)) WriteU32LE(timer + kTimerWord, word);
}

uint8_t ReceiverConfig::GetTimerMode(int t) const {
  return static_cast<uint8_t>(GetBits(GetTimerWord(t), kModeShift, kModeWidth));
}
void ReceiverConfig::SetTimerMode(int t, uint32_t mode) {
  SetTimerWord(t, SetBits(GetTimerWord(t), kModeShift, kModeWidth, mode));
}
std::string_view ReceiverConfig::GetTimerModeText(int t) const {
  return Timer(t) ? TimerModeText(GetTimerMode(t)) : std::string_view();
}
uint8_t ReceiverConfig::GetTimerHour(int t) const {
  return static_cast<uint8_t>(GetBits(GetTimerWord(t), kHourShift, kHourWidth));
}
void ReceiverConfig::SetTimerHour(int t, uint32_t hour) {
  SetTimerWord(t, SetBits(GetTimerWord(t), kHourShift, kHourWidth, hour));
}
uint8_t ReceiverConfig::GetTimerMinute(int t) const {
  return static_cast<uint8_t>(GetBits(GetTimerWord(t), kMinuteShift, kMinuteWidth));
}
void ReceiverConfig::SetTimerMinute(int t, uint32_t minute) {
  SetTimerWord(t, SetBits(GetTimerWord(t), kMinuteShift, kMinuteWidth, minute));
}
uint8_t ReceiverConfig::GetTimerWeekday(int t) const {
  return static_cast<uint8_t>(GetBits(GetTimerWord(t), kWeekdayShift, kWeekdayWidth));
}
void ReceiverConfig::SetTimerWeekday(int t, uint32_t weekday) {
  SetTimerWord(t, SetBits(GetTimerWord(t), kWeekdayShift, kWeekdayWidth, weekday));
}
std::string_view ReceiverConfig::GetTimerWeekdayText(int t) const {
  if (!Timer(t)) return {};
  const int weekday = GetTimerWeekday(t);
  return WeekdayShortText(weekday == 0 ? 1 : weekday);
}
uint8_t ReceiverConfig::GetTimerOption(int t, int which) const {
  if (which < 0 || which > 1) return 0;
  const unsigned shift = kOptionShift + kOptionWidth * static_cast<unsigned>(which);
  return static_cast<uint8_t>(GetBits(GetTimerWord(t), shift, kOptionWidth));
}
void ReceiverConfig::SetTimerOption(int t, int which, uint32_t value) {
  if (which < 0 || which > 1) return;
  const unsigned shift = kOptionShift + kOptionWidth * static_cast<unsigned>(which);
  SetTimerWord(t, SetBits(GetTimerWord(t), shift, kOptionWidth, value));
}
bool ReceiverConfig::IsTimerOptionSet(int t, int which) const { return GetTimerOption(t, which) == 1; }
bool ReceiverConfig::IsTimerHddSave(int t) const {
  return GetBits(GetTimerWord(t), kHddSaveShift, 1) != 0;
}
void ReceiverConfig::SetTimerHddSave(int t, bool value) {
  SetTimerWord(t, SetBits(GetTimerWord(t), kHddSaveShift, 1, value ? 1 : 0));
}

std::string ReceiverConfig::GetTimerDateTimeText(int t) const {
  if (!Timer(t)) return {};
  const MjdDate date = GetTimerStartDate(t);
  return FormatDateTime(date.day, date.month, date.year, GetTimerHour(t), GetTimerMinute(t));
}
std::string ReceiverConfig::GetTimerTimeText(int t) const {
  if (!Timer(t)) return {};
  return Format2("%02d:%02d", GetTimerHour(t), GetTimerMinute(t));
}
std::string ReceiverConfig::GetTimerWeeklyText(int t) const {
  if (!Timer(t)) return {};
  const std::string weekday(GetTimerWeekdayText(t));
  char text[64];
  std::snprintf(text, sizeof text, "%02d:%02d   %02d (%s)", GetTimerHour(t), GetTimerMinute(t),
                GetTimerStartDate(t).day, weekday.c_str());
  return text;
}
std::string ReceiverConfig::GetTimerStartText(int t) const {
  switch (GetTimerMode(t)) {
    case 0: return {};
    case 4: return GetTimerTimeText(t);
    case 5: return GetTimerWeeklyText(t);
    default: return GetTimerDateTimeText(t);
  }
}

// --- Favourite group names ---

std::string ReceiverConfig::GetFavoriteGroupName(int g) const {
  if (g < 0 || g >= kGroupCount) return {};
  return ReadFixedText(bytes_ + kGroupNames + static_cast<size_t>(g) * kGroupNameWidth,
                       kGroupNameWidth);
}
void ReceiverConfig::SetFavoriteGroupName(int g, std::string_view name) {
  if (g < 0 || g >= kGroupCount) return;
  WriteFixedText(bytes_ + kGroupNames + static_cast<size_t>(g) * kGroupNameWidth, kGroupNameWidth,
                 name);
}

// --- Allocation hints ---

uint16_t ReceiverConfig::GetTransponderHint() const { return ReadU16LE(bytes_ + kTransponderHint); }
void ReceiverConfig::SetTransponderHint(uint16_t slot) { WriteU16LE(bytes_ + kTransponderHint, slot); }
uint16_t ReceiverConfig::GetChannelHint() const { return ReadU16LE(bytes_ + kChannelHint); }
void ReceiverConfig::SetChannelHint(uint16_t slot) { WriteU16LE(bytes_ + kChannelHint, slot); }

// --- Network block ---

Ipv4Address ReceiverConfig::ReadAddress(size_t offset) const {
  return {bytes_[offset], bytes_[offset + 1], bytes_[offset + 2], bytes_[offset + 3]};
}
void ReceiverConfig::WriteAddress(size_t offset, const Ipv4Address& address) {
  std::memcpy(bytes_ + offset, address.data(), address.size());
}
bool ReceiverConfig::WriteAddressText(size_t offset, std::string_view text) {
  uint8_t parsed[4];
  if (!ParseAddress(text, parsed)) return false;
  std::memcpy(bytes_ + offset, parsed, sizeof parsed);
  return true;
}

Ipv4Address ReceiverConfig::GetLocalIp() const { return ReadAddress(kLocalIp); }
void ReceiverConfig::SetLocalIp(const Ipv4Address& address) { WriteAddress(kLocalIp, address); }
std::string ReceiverConfig::GetLocalIpText() const { return AddressText(bytes_ + kLocalIp); }
bool ReceiverConfig::SetLocalIpText(std::string_view text) { return WriteAddressText(kLocalIp, text); }
Ipv4Address ReceiverConfig::GetGateway() const { return ReadAddress(kGateway); }
void ReceiverConfig::SetGateway(const Ipv4Address& address) { WriteAddress(kGateway, address); }
std::string ReceiverConfig::GetGatewayText() const { return AddressText(bytes_ + kGateway); }
bool ReceiverConfig::SetGatewayText(std::string_view text) { return WriteAddressText(kGateway, text); }
Ipv4Address ReceiverConfig::GetSubnetMask() const { return ReadAddress(kSubnetMask); }
void ReceiverConfig::SetSubnetMask(const Ipv4Address& address) { WriteAddress(kSubnetMask, address); }
std::string ReceiverConfig::GetSubnetMaskText() const { return AddressText(bytes_ + kSubnetMask); }
bool ReceiverConfig::SetSubnetMaskText(std::string_view text) {
  return WriteAddressText(kSubnetMask, text);
}
Ipv4Address ReceiverConfig::GetExtraAddress() const { return ReadAddress(kExtraAddress); }
void ReceiverConfig::SetExtraAddress(const Ipv4Address& address) {
  WriteAddress(kExtraAddress, address);
}

uint16_t ReceiverConfig::GetPort() const { return ReadU16LE(bytes_ + kPort); }
void ReceiverConfig::SetPort(uint16_t port) { WriteU16LE(bytes_ + kPort, port); }
bool ReceiverConfig::IsDhcp() const { return Flag(kDhcp); }
void ReceiverConfig::SetDhcp(bool value) { PutFlag(kDhcp, value); }
uint8_t ReceiverConfig::GetConnectionMode() const { return bytes_[kConnectionMode]; }
void ReceiverConfig::SetConnectionMode(uint8_t value) { bytes_[kConnectionMode] = value; }
std::string_view ReceiverConfig::GetConnectionModeText() const {
  return ConnectionModeText(GetConnectionMode());
}

std::string ReceiverConfig::GetNetworkId() const {
  return ReadFixedText(bytes_ + kNetworkId, kNetworkIdWidth);
}
void ReceiverConfig::SetNetworkId(std::string_view id) {
  WriteFixedText(bytes_ + kNetworkId, kNetworkIdWidth, id);
}
std::string ReceiverConfig::GetNetworkPassword() const {
  return ReadFixedText(bytes_ + kNetworkPassword, kNetworkPasswordMax);
}
void ReceiverConfig::SetNetworkPassword(std::string_view password) {
  // At most 11 characters, always terminated inside the 12-byte field.
  WriteFixedText(bytes_ + kNetworkPassword, kNetworkPasswordField,
                 password.substr(0, kNetworkPasswordMax));
}

std::string ReceiverConfig::AddressText(const uint8_t address[4]) {
  char text[24];
  std::snprintf(text, sizeof text, "%03d.%03d.%03d.%03d", address[0], address[1], address[2],
                address[3]);
  return text;
}

bool ReceiverConfig::ParseAddress(std::string_view text, uint8_t out[4]) {
  uint8_t parts[4];
  size_t pos = 0;
  for (int part = 0; part < 4; ++part) {
    const size_t start = pos;
    int value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
      value = value * 10 + (text[pos] - '0');
      if (value > 255) return false;
      ++pos;
    }
    const size_t digits = pos - start;
    if (digits == 0) return false;
    if (part < 3) {
      // The first three parts are 1 to 3 digits, each followed by a dot.
      if (digits > 3 || pos >= text.size() || text[pos] != '.') return false;
      ++pos;
    }
    parts[part] = static_cast<uint8_t>(value);
  }
  if (pos != text.size()) return false;
  std::memcpy(out, parts, sizeof parts);
  return true;
}

}  // namespace vq
