#pragma once
// View over the stored 772-byte receiver configuration record: TV output,
// languages, clock, timers, parental control, on-screen display, power,
// location, favourite group names, the table allocation hints and the
// network block (bytes 727..771, only meaningful in the long form).
// Flags read as set only for the value 1 unless stated otherwise. Reserved
// bytes have no named accessor and are carried unchanged.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "database/local_date_time.h"
#include "database/mjd_date.h"
#include "image/image_layout.h"

namespace vq {

using Ipv4Address = std::array<uint8_t, 4>;

class ReceiverConfig {
 public:
  static constexpr size_t kSize = kConfigRecordSize;             // 772
  static constexpr size_t kShortSize = kConfigRecordShortSize;   // 728
  static constexpr int kTimerCount = 8;
  static constexpr int kGroupCount = 8;
  static constexpr size_t kGroupNameWidth = 16;
  static constexpr uint16_t kFactoryPassword = 0x1234;  // lock code "1234"
  static constexpr uint8_t kPowerStateClear = 82;

  explicit ReceiverConfig(uint8_t* bytes) : bytes_(bytes) {}
  uint8_t* Bytes() const { return bytes_; }

  // Zeroes all 772 bytes, then writes every default, the factory lock code,
  // the clock from `now` (second 0) and the default group names.
  void ResetDefaults(const LocalDateTime& now);

  // True when bytes 727..771 of `record` (772 bytes) are one 0 followed by
  // 44 x 0xFF: a record read from a 728-byte block.
  static bool IsShortForm(const uint8_t* record);

  // Raw byte access for reserved bytes; out of range reads 0 and writes
  // nothing.
  uint8_t GetByte(size_t offset) const;
  void SetByte(size_t offset, uint8_t value);

  // --- General and TV ---
  // Lock code as four hex digits: the first byte holds the first two.
  uint16_t GetPassword() const;
  void SetPassword(uint16_t code);
  std::string GetPasswordText() const;         // "%02x%02x"
  bool SetPasswordText(std::string_view text);  // four hex digits, else false

  // Shown as set when the byte is not 82; set writes 0, clear writes 82.
  bool IsPowerState() const;
  void SetPowerState(bool value);
  uint8_t GetVolumeLevel() const;
  void SetVolumeLevel(uint8_t level);
  bool IsLnbOffset1V() const;
  void SetLnbOffset1V(bool value);
  bool IsLnbPower() const;
  void SetLnbPower(bool value);
  uint8_t GetScartOutput() const;  // 0 RGB, 1 CVBS
  void SetScartOutput(uint8_t value);
  std::string_view GetScartOutputText() const;
  uint8_t GetTeletext() const;     // 1 SOFT_TTX, other VBI MODE
  void SetTeletext(uint8_t value);
  std::string_view GetTeletextText() const;
  bool IsCiMessages() const;
  void SetCiMessages(bool value);
  // Inverted nibbles of byte 25: 0 means on; the setters write 0 / 1.
  bool IsChannelListDoubleClick() const;
  void SetChannelListDoubleClick(bool on);
  bool IsRcaVolumeControl() const;
  void SetRcaVolumeControl(bool on);

  // Languages: indexes into the language table.
  uint8_t GetMenuLanguage() const;
  void SetMenuLanguage(uint8_t value);
  std::string_view GetMenuLanguageText() const;
  uint8_t GetMainAudioLanguage() const;
  void SetMainAudioLanguage(uint8_t value);
  std::string_view GetMainAudioLanguageText() const;
  uint8_t GetAlternativeAudioLanguage() const;
  void SetAlternativeAudioLanguage(uint8_t value);
  std::string_view GetAlternativeAudioLanguageText() const;
  uint8_t GetMainSubtitleLanguage() const;
  void SetMainSubtitleLanguage(uint8_t value);
  std::string_view GetMainSubtitleLanguageText() const;
  uint8_t GetAlternativeSubtitleLanguage() const;
  void SetAlternativeSubtitleLanguage(uint8_t value);
  std::string_view GetAlternativeSubtitleLanguageText() const;
  bool IsPreferredSettings() const;
  void SetPreferredSettings(bool value);

  // GMT offset: minutes = value * 30 - 720.
  uint8_t GetGmtOffset() const;
  void SetGmtOffset(uint8_t value);
  int GetGmtOffsetMinutes() const;
  std::string GetGmtOffsetText() const;  // "GMT %c%02d:%02d"
  static std::string GmtOffsetText(int value);

  uint8_t GetScreenType() const;  // 0 4:3, 1 16:9, 2 Pan&Scan
  void SetScreenType(uint8_t value);
  std::string_view GetScreenTypeText() const;
  uint8_t GetSignalOutput() const;  // 0 MULTI, 1 PAL
  void SetSignalOutput(uint8_t value);
  std::string_view GetSignalOutputText() const;
  uint8_t GetTvSystem() const;  // 0 NTSC-M, 1 PAL-B/G, 2 PAL-I, 3 PAL-D/K
  void SetTvSystem(uint8_t value);
  std::string_view GetTvSystemText() const;
  uint8_t GetUhfChannel() const;
  void SetUhfChannel(uint8_t channel);
  bool IsRfOutDisabled() const;
  void SetRfOutDisabled(bool value);
  bool IsMute() const;
  void SetMute(bool value);
  bool IsReceiverLock() const;
  void SetReceiverLock(bool value);
  // Signed byte (the pane offers -4..4).
  int8_t GetFineTuning() const;
  void SetFineTuning(int8_t value);
  uint8_t GetF1Button() const;  // 0 Sleep Timer .. 4 Zoom
  void SetF1Button(uint8_t value);
  std::string_view GetF1ButtonText() const;
  bool IsVolumeIndicator() const;
  void SetVolumeIndicator(bool value);
  uint8_t GetVolumeTimeout() const;
  void SetVolumeTimeout(uint8_t value);
  uint8_t GetBannerTimeout() const;
  void SetBannerTimeout(uint8_t value);
  uint8_t GetOsdTransparency() const;  // percent
  void SetOsdTransparency(uint8_t percent);
  uint8_t GetAgeLimit() const;
  void SetAgeLimit(uint8_t age);
  std::string GetAgeLimitText() const;  // "None" below 4, else the age
  bool IsChannelLock() const;
  void SetChannelLock(bool value);
  bool IsInstallationLock() const;
  void SetInstallationLock(bool value);
  bool IsFadeInOut() const;
  void SetFadeInOut(bool value);

  // --- Clock ---
  int GetClockYear() const;  // full year (stored as year - 1900)
  void SetClockYear(int year);
  int GetClockMonth() const;
  void SetClockMonth(int month);
  int GetClockDay() const;
  void SetClockDay(int day);
  int GetClockHour() const;
  void SetClockHour(int hour);
  int GetClockMinute() const;
  void SetClockMinute(int minute);
  int GetClockSecond() const;
  void SetClockSecond(int second);
  int GetClockDayOfWeek() const;  // 1 Monday .. 7 Sunday
  void SetClockDayOfWeek(int dayOfWeek);
  // Sets every clock field from `now`, second 0.
  void SetClock(const LocalDateTime& now);
  std::string GetClockText() const;  // "%02d/%02d/%04d %02d:%02d"
  // Parses "dd/mm/yyyy hh:mm", sets the fields (second 0) and the weekday of
  // the date; false and no change on a bad text or date.
  bool SetClockText(std::string_view text);

  // --- Further flags and location ---
  bool IsHddInit() const;
  void SetHddInit(bool value);
  bool IsAutoUpdate() const;
  void SetAutoUpdate(bool value);
  bool IsSubtitles() const;
  void SetSubtitles(bool value);
  bool IsDiagnostics() const;
  void SetDiagnostics(bool value);
  // Inverted: set when the byte is 0; the setter writes 0 / 1.
  bool IsNoCard() const;
  void SetNoCard(bool value);
  bool IsHddFormat() const;
  void SetHddFormat(bool value);
  int16_t GetLongitude() const;  // tenths of a degree, east positive
  void SetLongitude(int16_t tenths);
  std::string GetLongitudeText() const;
  bool SetLongitudeText(std::string_view text);
  int16_t GetLatitude() const;  // tenths of a degree, north positive
  void SetLatitude(int16_t tenths);
  std::string GetLatitudeText() const;
  bool SetLatitudeText(std::string_view text);
  // Shown values; stored with +16.
  int GetBrightness() const;
  void SetBrightness(int value);
  int GetContrast() const;
  void SetContrast(int value);
  int GetColor() const;
  void SetColor(int value);

  // --- Timers t = 0..7 (bad t: getters 0 / "", setters do nothing) ---
  uint16_t GetTimerChannel(int t) const;
  // Writes the channel index into all three identifier fields.
  void SetTimerChannel(int t, uint16_t channel);
  uint16_t GetTimerSecondChannelId(int t) const;
  void SetTimerSecondChannelId(int t, uint16_t id);
  uint16_t GetTimerThirdChannelId(int t) const;
  void SetTimerThirdChannelId(int t, uint16_t id);
  uint16_t GetTimerDuration(int t) const;  // minutes
  void SetTimerDuration(int t, uint16_t minutes);
  std::string GetTimerDurationText(int t) const;  // "%02d:%02d"
  uint32_t GetTimerStartMjd(int t) const;
  void SetTimerStartMjd(int t, uint32_t mjd);
  MjdDate GetTimerStartDate(int t) const;
  // Sets the start date from a calendar date; false and no change when the
  // date does not exist (30 February) or has no MJD.
  bool SetTimerStartDate(int t, int year, int month, int day);
  uint32_t GetTimerWord(int t) const;
  void SetTimerWord(int t, uint32_t word);
  uint8_t GetTimerMode(int t) const;  // 0 Not Defined .. 5 Weekly
  void SetTimerMode(int t, uint32_t mode);
  std::string_view GetTimerModeText(int t) const;
  uint8_t GetTimerHour(int t) const;
  void SetTimerHour(int t, uint32_t hour);
  uint8_t GetTimerMinute(int t) const;
  void SetTimerMinute(int t, uint32_t minute);
  uint8_t GetTimerWeekday(int t) const;  // 1..7 as stored (0 possible)
  void SetTimerWeekday(int t, uint32_t weekday);
  std::string_view GetTimerWeekdayText(int t) const;  // stored 0 reads "Mon"
  // The two 2-bit options, which = 0 (bits 24..25) or 1 (bits 26..27).
  uint8_t GetTimerOption(int t, int which) const;
  void SetTimerOption(int t, int which, uint32_t value);
  bool IsTimerOptionSet(int t, int which) const;  // value 1
  bool IsTimerHddSave(int t) const;
  void SetTimerHddSave(int t, bool value);
  std::string GetTimerDateTimeText(int t) const;  // "%02d/%02d/%04d %02d:%02d"
  std::string GetTimerTimeText(int t) const;      // "%02d:%02d"
  std::string GetTimerWeeklyText(int t) const;    // "%02d:%02d   %02d (%s)"
  // The start text of the timer's mode: "" for Not Defined, the time for
  // Daily, the weekly form for Weekly, the date and time otherwise.
  std::string GetTimerStartText(int t) const;

  // --- Favourite group names g = 0..7 ---
  std::string GetFavoriteGroupName(int g) const;
  void SetFavoriteGroupName(int g, std::string_view name);

  // --- Allocation hints ---
  uint16_t GetTransponderHint() const;
  void SetTransponderHint(uint16_t slot);
  uint16_t GetChannelHint() const;
  void SetChannelHint(uint16_t slot);

  // --- Network block ---
  Ipv4Address GetLocalIp() const;
  void SetLocalIp(const Ipv4Address& address);
  std::string GetLocalIpText() const;
  bool SetLocalIpText(std::string_view text);
  Ipv4Address GetGateway() const;
  void SetGateway(const Ipv4Address& address);
  std::string GetGatewayText() const;
  bool SetGatewayText(std::string_view text);
  Ipv4Address GetSubnetMask() const;
  void SetSubnetMask(const Ipv4Address& address);
  std::string GetSubnetMaskText() const;
  bool SetSubnetMaskText(std::string_view text);
  // The fourth address of the block, not shown by the editor.
  Ipv4Address GetExtraAddress() const;
  void SetExtraAddress(const Ipv4Address& address);
  uint16_t GetPort() const;
  void SetPort(uint16_t port);
  bool IsDhcp() const;
  void SetDhcp(bool value);
  uint8_t GetConnectionMode() const;  // 1 Auto, other Manual
  void SetConnectionMode(uint8_t value);
  std::string_view GetConnectionModeText() const;
  // Login ID and password, up to 11 characters each.
  std::string GetNetworkId() const;
  void SetNetworkId(std::string_view id);
  std::string GetNetworkPassword() const;
  void SetNetworkPassword(std::string_view password);

  // "%03d.%03d.%03d.%03d".
  static std::string AddressText(const uint8_t address[4]);
  // Four decimal parts 0..255 separated by '.', each 1 to 3 digits; false on
  // any other shape, `out` then untouched.
  static bool ParseAddress(std::string_view text, uint8_t out[4]);

 private:
  bool Flag(size_t offset) const { return bytes_[offset] == 1; }
  void PutFlag(size_t offset, bool value) { bytes_[offset] = value ? 1 : 0; }
  uint8_t* Timer(int t) const;  // nullptr for a bad t
  Ipv4Address ReadAddress(size_t offset) const;
  void WriteAddress(size_t offset, const Ipv4Address& address);
  bool WriteAddressText(size_t offset, std::string_view text);
  int ReadClockField(size_t offset) const;
  void WriteClockField(size_t offset, int value);

  uint8_t* bytes_;
};

}  // namespace vq
