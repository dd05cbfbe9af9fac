#pragma once
/// @file
/// The rules of the receiver settings pane's values: ranges that follow
/// other fields, the location and lock code texts, and the timer start and
/// duration texts as the pane shows and takes them.

#include <cstdint>
#include <string>
#include <string_view>

#include "database/receiver_config.h"

namespace vq {

struct ValueRange {
  int minimum;
  int maximum;
};

/// Range of "UHF Channel" under a TV system (0 NTSC-M .. 3 PAL-D/K); a
/// stored system outside them allows every channel of the four.
ValueRange UhfChannelRange(int tvSystem);
/// Sets the TV system and moves the UHF channel into the new range.
void SetTvSystemKeepingUhf(ReceiverConfig config, uint8_t tvSystem);

/// A longitude ("19.2E", "5W", "0.5 w": degrees with at most one decimal,
/// then E or W in either case) up to 180 degrees, in tenths, east positive.
bool ParseLongitudeText(std::string_view text, int16_t& out);
/// A latitude with N or S, up to 90 degrees, in tenths, north positive.
bool ParseLatitudeText(std::string_view text, int16_t& out);

/// The parental lock code as typed: exactly four digits.
bool IsLockCodeText(std::string_view text);

/// Timer modes.
enum TimerMode : int {
  kTimerNotDefined = 0,
  kTimerSleep = 1,
  kTimerWakeup = 2,
  kTimerOnce = 3,
  kTimerDaily = 4,
  kTimerWeekly = 5,
};

/// Whether timer t's stored start date is a calendar date (a receiver may
/// leave 0 or noise there).
bool HasTimerStartDate(const ReceiverConfig& config, int t);
/// Sets timer t's mode. A mode that shows a date and finds none stored
/// starts on the date of the record's clock.
void SetTimerModeWithDate(ReceiverConfig config, int t, int mode);

/// The date/time picker format of a timer's start in its mode, empty for
/// "Not Defined". The weekly form shows the stored weekday as it stands.
std::string TimerStartFormat(const ReceiverConfig& config, int t);
/// The start as that format writes it: "HH:mm dd/MM/yyyy", "HH:mm" or
/// "HH:mm   dd (ddd)"; empty for "Not Defined". A date that is none is
/// shown as dashes ("HH:mm --/--/----").
std::string TimerStartText(const ReceiverConfig& config, int t);
/// Takes a start typed in the timer's mode. Daily takes the time; weekly
/// the time and the day of the month, the weekday then following the
/// date; the others the time and the date. False, and nothing changed, on
/// a text that does not fit or a date that does not exist.
bool SetTimerStartText(ReceiverConfig config, int t, std::string_view text);
/// Takes a duration "HH:mm".
bool SetTimerDurationText(ReceiverConfig config, int t, std::string_view text);

}  // namespace vq
