#pragma once
// The computer's local date and time, read once when the configuration
// record is reset to its defaults.

namespace vq {

struct LocalDateTime {
  int year;       // full year, e.g. 2008
  int month;      // 1..12
  int day;        // 1..31
  int hour;       // 0..23
  int minute;     // 0..59
  int dayOfWeek;  // 1 Monday .. 7 Sunday
};

// The current local time of this computer.
LocalDateTime CurrentLocalDateTime();

}  // namespace vq
