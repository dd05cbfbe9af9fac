#include "ui/grid/date_time_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>

namespace vq {
namespace {

constexpr std::array<const char*, 7> kDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

/// Walks the format: a field letter with its repeat count, or literal text.
void walkFormat(const std::string& format,
                const std::function<void(char letter, int count)>& field,
                const std::function<void(const std::string& literal)>& literal)
{
    for (std::size_t i = 0; i < format.size();) {
        const char c = format[i];
        if (c == '\'') {
            const std::size_t end = format.find('\'', i + 1);
            const std::size_t stop = end == std::string::npos ? format.size() : end;
            literal(format.substr(i + 1, stop - i - 1));
            i = stop + 1;
        } else if (std::string("dMyhHmst").find(c) != std::string::npos) {
            int count = 0;
            while (i < format.size() && format[i] == c) {
                ++count;
                ++i;
            }
            field(c, count);
        } else {
            literal(std::string(1, c));
            ++i;
        }
    }
}

std::string number(int value, int width)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

int daysInMonth(int year, int month)
{
    using namespace std::chrono;
    return static_cast<int>(static_cast<unsigned>(
        year_month_day_last{std::chrono::year{year}, month_day_last{std::chrono::month(month)}}.day()));
}

/// Reads up to maxDigits digits at pos; false when none is there.
bool readNumber(const std::string& text, std::size_t& pos, int maxDigits, int& out)
{
    int digits = 0;
    out = 0;
    while (pos < text.size() && digits < maxDigits && std::isdigit(static_cast<unsigned char>(text[pos]))) {
        out = out * 10 + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    return digits > 0;
}

/// Reads one of the names, whole or cut to its first three letters.
template <std::size_t N>
bool readName(const std::string& text, std::size_t& pos, const std::array<const char*, N>& names, int& out)
{
    for (std::size_t i = 0; i < N; ++i) {
        const std::string full = names[i];
        for (const std::string& name : {full, full.substr(0, 3)}) {
            if (text.compare(pos, name.size(), name) == 0) {
                pos += name.size();
                out = static_cast<int>(i);
                return true;
            }
        }
    }
    return false;
}

} // namespace

bool isValidDateTime(const DateTimeValue& v)
{
    return v.year >= 1 && v.year <= 9999 && v.month >= 1 && v.month <= 12 && v.day >= 1 &&
           v.day <= daysInMonth(v.year, v.month) && v.hour >= 0 && v.hour <= 23 && v.minute >= 0 &&
           v.minute <= 59 && v.second >= 0 && v.second <= 59;
}

int weekDay(int year, int month, int day)
{
    using namespace std::chrono;
    const sys_days date = std::chrono::year{year} / std::chrono::month(month) / std::chrono::day(day);
    return static_cast<int>(weekday{date}.c_encoding());
}

std::string formatDateTime(const std::string& format, const DateTimeValue& v)
{
    std::string out;
    const int hour12 = v.hour % 12 == 0 ? 12 : v.hour % 12;
    const char* ampm = v.hour < 12 ? "AM" : "PM";
    walkFormat(
        format,
        [&](char letter, int count) {
            const int width = count >= 2 ? 2 : 1;
            switch (letter) {
            case 'd':
                if (count <= 2)
                    out += number(v.day, width);
                else
                    out += std::string(kDayNames[weekDay(v.year, v.month, v.day)]).substr(0, count == 3 ? 3 : std::string::npos);
                break;
            case 'M':
                if (count <= 2)
                    out += number(v.month, width);
                else
                    out += std::string(kMonthNames[v.month - 1]).substr(0, count == 3 ? 3 : std::string::npos);
                break;
            case 'y':
                out += count >= 3 ? number(v.year, 4) : number(v.year % 100, width);
                break;
            case 'h': out += number(hour12, width); break;
            case 'H': out += number(v.hour, width); break;
            case 'm': out += number(v.minute, width); break;
            case 's': out += number(v.second, width); break;
            case 't': out += count == 1 ? std::string(1, ampm[0]) : std::string(ampm); break;
            }
        },
        [&](const std::string& literal) { out += literal; });
    return out;
}

namespace {

// Reads the fields of a date/time text one format letter at a time.
struct FieldReader {
    explicit FieldReader(const std::string& source) : text(source) {}

    const std::string& text;
    std::size_t pos = 0;
    DateTimeValue v;
    int hour12 = -1;
    int pm = -1;

    bool read(char letter, int count)
    {
        int ignored = 0;
        switch (letter) {
        case 'd': return count <= 2 ? readNumber(text, pos, 2, v.day) : readName(text, pos, kDayNames, ignored);
        case 'M':
            if (count <= 2)
                return readNumber(text, pos, 2, v.month);
            if (!readName(text, pos, kMonthNames, v.month))
                return false;
            ++v.month;
            return true;
        case 'y':
            if (!readNumber(text, pos, count >= 3 ? 4 : 2, v.year))
                return false;
            if (count < 3)
                v.year += v.year < 30 ? 2000 : 1900;
            return true;
        case 'h': return readNumber(text, pos, 2, hour12) && hour12 >= 1 && hour12 <= 12;
        case 'H': return readNumber(text, pos, 2, v.hour);
        case 'm': return readNumber(text, pos, 2, v.minute);
        case 's': return readNumber(text, pos, 2, v.second);
        case 't': return readAmPm(count);
        default: return true;
        }
    }

    bool readAmPm(int count)
    {
        const char c = pos < text.size() ? static_cast<char>(std::toupper(static_cast<unsigned char>(text[pos]))) : '\0';
        const std::size_t length = count == 1 ? 1 : 2;
        const bool ok = (c == 'A' || c == 'P') && (length == 1 || (pos + 1 < text.size() && std::toupper(static_cast<unsigned char>(text[pos + 1])) == 'M'));
        pm = c == 'P';
        pos += length;
        return ok;
    }

    bool readLiteral(const std::string& literal)
    {
        if (pos > text.size() || text.compare(pos, literal.size(), literal) != 0)
            return false;
        pos += literal.size();
        return true;
    }
};

} // namespace

bool parseDateTime(const std::string& format, const std::string& text, DateTimeValue& out)
{
    FieldReader reader(text);
    bool ok = true;
    walkFormat(
        format,
        [&](char letter, int count) { ok = ok && reader.read(letter, count); },
        [&](const std::string& literal) { ok = ok && reader.readLiteral(literal); });
    if (!ok || reader.pos != text.size())
        return false;
    DateTimeValue v = reader.v;
    if (reader.hour12 >= 0)
        v.hour = reader.hour12 % 12 + (reader.pm == 1 ? 12 : 0);
    if (!isValidDateTime(v))
        return false;
    out = v;
    return true;
}

std::string toQtDateTimeFormat(const std::string& format)
{
    std::string out;
    std::string literal;
    const auto flush = [&] {
        if (!literal.empty())
            out += "'" + literal + "'";
        literal.clear();
    };
    walkFormat(
        format,
        [&](char letter, int count) {
            flush();
            if (letter == 't')
                out += "AP";
            else if (letter == 'y')
                out += count >= 3 ? "yyyy" : "yy";
            else
                out += std::string(static_cast<std::size_t>(std::min(count, 4)), letter);
        },
        [&](const std::string& text) { literal += text; });
    flush();
    return out;
}

DateTimeValue currentDateTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

} // namespace vq
