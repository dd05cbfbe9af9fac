// Adding and removing transponders and the bulk purges.

#include <gtest/gtest.h>

#include "editing/commands/transponder_commands.h"
#include "editing/fake_editing_view.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

class TransponderCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = MakeDatabase(kModelPvr);
    tps = AddTransponders(*db, 0, 3);
    auto other = AddTransponders(*db, 3, 2);
    tps.insert(tps.end(), other.begin(), other.end());
    tv = AddChannels(*db, tps[1], kTv, 4);
    data = AddChannels(*db, tps[3], kData, 7);
    AddChannels(*db, tps[4], kRadio, 1);
    view = std::make_unique<FakeView>(*db);
    view->state.currentTab = kTabTransponders;
  }

  std::unique_ptr<SettingsDatabase> db;
  std::vector<TransponderNode*> tps;
  std::vector<ChannelNode*> tv, data;
  std::unique_ptr<FakeView> view;
  ScriptedPrompter prompter;
};

TEST_F(TransponderCommandsTest, AddNewUsesTheFilteredSatelliteOrAsks) {
  view->state.transponderListSatellite = 4;
  view->Refill(EditList::kTransponders);
  AddNewTransponder(*view, prompter);
  EXPECT_EQ(prompter.satelliteDialogs, 0);
  EXPECT_EQ(db->GetSatelliteNode(3)->GetTransponderCount(), 3);
  ASSERT_EQ(view->SelectedRows(EditList::kTransponders), std::vector<int>{2});
  TransponderRecord added = view->transponders[2]->Record();
  EXPECT_EQ(added.GetName(), "USER");
  EXPECT_EQ(added.GetFrequency(), 11000) << "other fields keep their defaults";
  EXPECT_EQ(added.GetSymbolRate(), 27500);
  EXPECT_EQ(view->LastStatus(), "Added new transponder!");

  view->state.transponderListSatellite = 0;
  AddNewTransponder(*view, prompter);
  EXPECT_EQ(prompter.satelliteDialogs, 1);
  EXPECT_EQ(db->GetTransponderTotal(), 6) << "cancelled";
  prompter.satellite = 9;
  AddNewTransponder(*view, prompter);
  EXPECT_EQ(db->GetSatelliteNode(9)->GetTransponderCount(), 1);
}

TEST_F(TransponderCommandsTest, AddNewTellsWhenTheTableIsFull) {
  AddTransponders(*db, 2, kTransponderCapacity);
  prompter.satellite = 1;
  AddNewTransponder(*view, prompter);
  EXPECT_EQ(
      prompter.messages,
      std::vector<std::string>{"No transponder space left.\n\nPlease remove some unused ones."});
}

TEST_F(TransponderCommandsTest, RemovingATransponderDropsItsChannelRowsAndSelectsTheFirstRow) {
  view->Select(EditList::kChannels, {2});
  view->Select(EditList::kTransponders, {1});
  RemoveSelectedTransponders(*view);
  EXPECT_TRUE(view->channels.empty()) << "the four TV channels were on it";
  EXPECT_EQ(db->GetTransponderTotal(), 4);
  EXPECT_EQ(view->SelectedRows(EditList::kTransponders), std::vector<int>{1});
  EXPECT_EQ(view->LastStatus(), "Removed 1 transponder!");

  view->ShowSource(kSourceAll, kData);
  view->Select(EditList::kChannels, {});
  view->Select(EditList::kTransponders, {2});
  RemoveSelectedTransponders(*view);
  EXPECT_TRUE(view->channels.empty());
  view->Select(EditList::kTransponders, {0, 1, 2});
  RemoveSelectedTransponders(*view);
  EXPECT_EQ(view->LastStatus(), "Removed 3 transponders!");
}

TEST_F(TransponderCommandsTest, RemovingATransponderKeepsOtherChannelsSelectedOrTakesRowZero) {
  view->ShowSource(kSourceAll, kData);
  view->Select(EditList::kChannels, {5});
  view->Select(EditList::kTransponders, {1});
  RemoveSelectedTransponders(*view);
  ASSERT_EQ(view->SelectedRows(EditList::kChannels), std::vector<int>{5});
  view->Select(EditList::kTransponders, {2});
  RemoveSelectedTransponders(*view);
  EXPECT_TRUE(view->SelectedRows(EditList::kChannels).empty()) << "no rows remain";
}

TEST_F(TransponderCommandsTest, RemoveAllOnAFilteredListLeavesOtherSatellites) {
  view->state.transponderListSatellite = 1;
  view->Refill(EditList::kTransponders);
  RemoveAllTransponders(*view);
  EXPECT_EQ(view->LastStatus(), "Removed all transponders(3)!");
  EXPECT_EQ(db->GetTransponderTotal(), 2);
  RemoveAllTransponders(*view);
  EXPECT_EQ(view->LastStatus(), "Removed all transponders(0)!");
}

TEST_F(TransponderCommandsTest, ClearAllTranspondersEmptiesTheSelectedSatellites) {
  view->state.currentTab = kTabSatellites;
  view->Select(EditList::kSatellites, {0, 3});
  ClearAllTransponders(*view);
  EXPECT_EQ(db->GetTransponderTotal(), 0);
  EXPECT_EQ(db->CountChannels(kAllTypes), 0);
  EXPECT_EQ(view->statuses.front(), "Clearing transponders and channel s...");
  EXPECT_EQ(view->SelectedRows(EditList::kSatellites), (std::vector<int>{0, 3}));
}

TEST_F(TransponderCommandsTest, PurgesReportTheirCounts) {
  DeleteAllDataChannels(*view);
  EXPECT_EQ(view->LastStatus(), "Removed all data channels(7)!");
  EXPECT_EQ(db->CountChannels(kData), 0);
  view->statuses.clear();
  DeleteAllDataChannels(*view);
  EXPECT_TRUE(view->statuses.empty()) << "disabled without data channels";

  DeleteAllEmptyTransponders(*view);
  EXPECT_EQ(view->LastStatus(), "Removed all empty transponders(3)!");
  ASSERT_EQ(db->GetTransponderTotal(), 2);
  EXPECT_EQ(db->GetSatelliteNode(0)->GetTransponder(0), tps[1]);
  EXPECT_EQ(db->GetSatelliteNode(3)->GetTransponder(0), tps[4]) << "one radio channel keeps it";
}

}  // namespace
}  // namespace vq::test
