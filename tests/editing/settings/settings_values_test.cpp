// The receiver settings pane's value rules: ranges that follow the TV
// system, location and lock code texts, timer start and duration texts,
// and which category a remembered code lands on.

#include <gtest/gtest.h>

#include <array>

#include "database/mjd_date.h"
#include "editing/settings/settings_categories.h"
#include "editing/settings/settings_category_list.h"
#include "editing/settings/settings_values.h"

namespace vq::test {
namespace {

class ConfigTest : public ::testing::Test {
 protected:
  void SetUp() override { bytes.fill(0); }
  std::array<uint8_t, ReceiverConfig::kSize> bytes;
  ReceiverConfig config{bytes.data()};
};

TEST_F(ConfigTest, TvSystemKeepsUhfChannelInsideItsRange) {
  config.SetTvSystem(1);
  config.SetUhfChannel(21);
  SetTvSystemKeepingUhf(config, 0);
  EXPECT_EQ(config.GetUhfChannel(), 21) << "inside NTSC-M's 14..81";
  config.SetUhfChannel(69);
  SetTvSystemKeepingUhf(config, 3);
  EXPECT_EQ(config.GetTvSystem(), 3);
  EXPECT_EQ(config.GetUhfChannel(), 61) << "PAL-D/K ends at 61";
  config.SetUhfChannel(13);
  SetTvSystemKeepingUhf(config, 2);
  EXPECT_EQ(config.GetUhfChannel(), 21) << "PAL-I starts at 21";
  config.SetUhfChannel(81);
  SetTvSystemKeepingUhf(config, 7);
  EXPECT_EQ(config.GetUhfChannel(), 81) << "an unknown system clamps nothing of the four ranges";
}

TEST(LocationText, LongitudesAndLatitudesParseWithinTheGlobe) {
  const std::pair<const char*, int> longitudes[] = {{"19.2E", 192},   {"5W", -50}, {" 0.5 w ", -5},
                                                    {"180.0E", 1800}, {"0.0W", 0}, {"13e", 130}};
  for (const auto& [text, tenths] : longitudes) {
    int16_t out = 1;
    EXPECT_TRUE(ParseLongitudeText(text, out)) << text;
    EXPECT_EQ(out, tenths) << text;
  }
  for (const char* text : {"", "E", "19.2", "19.25E", "19.E", "19.2X", "180.1E", "1234E", "abc",
                           "19.2N", "-19.2E", "19.2E x"}) {
    int16_t out = 7;
    EXPECT_FALSE(ParseLongitudeText(text, out)) << text;
    EXPECT_EQ(out, 7) << "a refused text leaves the value alone: " << text;
  }
  int16_t latitude = 0;
  EXPECT_TRUE(ParseLatitudeText("90.0S", latitude));
  EXPECT_EQ(latitude, -900);
  EXPECT_TRUE(ParseLatitudeText("48.1n", latitude));
  EXPECT_EQ(latitude, 481);
  EXPECT_FALSE(ParseLatitudeText("90.1N", latitude));
  EXPECT_FALSE(ParseLatitudeText("10.0E", latitude));
}

TEST(LockCode, OnlyFourDigitsAreACode) {
  EXPECT_TRUE(IsLockCodeText("0000"));
  EXPECT_TRUE(IsLockCodeText("1234"));
  for (const char* text : {"", "123", "12345", "12a4", "ab12", " 123"})
    EXPECT_FALSE(IsLockCodeText(text)) << text;
}

TEST_F(ConfigTest, TimerStartFollowsItsMode) {
  config.SetTimerStartMjd(2, 54466);  // Tuesday 1 January 2008
  config.SetTimerHour(2, 7);
  config.SetTimerMinute(2, 5);
  config.SetTimerWeekday(2, 2);
  EXPECT_EQ(TimerStartFormat(config, 2), "");
  EXPECT_EQ(TimerStartText(config, 2), "");
  EXPECT_FALSE(SetTimerStartText(config, 2, "08:00")) << "no start without a mode";

  config.SetTimerMode(2, kTimerOnce);
  EXPECT_EQ(TimerStartFormat(config, 2), "HH:mm dd/MM/yyyy");
  EXPECT_EQ(TimerStartText(config, 2), "07:05 01/01/2008");
  ASSERT_TRUE(SetTimerStartText(config, 2, "23:59 29/02/2008"));
  EXPECT_EQ(config.GetTimerStartMjd(2), CalendarDateToMjd(2008, 2, 29));
  EXPECT_EQ(config.GetTimerHour(2), 23);
  EXPECT_EQ(config.GetTimerMinute(2), 59);
  const uint32_t word = config.GetTimerWord(2);
  const uint32_t mjd = config.GetTimerStartMjd(2);
  for (const char* bad : {"23:59 30/02/2008", "24:00 01/01/2008", "7:05 01/01/2008",
                          "07:05 01/01/08", "07:05", "07:05 01/13/2008"}) {
    EXPECT_FALSE(SetTimerStartText(config, 2, bad)) << bad;
    EXPECT_EQ(config.GetTimerWord(2), word) << bad;
    EXPECT_EQ(config.GetTimerStartMjd(2), mjd) << bad;
  }

  config.SetTimerMode(2, kTimerDaily);
  EXPECT_EQ(TimerStartText(config, 2), "23:59");
  ASSERT_TRUE(SetTimerStartText(config, 2, "06:30"));
  EXPECT_EQ(config.GetTimerStartMjd(2), mjd) << "a daily time keeps the date";
  EXPECT_EQ(config.GetTimerHour(2), 6);
}

TEST_F(ConfigTest, WeeklyStartShowsTheStoredWeekdayAndFollowsANewDay) {
  config.SetTimerMode(0, kTimerWeekly);
  config.SetTimerStartMjd(0, 54466);  // Tuesday 1 January 2008
  config.SetTimerHour(0, 20);
  config.SetTimerMinute(0, 15);
  config.SetTimerWeekday(0, 5);  // stored as Friday, whatever the date says
  EXPECT_EQ(TimerStartText(config, 0), "20:15   01 (Fri)");
  EXPECT_EQ(TimerStartFormat(config, 0), "HH:mm   dd '(Fri)'");
  ASSERT_TRUE(SetTimerStartText(config, 0, "21:00   01 (Fri)"));
  EXPECT_EQ(config.GetTimerWeekday(0), 5) << "the same day keeps the stored weekday";
  ASSERT_TRUE(SetTimerStartText(config, 0, "21:00   15 (Fri)"));
  EXPECT_EQ(config.GetTimerStartMjd(0), 54480u);
  EXPECT_EQ(config.GetTimerWeekday(0), 2) << "15 January 2008 is a Tuesday";
  EXPECT_EQ(TimerStartText(config, 0), "21:00   15 (Tue)");
  EXPECT_FALSE(SetTimerStartText(config, 0, "21:00 15 (Tue)"));
  config.SetTimerStartMjd(0, CalendarDateToMjd(2008, 2, 1));
  EXPECT_FALSE(SetTimerStartText(config, 0, "21:00   30 (Sat)")) << "no 30 February";
}

TEST_F(ConfigTest, TimerWithoutAStoredDateStartsOnTheClockDate) {
  config.SetClockYear(2027);
  config.SetClockMonth(3);
  config.SetClockDay(9);
  config.SetTimerHour(6, 8);
  EXPECT_FALSE(HasTimerStartDate(config, 6)) << "MJD 0 lies before the conversion's range";
  config.SetTimerMode(6, kTimerOnce);
  EXPECT_EQ(TimerStartText(config, 6), "08:00 --/--/----");
  config.SetTimerMode(6, kTimerWeekly);
  EXPECT_EQ(TimerStartText(config, 6), "08:00   -- (Mon)");
  SetTimerModeWithDate(config, 6, kTimerDaily);
  EXPECT_EQ(config.GetTimerStartMjd(6), 0u) << "a daily timer needs no date";
  SetTimerModeWithDate(config, 6, kTimerWakeup);
  EXPECT_EQ(config.GetTimerMode(6), kTimerWakeup);
  EXPECT_EQ(TimerStartText(config, 6), "08:00 09/03/2027");
  EXPECT_EQ(config.GetTimerWeekday(6), 2) << "9 March 2027 is a Tuesday";
  config.SetTimerStartMjd(6, CalendarDateToMjd(2030, 1, 2));
  SetTimerModeWithDate(config, 6, kTimerOnce);
  EXPECT_EQ(TimerStartText(config, 6), "08:00 02/01/2030") << "a stored date stays";
}

TEST_F(ConfigTest, DurationIsHoursAndMinutes) {
  ASSERT_TRUE(SetTimerDurationText(config, 4, "01:30"));
  EXPECT_EQ(config.GetTimerDuration(4), 90);
  EXPECT_TRUE(SetTimerDurationText(config, 4, "23:59"));
  for (const char* bad : {"1:30", "24:00", "01:60", "01:30 ", ""})
    EXPECT_FALSE(SetTimerDurationText(config, 4, bad)) << bad;
  EXPECT_EQ(config.GetTimerDuration(4), 23 * 60 + 59);
}

TEST(SettingsCategories, NetworkSitsBeforeOtherAndCodeSevenLandsSensibly) {
  EXPECT_EQ(ListedSettingsCategories(false, false), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 8}));
  EXPECT_EQ(ListedSettingsCategories(true, true), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  const std::vector<int> plain = ListedSettingsCategories(false, false);
  const std::vector<int> network = ListedSettingsCategories(true, false);
  EXPECT_EQ(SettingsCategoryToSelect(kSettingsNetwork, plain), kSettingsOther)
      << "a 7 stored as \"Other Settings\" stays there";
  EXPECT_EQ(SettingsCategoryToSelect(kSettingsNetwork, network), kSettingsNetwork);
  EXPECT_EQ(SettingsCategoryToSelect(kSettingsOther, network), kSettingsOther);
  EXPECT_EQ(SettingsCategoryToSelect(kSettingsHidden, plain), kSettingsTv);
  EXPECT_EQ(SettingsCategoryToSelect(-3, plain), kSettingsTv);
  EXPECT_EQ(SettingsCategoryName(kSettingsNetwork), "Network Settings");
  EXPECT_EQ(SettingsCategoryName(kSettingsOther), "Other Settings");
  EXPECT_EQ(SettingsCategoryName(10), "");
}

}  // namespace
}  // namespace vq::test
