#include "ui/grid/date_time_text.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

TEST(DateTimeText, DefaultFormatUsesTwelveHourClockAndTwoDigitYear)
{
    EXPECT_EQ(formatDateTime(kDefaultDateTimeFormat, {2002, 1, 1, 13, 5, 9}), "01/01/02 01:05:09 PM");
    EXPECT_EQ(formatDateTime(kDefaultDateTimeFormat, {1999, 12, 31, 0, 0, 0}), "12/31/99 12:00:00 AM");
    DateTimeValue v;
    ASSERT_TRUE(parseDateTime(kDefaultDateTimeFormat, "12/31/99 12:30:00 AM", v));
    EXPECT_EQ(v, (DateTimeValue{1999, 12, 31, 0, 30, 0}));
    ASSERT_TRUE(parseDateTime(kDefaultDateTimeFormat, "02/28/24 12:00:00 PM", v));
    EXPECT_EQ(v, (DateTimeValue{2024, 2, 28, 12, 0, 0}));
}

TEST(DateTimeText, WeeklyFormatBuildsOnJanuary2002AndDerivesTheWeekday)
{
    const std::string weekly = "HH:mm   dd (ddd)";
    DateTimeValue v;
    // The weekday in the text is ignored: 15 January 2002 was a Tuesday.
    ASSERT_TRUE(parseDateTime(weekly, "07:30   15 (Mon)", v));
    EXPECT_EQ(v, (DateTimeValue{2002, 1, 15, 7, 30, 0}));
    EXPECT_EQ(formatDateTime(weekly, v), "07:30   15 (Tue)");
    EXPECT_EQ(weekDay(2002, 1, 1), 2);
}

TEST(DateTimeText, MissingFieldsTakeTheReferenceDate)
{
    DateTimeValue v;
    ASSERT_TRUE(parseDateTime("HH:mm", "23:59", v));
    EXPECT_EQ(v, (DateTimeValue{2002, 1, 1, 23, 59, 0}));
    ASSERT_TRUE(parseDateTime("dddd, d MMMM yyyy", "Friday, 1 March 2024", v));
    EXPECT_EQ(formatDateTime("ddd d MMM yy", v), "Fri 1 Mar 24");
}

TEST(DateTimeText, RejectsTextsThatDoNotFitTheFormat)
{
    DateTimeValue v{1, 1, 1, 1, 1, 1};
    const DateTimeValue untouched = v;
    for (const char* text : {"31/02/2002 10:00", "10/10/2002 24:00", "10/10/2002", "10/10/2002 10:00x",
                             "", "ab/cd/efgh ij:kl"})
        EXPECT_FALSE(parseDateTime("dd/MM/yyyy HH:mm", text, v)) << text;
    EXPECT_FALSE(parseDateTime(kDefaultDateTimeFormat, "01/01/02 01:05:09 P", v));
    EXPECT_FALSE(parseDateTime(kDefaultDateTimeFormat, "01/01/02 13:05:09 PM", v));
    EXPECT_EQ(v, untouched);
}

TEST(DateTimeText, TranslatesToQtLetters)
{
    EXPECT_EQ(toQtDateTimeFormat(kDefaultDateTimeFormat), "MM'/'dd'/'yy' 'hh':'mm':'ss' 'AP");
    EXPECT_EQ(toQtDateTimeFormat("HH:mm   dd (ddd) y"), "HH':'mm'   'dd' ('ddd') 'yy");
}

} // namespace
} // namespace vq
