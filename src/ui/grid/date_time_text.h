#pragma once

#include <string>

/// @file
/// Date/time texts of the grid's date/time cells, Qt-free.
///
/// Formats use the picker's letters: d dd ddd dddd (day, weekday names),
/// M MM MMM MMMM (month), y yy yyyy (year), h hh (12-hour), H HH (24-hour),
/// m mm, s ss, t tt (A/P, AM/PM); text in single quotes and every other
/// character stand for themselves.

namespace vq {

/// A calendar date and a time of day, in local time.
struct DateTimeValue {
    int year = 2002;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const DateTimeValue&) const = default;
};

/// Format used by a date/time cell until the owner sets another.
inline constexpr const char* kDefaultDateTimeFormat = "MM'/'dd'/'yy' 'hh':'mm':'ss' 'tt";

/// True when the value names a real date and a valid time of day.
bool isValidDateTime(const DateTimeValue& value);

/// Day of the week, 0 for Sunday.
int weekDay(int year, int month, int day);

/// Writes the value in the format.
std::string formatDateTime(const std::string& format, const DateTimeValue& value);

/// Reads a text written in the format. Fields the format lacks keep their
/// value of the reference date 1 January 2002 00:00:00; weekday names are
/// read and ignored (the date decides the weekday). False when the text does
/// not fit the format or names an impossible date or time.
bool parseDateTime(const std::string& format, const std::string& text, DateTimeValue& out);

/// The same format in the letters of Qt's date/time editors (AM/PM as "AP",
/// one- and three-letter years widened).
std::string toQtDateTimeFormat(const std::string& format);

/// The local date and time now.
DateTimeValue currentDateTime();

} // namespace vq
