// Selector entries, counter texts, row texts and the code word.

#include <gtest/gtest.h>

#include "support/database_builder.h"
#include "ui/view/code_word.h"
#include "ui/view/row_texts.h"
#include "ui/view/selector_texts.h"

namespace vq {
namespace {

TEST(SelectorTexts, SatelliteAndGroupEntries) {
  EXPECT_EQ(SatelliteChannelsEntry("Astra", 3, 2, 1), "Astra (TV: 3, Radio: 2, Data: 1)");
  EXPECT_EQ(SatelliteChannelsEntry("Hotbird", 0, 0, 0), "Hotbird (----------EMPTY----------)");
  EXPECT_EQ(SatelliteChannelsEntry("Thor", 0, 0, 4), "Thor (TV: 0, Radio: 0, Data: 4)");
  EXPECT_EQ(FavoriteGroupEntry("News", 5, 0), "News (TV: 5, Radio: 0)");
  EXPECT_EQ(FavoriteGroupEntry("Music", 0, 0), "Music (----------EMPTY----------)");
  EXPECT_EQ(SatelliteTranspondersEntry("Astra", 12), "Astra ( 12 )");
  EXPECT_EQ(SatelliteTranspondersEntry("Astra", 0), "Astra ( EMPTY )");
  EXPECT_EQ(SatelliteChannelsEntry("Sat %2 \xe9", 1, 0, 0),
            "Sat %2 \u00e9 (TV: 1, Radio: 0, Data: 0)")
      << "a place marker in a Latin-1 name stays text";
}

TEST(SelectorTexts, SelectionCounter) {
  EXPECT_EQ(SelectionCounterText(1, "5", 40), "5 of 40");
  EXPECT_EQ(SelectionCounterText(3, "", 40), "3 channels");
  EXPECT_EQ(SelectionCounterText(0, "", 40), "");
  EXPECT_EQ(CountOfText(5, 1500), "5 of 1500");
}

TEST(CodeWord, MatchesOnlyTheWholeWordInItsCase) {
  CodeWordMatcher matcher("RunPath");
  for (char c : std::string("RunPat")) EXPECT_FALSE(matcher.Feed(c));
  EXPECT_TRUE(matcher.Feed('h'));
  EXPECT_TRUE(matcher.Typed().empty());
  for (char c : std::string("runpath")) EXPECT_FALSE(matcher.Feed(c));
}

TEST(CodeWord, MismatchStartsOver) {
  CodeWordMatcher matcher("RunPath");
  EXPECT_FALSE(matcher.Feed('R'));
  EXPECT_FALSE(matcher.Feed('x'));
  EXPECT_TRUE(matcher.Typed().empty());
  bool done = false;
  for (char c : std::string("RxRunPath")) done = matcher.Feed(c);
  EXPECT_TRUE(done);
}

// Cells that are worked out rather than read from one field: the
// transponder's and satellite's values on a channel row, flags, numbering
// and the placeholders.
TEST(RowTexts, DerivedCellsAndPlaceholders) {
  auto db = test::MakeDatabase(kModelPvr);
  SatelliteNode* satellite = db->GetSatelliteNode(2);
  satellite->SetName("Astra");
  TransponderNode* tp = test::AddTransponders(*db, 2, 1).front();
  ChannelNode* channel = test::AddChannels(*db, tp, kTv, 1).front();
  channel->Record().SetTeletextPid(0);
  channel->Record().SetLocked(true);

  EXPECT_EQ(ChannelCellText(*channel, 7, kChanNum), "7");
  EXPECT_EQ(ChannelCellText(*channel, 7, kChanFreq), "10700");
  EXPECT_EQ(ChannelCellText(*channel, 7, kChanSatellite), "Astra");
  EXPECT_EQ(ChannelCellText(*channel, 7, kChanLocked), "");
  EXPECT_TRUE(ChannelFlag(*channel, kChanLocked));
  EXPECT_FALSE(ChannelFlag(*channel, kChanTeletext));
  EXPECT_FALSE(ChannelFlag(*channel, kChanName));

  EXPECT_EQ(TransponderCellText(*tp, 1, kTpChannels), "1");
  EXPECT_EQ(TransponderCellText(*tp, 1, kTpSatellite), "Astra");

  EXPECT_EQ(SatelliteCellText(*satellite, kSatNum), "3");
  const bool universal = satellite->Lnb().GetType() == 1;
  EXPECT_EQ(SatelliteCellText(*satellite, kSatLow) == "-----", !universal);
  EXPECT_EQ(SatelliteCellText(*satellite, kSatMotorIndex), "--");
  EXPECT_EQ(SatelliteCellText(*satellite, 99), "");
}

}  // namespace
}  // namespace vq
