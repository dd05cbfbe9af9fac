#include "database/lookup_tables.h"

#include <gtest/gtest.h>

#include <utility>

namespace vq {
namespace {

// Tables declared with their count must not end in unset entries, and the
// texts must fit the slots the panes store them in (12 and 19 bytes).
TEST(LookupTablesTest, CountedTablesAreFullAndFitTheirSlots) {
  for (int i = 0; i < kLanguageCount; ++i) {
    EXPECT_FALSE(LanguageText(i).empty()) << i;
    EXPECT_LT(LanguageText(i).size(), 12u) << i;
  }
  for (int i = 0; i < kCasCount; ++i) {
    EXPECT_FALSE(CasText(i).empty()) << i;
    EXPECT_LT(CasText(i).size(), 19u) << i;
  }
  for (int i = 0; i < kMenuLanguageCount; ++i) EXPECT_FALSE(MenuLanguageText(i).empty()) << i;
  for (int i = 0; i < kTimerModeCount; ++i) EXPECT_FALSE(TimerModeText(i).empty()) << i;
  EXPECT_EQ(LanguageText(kLanguageUnknown), "Unknown") << "the default of unused audio tracks";
}

// Each option count names exactly its table: every index below it has a
// name, the count itself has none.
TEST(LookupTablesTest, OptionCountsMatchTheirTables) {
  const std::pair<int, std::string_view (*)(int)> tables[] = {
      {kPolarizationCount, PolarizationText},
      {kPolarizationCount, PolarizationShortText},
      {kFecCount, FecText},
      {kLnbTypeCount, LnbTypeText},
      {kLnbTypeCount, LnbTypeShortText},
      {kSwitchTypeCount, SwitchTypeText},
      {kToneBurstCount, ToneBurstText},
      {kMotorTypeCount, MotorTypeText},
      {kAudioModeCount, AudioModeText},
      {kScartOutputCount, ScartOutputText},
      {kScreenTypeCount, ScreenTypeText},
      {kSignalOutputCount, SignalOutputText},
      {kTvSystemCount, TvSystemText},
      {kF1ButtonCount, F1ButtonText}};
  for (const auto& [count, text] : tables) {
    for (int i = 0; i < count; ++i) EXPECT_FALSE(text(i).empty()) << count << " " << i;
    EXPECT_TRUE(text(count).empty()) << count;
  }
}

TEST(LookupTablesTest, IndexesOutsideATableGiveEmptyTexts) {
  EXPECT_EQ(LanguageText(kLanguageCount), "");
  EXPECT_EQ(LanguageText(-1), "");
  EXPECT_EQ(CasText(kCasCount), "");
  EXPECT_EQ(MenuLanguageText(kMenuLanguageCount), "");
  EXPECT_EQ(TimerModeText(kTimerModeCount), "");
  EXPECT_EQ(SwitchTypeText(15), "");
  EXPECT_EQ(ToneBurstText(3), "");
  EXPECT_EQ(FecText(-1), "");
  // Weekdays count from 1 (Monday).
  EXPECT_EQ(WeekdayShortText(1), "Mon");
  EXPECT_EQ(WeekdayShortText(7), "Sun");
  EXPECT_EQ(WeekdayShortText(0), "");
  EXPECT_EQ(WeekdayShortText(8), "");
}

TEST(LookupTablesTest, Oscillators) {
  EXPECT_TRUE(IsStandardOscillator(5150));
  EXPECT_TRUE(IsStandardOscillator(11475));
  EXPECT_FALSE(IsStandardOscillator(10601));
  EXPECT_EQ(OscillatorText(10678), "10678 MHz");
}

}  // namespace
}  // namespace vq
