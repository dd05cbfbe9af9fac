#include "database/position_text.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

TEST(PositionTextTest, Formatting) {
  EXPECT_EQ(EastWestPositionText(192), "19.2E");
  EXPECT_EQ(EastWestPositionText(-50), "5.0W");
  EXPECT_EQ(EastWestPositionText(0), "0.0E");
  EXPECT_EQ(EastWestPositionText(-5), "0.5W");
  EXPECT_EQ(EastWestPositionText(-1800), "180.0W");
  EXPECT_EQ(NorthSouthPositionText(-9), "0.9S");
  EXPECT_EQ(EastWestPositionText(-32768), "3276.8W");
  EXPECT_EQ(EastWestText(-1), "West");
  EXPECT_EQ(EastWestShortText(0), "E");
}

TEST(PositionTextTest, Parsing) {
  int16_t value = 77;
  EXPECT_TRUE(ParsePositionText("19.2E", 'E', 'W', value));
  EXPECT_EQ(value, 192);
  EXPECT_TRUE(ParsePositionText("0.8W", 'E', 'W', value));
  EXPECT_EQ(value, -8);
  EXPECT_TRUE(ParsePositionText("3276.7E", 'E', 'W', value));
  EXPECT_EQ(value, 32767);

  value = 77;
  for (const char* bad : {"19.2N", "19.2", "19E", ".5E", "19.25E", "1 9.2E", "19.2EE", "-1.0E",
                          "3276.8E", "99999999999.0E", ""}) {
    EXPECT_FALSE(ParsePositionText(bad, 'E', 'W', value)) << bad;
    EXPECT_EQ(value, 77) << bad;
  }
}

}  // namespace
}  // namespace vq
