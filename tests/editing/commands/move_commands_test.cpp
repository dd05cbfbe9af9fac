// Move Up, Move Down and dropping rows, in ascending and descending lists of
// every ordering.

#include <gtest/gtest.h>

#include <random>

#include "database/link_word.h"
#include "editing/commands/move_commands.h"
#include "editing/commands/reorder.h"
#include "editing/fake_editing_view.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

class MoveCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = MakeDatabase(kModelPvr);
    tps = AddTransponders(*db, 0, 3);
    tv = AddChannels(*db, tps[0], kTv, 8);
    for (int i = 0; i < 8; ++i)
      tv[static_cast<size_t>(i)]->Record().SetName(std::string(1, char('A' + i)));
    view = std::make_unique<FakeView>(*db);
  }

  std::string Names() const {
    std::string names;
    for (const ChannelNode* c : view->channels) names += c->Record().GetName();
    return names;
  }

  std::unique_ptr<SettingsDatabase> db;
  std::vector<TransponderNode*> tps;
  std::vector<ChannelNode*> tv;
  std::unique_ptr<FakeView> view;
};

TEST(ReorderTest, BlocksAtTheEndStayAndTheRestCloseUp) {
  int a = 0, b = 1, c = 2, d = 3, e = 4, f = 5;
  std::vector<int*> order = {&a, &b, &c, &d, &e, &f};
  EXPECT_EQ(ShiftTowardsStart(order, {0, 1, 5}), (std::vector<int>{0, 1, 4}));
  EXPECT_EQ(order, (std::vector<int*>{&a, &b, &c, &d, &f, &e}));
  EXPECT_EQ(ShiftTowardsEnd(order, {4, 5}), (std::vector<int>{4, 5}));
  EXPECT_EQ(ShiftTowardsEnd(order, {1, 3}), (std::vector<int>{2, 4}));
  EXPECT_EQ(order, (std::vector<int*>{&a, &c, &b, &f, &d, &e}));
}

TEST(ReorderTest, ReorderingBySingleMovesReachesEveryPermutationWithFewMoves) {
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    std::vector<int> values(static_cast<size_t>(1 + rng() % 40));
    std::vector<int*> order;
    for (int& v : values) order.push_back(&v);
    std::vector<int*> wanted = order;
    std::shuffle(wanted.begin(), wanted.end(), rng);
    std::vector<int*> moved = order;
    const int moves = ReorderByMoves(
        order, wanted, [&](int* node, int place) { MoveToPlace(moved, node, place); });
    ASSERT_EQ(moved, wanted);
    EXPECT_LT(moves, static_cast<int>(order.size()));
  }
  int a = 0, b = 1, c = 2, d = 3, e = 4;
  const std::vector<int*> start = {&a, &b, &c, &d, &e};
  EXPECT_EQ(ReorderByMoves(start, {&b, &c, &d, &e, &a}, [](int*, int) {}), 1)
      << "the first member dragged to the end is one move";
  EXPECT_EQ(ReorderByMoves(start, start, [](int*, int) {}), 0);
}

TEST_F(MoveCommandsTest, MoveUpMovesOnlyRowsThatAreNotBlocked) {
  view->Select(EditList::kChannels, {0, 1, 5});
  MoveSelection(*view, true);
  EXPECT_EQ(Names(), "ABCDFEGH");
  EXPECT_EQ(view->SelectedRows(EditList::kChannels), (std::vector<int>{0, 1, 4}));
  EXPECT_EQ(tv[5]->Record().GetChannelNumber(), 4);
  EXPECT_EQ(view->statuses.front(), "Please wait ...");
  EXPECT_EQ(view->LastStatus(), "Ready!");
}

TEST_F(MoveCommandsTest, MoveDownWithTheLastRowsSelectedDoesNothing) {
  view->Select(EditList::kChannels, {6, 7});
  MoveSelection(*view, false);
  EXPECT_EQ(Names(), "ABCDEFGH");
  EXPECT_FALSE(view->modified);
  EXPECT_EQ(view->SelectedRows(EditList::kChannels), (std::vector<int>{6, 7}));
}

TEST_F(MoveCommandsTest, DescendingListsMoveByWhatTheUserSees) {
  view->state.channelsDescending = true;
  view->Refill(EditList::kChannels);
  ASSERT_EQ(Names(), "HGFEDCBA");
  view->Select(EditList::kChannels, {0, 1, 4});
  MoveSelection(*view, true);
  EXPECT_EQ(Names(), "HGFDECBA") << "the top block keeps its order";
  EXPECT_EQ(view->SelectedRows(EditList::kChannels), (std::vector<int>{0, 1, 3}));
  view->Select(EditList::kChannels, {6, 7});
  MoveSelection(*view, false);
  EXPECT_EQ(Names(), "HGFDECBA");
  view->Select(EditList::kChannels, {0});
  MoveSelection(*view, false);
  EXPECT_EQ(Names(), "GHFDECBA");
}

TEST_F(MoveCommandsTest, EveryOrderingMovesWithinItself) {
  for (int i : {1, 3, 5}) {
    tv[static_cast<size_t>(i)]->Record().SetScrambled(true);
    db->LeaveFreeList(tv[static_cast<size_t>(i)]);
  }
  db->AddListToFavoriteGroup({tv[0], tv[2], tv[4]}, 1);
  const std::pair<int, std::string> cases[] = {{kSourceFree, "ACGEH"},
                                               {kSourceScrambled, "DBF"},
                                               {kSourceSatellite, "ABCDEGFH"},
                                               {kSourceFavorites + 1, "CAE"}};
  for (const auto& [source, expected] : cases) {
    view->ShowSource(source);
    view->Select(EditList::kChannels, {view->RowCount(EditList::kChannels) - 2});
    MoveSelection(*view, true);
    view->Refill(EditList::kChannels);
    EXPECT_EQ(Names(), expected) << "source " << source;
  }
}

// Moves in a favourite group reorder the members of the shown type among
// themselves; the radio members keep their places between them.
TEST_F(MoveCommandsTest, AMixedFavoriteGroupReordersTheShownTypeOnly) {
  const std::vector<ChannelNode*> radio = AddChannels(*db, tps[1], kRadio, 3);
  for (int i = 0; i < 3; ++i)
    radio[static_cast<size_t>(i)]->Record().SetName(std::string(1, char('x' + i)));
  // Group 2 in place order: A x B y C z D.
  db->AddListToFavoriteGroup({tv[0], radio[0], tv[1], radio[1], tv[2], radio[2], tv[3]}, 2);
  view->favoriteGroup = 2;
  view->ShowSource(kSourceFavorites + 2, kTv);
  view->Refill(EditList::kFavorites);
  const auto groupNames = [&] {
    std::string names;
    for (const ChannelNode* c : view->favorites) names += c->Record().GetName();
    return names;
  };
  view->Select(EditList::kChannels, {2});  // C
  MoveSelection(*view, true);
  EXPECT_EQ(Names(), "ACBD");
  EXPECT_EQ(groupNames(), "AxCyBzD") << "the panel shows the group in its new order";
  view->Select(EditList::kChannels, {0});
  DropChannels(*view, 4);
  EXPECT_EQ(Names(), "CBDA");
  EXPECT_EQ(groupNames(), "CxByDzA");
  for (int place = 0; place < 7; ++place)
    EXPECT_EQ(view->favorites[static_cast<size_t>(place)]->Record().GetFavoritePlace(2),
              128 + place);
}

TEST_F(MoveCommandsTest, RowsDroppedOntoThemselvesChangeNothing) {
  view->Select(EditList::kChannels, {2, 3});
  DropChannels(*view, 2);
  DropChannels(*view, 3);
  DropChannels(*view, 4);
  EXPECT_EQ(Names(), "ABCDEFGH");
  EXPECT_FALSE(view->modified);
  EXPECT_EQ(view->SelectedRows(EditList::kChannels), (std::vector<int>{2, 3}));
  view->Select(EditList::kChannels, {0});
  MoveSelection(*view, true);
  EXPECT_FALSE(view->modified) << "a block at the top stays";
  DropChannels(*view, 5);
  EXPECT_TRUE(view->modified);
}

TEST_F(MoveCommandsTest, TranspondersAndSatellitesMoveToo) {
  view->state.currentTab = kTabTransponders;
  view->Select(EditList::kTransponders, {2});
  MoveSelection(*view, true);
  EXPECT_EQ(tps[2]->Record().GetNumber(), 1);
  EXPECT_EQ(view->SelectedRows(EditList::kTransponders), std::vector<int>{1});

  view->state.currentTab = kTabSatellites;
  SatelliteNode* first = db->GetSatelliteNode(0);
  view->Select(EditList::kSatellites, {0});
  MoveSelection(*view, false);
  EXPECT_EQ(db->GetSatelliteNode(1), first);
  EXPECT_EQ(tps[0]->GetSatellite(), first);
  EXPECT_EQ(LinkKey(tv[0]->Record().GetSatelliteLink()), 1);
}

TEST_F(MoveCommandsTest, ADroppedBlockLandsInOrderBeforeTheTargetRow) {
  view->Select(EditList::kChannels, {1, 2});
  DropChannels(*view, 6);
  EXPECT_EQ(Names(), "ADEFBCGH");
  EXPECT_EQ(view->SelectedRows(EditList::kChannels), (std::vector<int>{4, 5}));

  view->Select(EditList::kChannels, {0, 6});
  DropChannels(*view, 8);
  EXPECT_EQ(Names(), "DEFBCHAG");

  view->Select(EditList::kChannels, {5, 7});
  DropChannels(*view, 0);
  EXPECT_EQ(Names(), "HGDEFBCA");
}

TEST_F(MoveCommandsTest, ADroppedBlockLandsInOrderInADescendingList) {
  view->state.channelsDescending = true;
  view->Refill(EditList::kChannels);
  view->Select(EditList::kChannels, {1, 2});  // G, F
  DropChannels(*view, 5);                     // before C
  EXPECT_EQ(Names(), "HEDGFCBA");
  EXPECT_EQ(view->SelectedRows(EditList::kChannels), (std::vector<int>{3, 4}));

  view->Select(EditList::kChannels, {0, 7});  // H, A
  DropChannels(*view, 8);                     // after the last row
  EXPECT_EQ(Names(), "EDGFCBHA");
  view->Select(EditList::kChannels, {5, 6});  // B, H
  DropChannels(*view, 0);
  EXPECT_EQ(Names(), "BHEDGFCA");
}

}  // namespace
}  // namespace vq::test
