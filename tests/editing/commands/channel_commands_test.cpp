// Adding, removing and clearing channels through the editing commands.

#include <gtest/gtest.h>

#include "editing/commands/channel_commands.h"
#include "editing/commands/command_texts.h"
#include "editing/fake_editing_view.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

class ChannelCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = MakeDatabase(kModelPvr);
    tps = AddTransponders(*db, 0, 2);
    auto more = AddTransponders(*db, 5, 1);
    tps.push_back(more[0]);
    tv = AddChannels(*db, tps[0], kTv, 10);
    auto other = AddChannels(*db, tps[2], kTv, 2);
    tv.insert(tv.end(), other.begin(), other.end());
    view = std::make_unique<FakeView>(*db);
  }

  std::unique_ptr<SettingsDatabase> db;
  std::vector<TransponderNode*> tps;
  std::vector<ChannelNode*> tv;
  std::unique_ptr<FakeView> view;
  ScriptedPrompter prompter;
};

TEST_F(ChannelCommandsTest, AddNewFilesScrambledChannelsAtTheEndOfTheScrambledOrdering) {
  tv[3]->Record().SetScrambled(true);
  db->LeaveFreeList(tv[3]);
  view->ShowSource(kSourceScrambled);
  prompter.transponder = tps[1]->GetTableIndex();
  AddNewChannel(*view, prompter);
  ASSERT_EQ(view->channels.size(), 2u);
  const ChannelRecord added = view->channels.back()->Record();
  EXPECT_TRUE(added.IsScrambled());
  EXPECT_EQ(added.GetFreeNumber(), 1);
  EXPECT_EQ(view->SelectedRows(EditList::kChannels), std::vector<int>{1});
  EXPECT_EQ(view->LastStatus(), "New channel added!");
  EXPECT_TRUE(view->modified);

  for (int source : {int{kSourceFree}, int{kSourceAll}}) {
    view->ShowSource(source);
    AddNewChannel(*view, prompter);
    EXPECT_FALSE(view->channels.back()->Record().IsScrambled());
  }
}

TEST_F(ChannelCommandsTest, AddNewOpensTheDialogOnTheListedSatellite) {
  view->ShowSource(kSourceSatellite + 5);
  AddNewChannel(*view, prompter);
  view->ShowSource(kSourceFree);
  AddNewChannel(*view, prompter);
  EXPECT_EQ(prompter.transponderFilters, (std::vector<int>{6, 0}));
  EXPECT_EQ(db->CountChannels(kTv), 12) << "a cancelled dialog adds nothing";
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ChannelCommandsTest, AChannelAddedOnAnotherSatelliteGetsNoRowInTheSatelliteList) {
  view->ShowSource(kSourceSatellite + 5);
  prompter.transponder = tps[0]->GetTableIndex();
  AddNewChannel(*view, prompter);
  EXPECT_EQ(tps[0]->GetChannelCount(), 11);
  EXPECT_EQ(view->channels.size(), 2u);
  EXPECT_TRUE(view->SelectedRows(EditList::kChannels).empty());
}

TEST_F(ChannelCommandsTest, AddNewRefusesWithoutTranspondersOrFreeSlots) {
  auto empty = MakeDatabase(kModelFtaCi);
  FakeView emptyView(*empty);
  AddNewChannel(emptyView, prompter);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0], "There are no transponders.\n\nPlease first add transponder!");

  AddChannels(*empty, AddTransponders(*empty, 0, 1)[0], kRadio, 4096);
  emptyView.RefillAll();
  prompter.transponder = empty->GetSatelliteNode(0)->GetTransponder(0)->GetTableIndex();
  AddNewChannel(emptyView, prompter);
  EXPECT_EQ(prompter.messages.back(), "No channel space left.\n\nPlease remove some unused ones.");
  EXPECT_EQ(empty->CountChannels(kAllTypes), 4096);
}

TEST_F(ChannelCommandsTest, AddNewOnSameTransponderNeedsOneRowAndNoFavoriteList) {
  view->Select(EditList::kChannels, {11});
  AddNewChannelOnSameTransponder(*view, prompter);
  EXPECT_EQ(tps[2]->GetChannelCount(), 3);
  EXPECT_TRUE(prompter.transponderFilters.empty());

  view->Select(EditList::kChannels, {0, 1});
  AddNewChannelOnSameTransponder(*view, prompter);
  EXPECT_EQ(db->CountChannels(kTv), 13);
}

TEST_F(ChannelCommandsTest, RemoveSelectedOnAFavoriteListKeepsTheChannelsButLeavesEveryGroup) {
  for (int g : {2, 4}) db->AddListToFavoriteGroup({tv[1], tv[2], tv[3], tv[4]}, g);
  view->favoriteGroup = 4;
  view->ShowSource(kSourceFavorites + 2);
  view->Select(EditList::kChannels, {0, 1, 2});
  RemoveSelectedChannels(*view);
  EXPECT_EQ(db->CountChannels(kTv), 12);
  EXPECT_EQ(db->CountFavoriteMembers(2), 1);
  EXPECT_EQ(db->CountFavoriteMembers(4), 1);
  EXPECT_EQ(view->favorites, std::vector<ChannelNode*>{tv[4]}) << "group 4 rows follow";
  EXPECT_EQ(view->statuses.front(), "Removing selected channels ...");
  EXPECT_EQ(view->LastStatus(), "Removed 3 channels!");
}

TEST_F(ChannelCommandsTest, RemovingTheLastRowsSelectsTheNewLastRow) {
  view->Select(EditList::kChannels, {10, 11});
  RemoveSelectedChannels(*view);
  EXPECT_EQ(view->SelectedRows(EditList::kChannels), std::vector<int>{9});
  EXPECT_EQ(db->CountChannels(kTv), 10);

  view->Select(EditList::kChannels, {4});
  RemoveSelectedChannels(*view);
  EXPECT_EQ(view->LastStatus(), "Removed 1 channel!");
  EXPECT_EQ(view->SelectedRows(EditList::kChannels), std::vector<int>{4});

  view->statuses.clear();
  view->Select(EditList::kChannels, {});
  RemoveSelectedChannels(*view);
  EXPECT_TRUE(view->statuses.empty());
}

TEST_F(ChannelCommandsTest, RemoveAllReportsTheShownRowsAlsoWhenEmpty) {
  RemoveAllChannels(*view);
  EXPECT_EQ(view->LastStatus(), "Removed all channels(12)!");
  EXPECT_TRUE(view->SelectedRows(EditList::kChannels).empty());
  RemoveAllChannels(*view);
  EXPECT_EQ(view->LastStatus(), "Removed all channels(0)!");
  EXPECT_EQ(db->CountChannels(kAllTypes), 0);
}

TEST_F(ChannelCommandsTest, ClearAllChannelsEmptiesTheSelectedTranspondersOrSatellites) {
  view->state.currentTab = kTabTransponders;
  view->Select(EditList::kTransponders, {view->RowOfTransponder(tps[2])});
  view->Select(EditList::kChannels, {11});
  ClearAllChannels(*view);
  EXPECT_EQ(tps[2]->GetChannelCount(), 0);
  EXPECT_EQ(view->channels.size(), 10u);
  EXPECT_EQ(view->SelectedRows(EditList::kChannels), std::vector<int>{0});
  EXPECT_EQ(view->statuses.front(), "Clearing chanels ...");

  view->state.currentTab = kTabSatellites;
  view->Select(EditList::kSatellites, {0});
  ClearAllChannels(*view);
  EXPECT_EQ(db->CountChannels(kAllTypes), 0);
  EXPECT_EQ(db->GetTransponderTotal(), 3) << "transponders stay";
  EXPECT_EQ(view->SelectedRows(EditList::kSatellites), std::vector<int>{0});
}

TEST_F(ChannelCommandsTest, PendingPaneEditsAreCommittedFirst) {
  view->state.pendingEdit = true;
  view->Select(EditList::kChannels, {0});
  RemoveSelectedChannels(*view);
  EXPECT_EQ(view->commits, std::vector<bool>{true});
  EXPECT_FALSE(view->state.pendingEdit);
  RemoveSelectedChannels(*view);
  EXPECT_EQ(view->commits.size(), 1u) << "nothing pending, nothing committed";
}

}  // namespace
}  // namespace vq::test
