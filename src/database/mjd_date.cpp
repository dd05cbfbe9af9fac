#include "database/mjd_date.h"

namespace vq {

namespace {

// Division rounding toward minus infinity, for the floor terms of the
// reverse conversion.
int64_t FloorDiv(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

MjdDate MjdToDate(uint32_t mjd) {
  // All terms in 64 bits: MJD * 100 overflows 32 bits for large values.
  const int64_t m = mjd;
  const int64_t yp = (m * 100 - 1507820) / 36525;
  const int64_t yearDays = yp * 36525 / 100;
  const int64_t mp = ((m * 10 - 149561 - yearDays * 10) * 1000) / 306001;
  const int64_t day = m - 14956 - yearDays - mp * 306001 / 10000;
  const int64_t k = (mp == 14 || mp == 15) ? 1 : 0;

  MjdDate date{};
  date.year = static_cast<int>(yp + k + 1900);
  date.month = static_cast<int>(mp - 1 - 12 * k);
  date.day = day > 31 ? 1 : static_cast<int>(day);
  date.weekday = static_cast<int>((m + 2) % 7 + 1);
  return date;
}

uint32_t DateToMjd(int year, int month, int day) {
  if (month < 1 || month > 12 || day < 1 || day > 31) return 0;
  const int64_t l = (month <= 2) ? 1 : 0;
  const int64_t y = static_cast<int64_t>(year) - 1900;
  const int64_t mjd = day + FloorDiv((y - l) * 36525, 100) + 14956 +
                      FloorDiv((month + 1 + 12 * l) * 306001, 10000);
  if (mjd < 0 || mjd > 0xFFFFFFFFll) return 0;
  return static_cast<uint32_t>(mjd);
}

// DateToMjd carries a day past the month's end into the next month; a date
// that exists converts back to itself.
uint32_t CalendarDateToMjd(int year, int month, int day) {
  const uint32_t mjd = DateToMjd(year, month, day);
  if (mjd == 0) return 0;
  const MjdDate check = MjdToDate(mjd);
  return check.year == year && check.month == month && check.day == day ? mjd : 0;
}

}  // namespace vq
