// Finding channels, transponders and satellites: names without regard to
// case (Latin-1 letters too), numbers in their numeric fields, matches in
// the order the list shows, and stepping between them.

#include <gtest/gtest.h>

#include "../fake_editing_view.h"
#include "editing/find/find_query.h"
#include "editing/find/list_matches.h"
#include "editing/find/record_matches.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

TEST(FindQueryTest, NamesMatchWithoutRegardToCaseLatin1LettersIncluded) {
  EXPECT_TRUE(FindQuery("\xF6"
                        "1")
                  .FoundIn("\xD6"
                           "1"));  // "ö1" finds "Ö1"
  EXPECT_TRUE(FindQuery("\xD6"
                        "1")
                  .FoundIn("x\xF6"
                           "1y"));
  EXPECT_TRUE(FindQuery("das erste").FoundIn("Das Erste HD"));
  EXPECT_TRUE(FindQuery("\xC0\xDE").FoundIn("\xE0\xFE"));
  // The multiplication and division signs are not letters; accents differ.
  EXPECT_FALSE(FindQuery("\xD7").FoundIn("\xF7"));
  EXPECT_FALSE(
      FindQuery("o1").FoundIn("\xD6"
                              "1"));
  EXPECT_FALSE(FindQuery("erste").FoundIn("Erst"));
  EXPECT_FALSE(FindQuery("").FoundIn("anything"));
  EXPECT_TRUE(FindQuery("").IsEmpty());
}

TEST(FindQueryTest, OnlyDigitsAreANumber) {
  EXPECT_TRUE(FindQuery("11362").Equals(11362));
  EXPECT_TRUE(FindQuery(" 0042 ").Equals(42));
  EXPECT_FALSE(FindQuery("113 62").Equals(11362));
  EXPECT_FALSE(FindQuery("12a").Equals(12));
  EXPECT_FALSE(FindQuery("-1").Equals(1));
  EXPECT_FALSE(FindQuery("1234567890").Equals(1234567890));
  EXPECT_FALSE(FindQuery(" ").Equals(0));
}

class FindTest : public ::testing::Test {
 protected:
  FindTest() : db_(MakeDatabase(kModelPvr)) {
    transponders_ = AddTransponders(*db_, 0, 2);
    transponders_[0]->Record().SetFrequency(11362);
    transponders_[0]->Record().SetName("Astra Media");
    transponders_[1]->Record().SetFrequency(12692);
    transponders_[1]->Record().SetSymbolRate(22000);
    channels_ = AddChannels(*db_, transponders_[0], kTv, 4);
    auto more = AddChannels(*db_, transponders_[1], kTv, 2);
    channels_.insert(channels_.end(), more.begin(), more.end());
    const char* names[] = {
        "\xD6"
        "1",
        "ORF2",
        "Das Erste",
        "ZDF",
        "3sat",
        "\xD6"
        "3 Radio"};
    for (size_t i = 0; i < channels_.size(); ++i) {
      ChannelRecord r = channels_[i]->Record();
      r.SetName(names[i]);
      r.SetProgramId(static_cast<uint16_t>(28000 + i));
      r.SetVideoPid(static_cast<uint16_t>(100 + i));
    }
    channels_[3]->Record().SetAudioCount(3);
    channels_[3]->Record().SetAudioPid(2, 5555);
    channels_[4]->Record().SetAudioPid(5, 6666);  // a track the channel does not use
  }

  std::vector<std::string> Found(const std::string& text) {
    std::vector<std::string> names;
    for (ChannelNode* c : channels_)
      if (ChannelMatches(FindQuery(text), *c)) names.push_back(c->Record().GetName());
    return names;
  }

  std::unique_ptr<SettingsDatabase> db_;
  std::vector<TransponderNode*> transponders_;
  std::vector<ChannelNode*> channels_;
};

TEST_F(FindTest, ChannelsMatchByNameFrequencyServiceIdAndPids) {
  EXPECT_EQ(Found("\xF6"
                  "1"),
            std::vector<std::string>{"\xD6"
                                     "1"});
  EXPECT_EQ(Found("orf"), std::vector<std::string>{"ORF2"});
  EXPECT_EQ(Found("12692"), (std::vector<std::string>{"3sat",
                                                      "\xD6"
                                                      "3 Radio"}));
  EXPECT_EQ(Found("28002"), std::vector<std::string>{"Das Erste"});
  EXPECT_EQ(Found("103"), std::vector<std::string>{"ZDF"});
  EXPECT_EQ(Found("5555"), std::vector<std::string>{"ZDF"});
  EXPECT_TRUE(Found("6666").empty());
  // A number is looked for in names too.
  EXPECT_EQ(Found("3"), (std::vector<std::string>{"3sat",
                                                  "\xD6"
                                                  "3 Radio"}));
  EXPECT_TRUE(Found("1136").empty());
}

TEST_F(FindTest, TranspondersAndSatellitesMatchByTheirOwnFields) {
  EXPECT_TRUE(TransponderMatches(FindQuery("media"), *transponders_[0]));
  EXPECT_TRUE(TransponderMatches(FindQuery("11362"), *transponders_[0]));
  EXPECT_TRUE(TransponderMatches(FindQuery("22000"), *transponders_[1]));
  EXPECT_FALSE(TransponderMatches(FindQuery("22000"), *transponders_[0]));

  SatelliteNode* satellite = db_->GetSatelliteNode(4);
  satellite->SetName("Hotbird");
  satellite->Satellite().SetPosition(130);
  satellite->Lnb().SetLowOscillator(9750);
  EXPECT_TRUE(SatelliteMatches(FindQuery("HOTB"), *satellite));
  EXPECT_TRUE(SatelliteMatches(FindQuery("13.0e"), *satellite));
  EXPECT_TRUE(SatelliteMatches(FindQuery("9750"), *satellite));
  EXPECT_FALSE(SatelliteMatches(FindQuery("Astra"), *satellite));
}

TEST_F(FindTest, MatchesFollowTheRowsOfTheListInItsSortOrder) {
  FakeView view(*db_);
  const FindQuery query("r");  // ORF2, Das Erste, Ö3 Radio
  EXPECT_EQ(MatchingRows(view, EditList::kChannels, query), (std::vector<int>{1, 2, 5}));
  view.state.channelsDescending = true;
  view.Refill(EditList::kChannels);
  EXPECT_EQ(MatchingRows(view, EditList::kChannels, query), (std::vector<int>{0, 3, 4}));
  view.state.channelsDescending = false;
  view.ShowSource(kSourceSatellite + 0);
  EXPECT_EQ(MatchingRows(view, EditList::kChannels, FindQuery("12692")), (std::vector<int>{4, 5}));
  EXPECT_EQ(MatchingRows(view, EditList::kTransponders, FindQuery("11362")), std::vector<int>{0});
  EXPECT_TRUE(MatchingRows(view, EditList::kChannels, FindQuery("")).empty());
}

TEST(NextMatchTest, StepsForwardAndBackWrappingAtTheEnds) {
  const std::vector<int> matches = {2, 5, 9};
  EXPECT_EQ(NextMatch(matches, -1, false), 2);
  EXPECT_EQ(NextMatch(matches, 2, false), 5);
  EXPECT_EQ(NextMatch(matches, 6, false), 9);
  EXPECT_EQ(NextMatch(matches, 9, false), 2);
  EXPECT_EQ(NextMatch(matches, 5, true), 2);
  EXPECT_EQ(NextMatch(matches, 2, true), 9);
  EXPECT_EQ(NextMatch(matches, -1, true), 9);
  EXPECT_EQ(NextMatch({4}, 4, false), 4);
  EXPECT_EQ(NextMatch({}, 0, false), -1);
}

}  // namespace
}  // namespace vq::test
