#include "editing/settings/settings_values.h"

#include <algorithm>
#include <cstdio>

#include "common/text_translation.h"
#include "database/mjd_date.h"
#include "database/position_text.h"

namespace vq {
namespace {

constexpr ValueRange kUhfRanges[] = {{14, 81}, {21, 69}, {21, 69}, {13, 61}};

// Reads a run of digits at `pos` into `value`; the count of digits read.
size_t ReadDigits(std::string_view text, size_t& pos, long& value, size_t maxDigits) {
  const size_t start = pos;
  value = 0;
  while (pos < text.size() && pos - start < maxDigits && text[pos] >= '0' && text[pos] <= '9')
    value = value * 10 + (text[pos++] - '0');
  return pos - start;
}

bool Expect(std::string_view text, size_t& pos, std::string_view literal) {
  if (text.substr(pos, literal.size()) != literal) return false;
  pos += literal.size();
  return true;
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

void SkipSpaces(std::string_view text, size_t& pos) {
  while (pos < text.size() && text[pos] == ' ') ++pos;
}

bool ParseLocation(std::string_view text, char positive, char negative, long maxTenths,
                   int16_t& out) {
  size_t pos = 0;
  SkipSpaces(text, pos);
  long whole = 0;
  if (ReadDigits(text, pos, whole, 3) == 0) return false;
  long tenths = whole * 10;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    long digit = 0;
    if (ReadDigits(text, pos, digit, 1) != 1) return false;
    tenths += digit;
  }
  SkipSpaces(text, pos);
  if (pos >= text.size()) return false;
  const char letter = Upper(text[pos++]);
  SkipSpaces(text, pos);
  if (pos != text.size() || (letter != positive && letter != negative) || tenths > maxTenths)
    return false;
  out = static_cast<int16_t>(letter == positive ? tenths : -tenths);
  return true;
}

// "HH:mm" at `pos`: hour 0..23, minute 0..59, two digits each.
bool ReadClock(std::string_view text, size_t& pos, int& hour, int& minute) {
  long h = 0;
  long m = 0;
  if (ReadDigits(text, pos, h, 2) != 2 || !Expect(text, pos, ":") ||
      ReadDigits(text, pos, m, 2) != 2 || h > 23 || m > 59)
    return false;
  hour = static_cast<int>(h);
  minute = static_cast<int>(m);
  return true;
}

std::string Clock(int hour, int minute) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
  return text;
}

// The stored weekday of a weekly timer, in the user's language.
std::string WeekdayText(const ReceiverConfig& config, int t) {
  return TranslatedText(std::string(config.GetTimerWeekdayText(t)));
}

}  // namespace

ValueRange UhfChannelRange(int tvSystem) {
  if (tvSystem >= 0 && tvSystem < static_cast<int>(std::size(kUhfRanges)))
    return kUhfRanges[tvSystem];
  return {13, 81};
}

void SetTvSystemKeepingUhf(ReceiverConfig config, uint8_t tvSystem) {
  config.SetTvSystem(tvSystem);
  const ValueRange range = UhfChannelRange(tvSystem);
  config.SetUhfChannel(
      static_cast<uint8_t>(std::clamp<int>(config.GetUhfChannel(), range.minimum, range.maximum)));
}

bool ParseLongitudeText(std::string_view text, int16_t& out) {
  return ParseLocation(text, 'E', 'W', kMaxLongitudeTenths, out);
}

bool ParseLatitudeText(std::string_view text, int16_t& out) {
  return ParseLocation(text, 'N', 'S', kMaxLatitudeTenths, out);
}

bool IsLockCodeText(std::string_view text) {
  return text.size() == 4 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool HasTimerStartDate(const ReceiverConfig& config, int t) {
  const uint32_t mjd = config.GetTimerStartMjd(t);
  const MjdDate date = MjdToDate(mjd);
  return mjd != 0 && CalendarDateToMjd(date.year, date.month, date.day) == mjd;
}

void SetTimerModeWithDate(ReceiverConfig config, int t, int mode) {
  config.SetTimerMode(t, static_cast<uint32_t>(mode));
  if (mode == kTimerNotDefined || mode == kTimerDaily || HasTimerStartDate(config, t)) return;
  if (config.SetTimerStartDate(t, config.GetClockYear(), config.GetClockMonth(),
                               config.GetClockDay()))
    config.SetTimerWeekday(t, static_cast<uint32_t>(config.GetTimerStartDate(t).weekday));
}

std::string TimerStartFormat(const ReceiverConfig& config, int t) {
  switch (config.GetTimerMode(t)) {
    case kTimerNotDefined:
      return {};
    case kTimerDaily:
      return "HH:mm";
    case kTimerWeekly:
      // The weekday is the stored one, not one the picker would derive
      // from a date it does not show in full.
      return "HH:mm   dd '(" + WeekdayText(config, t) + ")'";
    default:
      return "HH:mm dd/MM/yyyy";
  }
}

std::string TimerStartText(const ReceiverConfig& config, int t) {
  std::string clock = Clock(config.GetTimerHour(t), config.GetTimerMinute(t));
  const MjdDate date = config.GetTimerStartDate(t);
  char text[48];
  switch (config.GetTimerMode(t)) {
    case kTimerNotDefined:
      return {};
    case kTimerDaily:
      return clock;
    case kTimerWeekly:
      if (!HasTimerStartDate(config, t)) return clock + "   -- (" + WeekdayText(config, t) + ")";
      std::snprintf(text, sizeof text, "%s   %02d (%s)", clock.c_str(), date.day,
                    WeekdayText(config, t).c_str());
      return text;
    default:
      if (!HasTimerStartDate(config, t)) return clock + " --/--/----";
      std::snprintf(text, sizeof text, "%s %02d/%02d/%04d", clock.c_str(), date.day, date.month,
                    date.year);
      return text;
  }
}

bool SetTimerStartText(ReceiverConfig config, int t, std::string_view text) {
  const int mode = config.GetTimerMode(t);
  if (mode == kTimerNotDefined) return false;
  size_t pos = 0;
  int hour = 0;
  int minute = 0;
  if (!ReadClock(text, pos, hour, minute)) return false;
  const MjdDate stored = config.GetTimerStartDate(t);
  if (mode == kTimerWeekly) {
    long day = 0;
    if (!Expect(text, pos, "   ") || ReadDigits(text, pos, day, 2) != 2) return false;
    // The weekday shown in parentheses is not typed; it follows the date.
    if (day != stored.day) {
      const uint32_t mjd = CalendarDateToMjd(stored.year, stored.month, static_cast<int>(day));
      if (mjd == 0) return false;
      config.SetTimerStartMjd(t, mjd);
      config.SetTimerWeekday(t, static_cast<uint32_t>(MjdToDate(mjd).weekday));
    }
  } else if (mode != kTimerDaily) {
    long day = 0;
    long month = 0;
    long year = 0;
    if (!Expect(text, pos, " ") || ReadDigits(text, pos, day, 2) != 2 || !Expect(text, pos, "/") ||
        ReadDigits(text, pos, month, 2) != 2 || !Expect(text, pos, "/") ||
        ReadDigits(text, pos, year, 4) != 4 || pos != text.size())
      return false;
    const uint32_t mjd =
        CalendarDateToMjd(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day));
    if (mjd == 0) return false;
    config.SetTimerStartMjd(t, mjd);
  }
  config.SetTimerHour(t, static_cast<uint32_t>(hour));
  config.SetTimerMinute(t, static_cast<uint32_t>(minute));
  return true;
}

bool SetTimerDurationText(ReceiverConfig config, int t, std::string_view text) {
  size_t pos = 0;
  int hour = 0;
  int minute = 0;
  if (!ReadClock(text, pos, hour, minute) || pos != text.size()) return false;
  config.SetTimerDuration(t, static_cast<uint16_t>(hour * 60 + minute));
  return true;
}

}  // namespace vq
