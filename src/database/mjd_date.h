#pragma once
// Modified Julian Date conversion for the timer start dates, in the integer
// form used by broadcast service information.

#include <cstdint>

namespace vq {

struct MjdDate {
  int year;     // full year, e.g. 2008
  int month;    // 1..12
  int day;      // 1..31 (a computed day above 31 reads as 1)
  int weekday;  // 1 Monday .. 7 Sunday
};

// Calendar date of an MJD; safe for every 32-bit value.
MjdDate MjdToDate(uint32_t mjd);

// MJD of a calendar date (full year). A month outside 1..12, a day outside
// 1..31 or a result outside 0..2^32-1 gives 0.
uint32_t DateToMjd(int year, int month, int day);

// MJD of a date that exists in the calendar; 0 for one that does not
// (30 February, 31 April) or that DateToMjd refuses.
uint32_t CalendarDateToMjd(int year, int month, int day);

}  // namespace vq
