#include "database/mjd_date.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

TEST(MjdDateTest, KnownDatesBothWays) {
  struct Case { uint32_t mjd; int year, month, day, weekday; };
  const Case cases[] = {
      {54466, 2008, 1, 1, 2},    // Tuesday
      {54525, 2008, 2, 29, 5},   // leap day
      {54831, 2008, 12, 31, 3},
      {45000, 1982, 1, 31, 7},
      {51544, 2000, 1, 1, 6},
      {15079, 1900, 3, 1, 4},
  };
  for (const Case& c : cases) {
    const MjdDate date = MjdToDate(c.mjd);
    EXPECT_EQ(date.year, c.year) << c.mjd;
    EXPECT_EQ(date.month, c.month) << c.mjd;
    EXPECT_EQ(date.day, c.day) << c.mjd;
    EXPECT_EQ(date.weekday, c.weekday) << c.mjd;
    EXPECT_EQ(DateToMjd(c.year, c.month, c.day), c.mjd);
  }
}

TEST(MjdDateTest, RoundTripOverDecades) {
  for (uint32_t mjd = 40000; mjd < 70000; mjd += 37) {
    const MjdDate date = MjdToDate(mjd);
    ASSERT_EQ(DateToMjd(date.year, date.month, date.day), mjd);
  }
}

TEST(MjdDateTest, ExtremeAndInvalidInputs) {
  const MjdDate huge = MjdToDate(0xFFFFFFFFu);  // no overflow, sane fields
  EXPECT_GE(huge.month, 1);
  EXPECT_LE(huge.month, 12);
  EXPECT_GE(huge.day, 1);
  EXPECT_LE(huge.day, 31);
  EXPECT_GE(huge.weekday, 1);
  EXPECT_LE(huge.weekday, 7);
  MjdToDate(0);
  EXPECT_EQ(DateToMjd(2008, 13, 1), 0u);
  EXPECT_EQ(DateToMjd(2008, 1, 0), 0u);
  EXPECT_EQ(DateToMjd(1000, 1, 1), 0u);
}

}  // namespace
}  // namespace vq
