#include <gmock/gmock.h>

#include <algorithm>

#include "database/link_word.h"
#include "support/database_builder.h"
#include "tool_test_support.h"
#include "vqtool/database_checks.h"

namespace vq::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using tool::DenseNumberingProblem;
using tool::FindProblems;

TEST(DenseNumberingTest, NamesTheFirstFault) {
  EXPECT_EQ(DenseNumberingProblem({}), "");
  EXPECT_EQ(DenseNumberingProblem({2, 0, 1}), "");
  EXPECT_EQ(DenseNumberingProblem({0, 3, 1}), "2 is missing (3 members, highest 3)");
  EXPECT_EQ(DenseNumberingProblem({1, 0, 1}), "1 is used twice");
  EXPECT_EQ(DenseNumberingProblem({-1, 0}), "holds -1");
}

class DatabaseChecksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db_ = MakeDatabase(kModelPvr);
    transponders_ = AddTransponders(*db_, 1, 2);
    tv_ = AddChannels(*db_, transponders_[0], kTv, 3);
    radio_ = AddChannels(*db_, transponders_[1], kRadio, 2);
    db_->AddToFavoriteGroup(tv_[0], 0);
    db_->AddToFavoriteGroup(radio_[1], 0);
    // Saving names each LNB record after its satellite, as every saved file has.
    std::vector<uint8_t> image;
    db_->GetSettings(image);
  }

  std::unique_ptr<SettingsDatabase> db_;
  std::vector<TransponderNode*> transponders_;
  std::vector<ChannelNode*> tv_, radio_;
};

TEST_F(DatabaseChecksTest, EditedDatabaseHasNoProblems) { EXPECT_TRUE(FindProblems(*db_).empty()); }

TEST_F(DatabaseChecksTest, ReportsBrokenNumberings) {
  tv_[2]->Record().SetChannelNumber(0);
  radio_[0]->Record().SetFreeNumber(16384 + 5);
  tv_[1]->Record().SetTransponderPosition(7);
  radio_[1]->Record().SetFavoritePlace(0, 130);
  transponders_[1]->Record().SetNumber(0);
  EXPECT_THAT(
      FindProblems(*db_),
      ElementsAre("transponder numbers: 0 is used twice", "TV channel numbers: 0 is used twice",
                  "radio free channel numbers: 0 is missing (2 members, highest 5)",
                  "TV channel places in transponder 0: 1 is missing (3 members, highest 7)",
                  "places of favourite group 1 \"NEWS\": 1 is missing (2 members, highest 2)"));
}

TEST_F(DatabaseChecksTest, ReportsRecordsTheIndexCannotReach) {
  TransponderRecord lost = transponders_[1]->Record();
  lost.SetSatelliteKey(70);
  ChannelRecord stray = tv_[1]->Record();
  stray.SetTransponderLink(WithLinkKey(stray.GetTransponderLink(), 1400));
  ASSERT_TRUE(db_->RebuildIndex());
  const auto problems = FindProblems(*db_);
  EXPECT_THAT(problems,
              testing::Contains("transponder 1 names satellite key 70, which does not exist"));
  EXPECT_THAT(
      problems,
      testing::Contains(
          "channel 1 \"New Channel\" is not reachable: satellite key 1, transponder key 1400"));
  EXPECT_THAT(
      problems,
      testing::Contains(
          "channel 3 \"New Channel\" is not reachable: satellite key 1, transponder key 1"));
}

TEST_F(DatabaseChecksTest, ReportsListedRecordsThatReadAsFreeSlots) {
  std::fill_n(tv_[1]->Record().Bytes(), 4, 0xFF);
  std::fill_n(transponders_[0]->Record().Bytes(), 4, 0xFF);
  EXPECT_THAT(FindProblems(*db_),
              ElementsAre("transponder 0 is listed but its record reads as a free slot",
                          "channel 1 \"\u00FF\u00FF\u00FF\u00FFChannel\" is listed but its "
                          "record reads as a free slot"));
}

TEST_F(DatabaseChecksTest, ReportsTimersOnFreeSlotsAndRenamedLnbs) {
  ReceiverConfig config = db_->GetConfigRecord();
  config.SetTimerMode(2, 3);
  config.SetTimerChannel(2, 40);
  config.SetTimerMode(3, 3);
  config.SetTimerChannel(3, tv_[0]->GetTableIndex());
  config.SetTimerChannel(4, 41);  // not defined: ignored
  db_->GetSatelliteNode(5)->Lnb().SetName("Elsewhere");
  EXPECT_THAT(FindProblems(*db_),
              ElementsAre("satellite 5 \"Satellite06\": LNB record is named \"Elsewhere\"",
                          "timer 3 (Once) names channel slot 40, which holds no channel"));
}

class CheckCommandTest : public ToolTest {};

TEST_F(CheckCommandTest, PrintsOneLinePerProblemThenTheCount) {
  auto db = MakeDatabase(kModelFtaCi);
  auto tv = AddChannels(*db, AddTransponders(*db, 0, 1)[0], kTv, 2);
  tv[1]->Record().SetChannelNumber(5);
  db->GetConfigRecord().SetTimerMode(0, 4);
  db->GetConfigRecord().SetTimerChannel(0, 9);
  Save(*db, "in.bin");
  const ToolRun run = RunVqtool({"check", Path("in.bin")});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, Path("in.bin") +
                         ": TV channel numbers: 1 is missing (2 members, highest 5)\n" +
                         Path("in.bin") +
                         ": timer 1 (Daily) names channel slot 9, which holds no channel\n" +
                         "2 problems\n");
}

}  // namespace
}  // namespace vq::test
