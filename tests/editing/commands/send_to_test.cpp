// Sending transponders with their channels to another satellite.

#include <gtest/gtest.h>

#include "database/link_word.h"
#include "editing/commands/send_to.h"
#include "editing/fake_editing_view.h"
#include "editing/invariant_checks.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

TEST(SendToTest, TranspondersJoinTheEndOfTheTargetAndBothSatellitesStayDense) {
  auto db = MakeDatabase(kModelPvr);
  auto source = AddTransponders(*db, 2, 3);
  auto target = AddTransponders(*db, 7, 1);
  AddChannels(*db, source[0], kTv, 2);
  auto moving = AddChannels(*db, source[1], kTv, 3);
  AddChannels(*db, source[1], kRadio, 1);
  AddChannels(*db, source[2], kTv, 2);
  AddChannels(*db, target[0], kTv, 4);
  db->AddToFavoriteGroup(moving[1], 0);
  const uint16_t number = moving[2]->Record().GetChannelNumber();

  SatelliteNode* seven = db->GetSatelliteNode(7);
  EXPECT_EQ(SendTranspondersToSatellite(*db, {source[1], nullptr, target[0]}, seven), 1);
  EXPECT_EQ(source[1]->GetSatellite(), seven);
  EXPECT_EQ(source[1]->Record().GetSatelliteKey(), 7);
  EXPECT_EQ(source[1]->Record().GetPosition(), 1);
  EXPECT_EQ(source[2]->Record().GetPosition(), 1) << "the source closes up";
  EXPECT_EQ(LinkKey(moving[0]->Record().GetSatelliteLink()), 7);
  EXPECT_EQ(LinkPosition(moving[0]->Record().GetSatelliteLink()), 4);
  EXPECT_EQ(LinkPosition(moving[2]->Record().GetSatelliteLink()), 6);
  EXPECT_EQ(moving[2]->Record().GetChannelNumber(), number);
  EXPECT_EQ(moving[1]->Record().GetFavoritePlace(0), 128);
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});

  // A reload finds the same structure.
  auto reloaded = Reloaded(*db);
  ASSERT_NE(reloaded, nullptr);
  EXPECT_EQ(reloaded->GetSatelliteNode(7)->GetTransponderCount(), 2);
  EXPECT_EQ(reloaded->GetSatelliteNode(7)->CountChannels(kAllTypes), 8);
  EXPECT_EQ(reloaded->GetSatelliteNode(2)->CountChannels(kAllTypes), 4);
  EXPECT_EQ(InvariantProblems(*reloaded), std::vector<std::string>{});
}

TEST(SendToTest, TheCommandKeepsTheListsInStep) {
  auto db = MakeDatabase(kModelPvr);
  auto tps = AddTransponders(*db, 0, 2);
  auto channels = AddChannels(*db, tps[0], kTv, 3);
  FakeView view(*db);
  view.state.transponderListSatellite = 1;
  view.ShowSource(kSourceSatellite + 0);
  view.Refill(EditList::kTransponders);
  view.Select(EditList::kTransponders, {0});
  SendSelectedTransponders(view, 4);
  EXPECT_EQ(view.transponders, std::vector<TransponderNode*>{tps[1]});
  EXPECT_EQ(view.SelectedRows(EditList::kTransponders), std::vector<int>{0});
  EXPECT_TRUE(view.channels.empty()) << "the satellite's channels went along";
  EXPECT_TRUE(view.modified);
  SendSelectedTransponders(view, 64);
  EXPECT_EQ(tps[1]->GetSatellite(), db->GetSatelliteNode(0)) << "no such satellite";
}

}  // namespace
}  // namespace vq::test
