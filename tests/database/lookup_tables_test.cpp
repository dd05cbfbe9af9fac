#include "database/lookup_tables.h"

#include <gtest/gtest.h>

namespace vq {
namespace {

TEST(LookupTablesTest, LanguageAndCasTablesEndsAndBounds) {
  EXPECT_EQ(LanguageText(0), "English");
  EXPECT_EQ(LanguageText(9), "Finish");
  EXPECT_EQ(LanguageText(31), "Unknown");
  EXPECT_EQ(LanguageText(32), "");
  EXPECT_EQ(LanguageText(-1), "");
  EXPECT_EQ(CasText(0), "Free");
  EXPECT_EQ(CasText(35), "Crpt+Ird+Seca+Via");
  EXPECT_EQ(CasText(47), "Beta+Nagra+Crpt");
  EXPECT_EQ(CasText(48), "");
  EXPECT_EQ(MenuLanguageText(12), "Polish");
  EXPECT_EQ(MenuLanguageText(13), "");
  // The stored slots are 12 and 19 bytes wide.
  for (int i = 0; i < kLanguageCount; ++i) EXPECT_LT(LanguageText(i).size(), 12u);
  for (int i = 0; i < kCasCount; ++i) EXPECT_LT(CasText(i).size(), 19u);
}

TEST(LookupTablesTest, TimerAndWeekdayTexts) {
  EXPECT_EQ(TimerModeText(0), "Not Defined");
  EXPECT_EQ(TimerModeText(5), "Weekly");
  EXPECT_EQ(TimerModeText(6), "");
  EXPECT_EQ(WeekdayShortText(1), "Mon");
  EXPECT_EQ(WeekdayShortText(7), "Sun");
  EXPECT_EQ(WeekdayShortText(0), "");
  EXPECT_EQ(WeekdayShortText(8), "");
}

TEST(LookupTablesTest, OptionTexts) {
  EXPECT_EQ(SwitchTypeText(9), "8-1 Port");
  EXPECT_EQ(SwitchTypeText(10), "10 Port");
  EXPECT_EQ(SwitchTypeText(15), "");
  EXPECT_EQ(ToneBurstText(3), "");
  EXPECT_EQ(MotorTypeText(1), "DiSEqC 1.2");
  EXPECT_EQ(FecText(4), "7/8");
  EXPECT_EQ(FecText(7), "");
  EXPECT_EQ(F1ButtonText(4), "Zoom");
  EXPECT_EQ(TvSystemText(3), "PAL-D/K");
}

TEST(LookupTablesTest, Oscillators) {
  EXPECT_TRUE(IsStandardOscillator(5150));
  EXPECT_TRUE(IsStandardOscillator(11475));
  EXPECT_FALSE(IsStandardOscillator(10601));
  EXPECT_EQ(OscillatorText(10678), "10678 MHz");
}

}  // namespace
}  // namespace vq
