// What the channel pane does with changes: the pending edit, Save and
// Discard, AutoSave, ColapseAfterSelection, the range message, the rules
// between fields and edits of several channels.

#include <gtest/gtest.h>

#include "editing/commands/command_frame.h"
#include "pane_harness.h"

namespace vq::test {
namespace {

using namespace channel_rows;

class ChannelPaneFlowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = MakeDatabase(kModelPvr);
    tps = AddTransponders(*db, 0, 1);
    tv = AddChannels(*db, tps[0], kTv, 6);
    tv[0]->Record().SetAudioCount(3);
    tv[0]->Record().SetAc3Pid(300);
    harness = std::make_unique<PaneHarness>(*db);
    harness->config.ExpandChanGeneral = 1;
  }

  bool SaveEnabled() const { return harness->Enabled(PropertyPane::kSaveDiscardRow, 0); }

  std::unique_ptr<SettingsDatabase> db;
  std::vector<TransponderNode*> tps;
  std::vector<ChannelNode*> tv;
  std::unique_ptr<PaneHarness> harness;
};

TEST_F(ChannelPaneFlowsTest, AChangeIsPendingUntilSaved) {
  PaneHarness& h = *harness;
  h.Select({2});
  EXPECT_TRUE(h.Type(kName, "Arte \xe9"));
  EXPECT_TRUE(h.pane.IsModified());
  EXPECT_TRUE(h.view.state.pendingEdit);
  EXPECT_TRUE(SaveEnabled());
  EXPECT_TRUE(h.Enabled(PropertyPane::kSaveDiscardRow, 1));
  EXPECT_EQ(h.Text(kGeneral), "") << "General is open";
  h.Press(kGeneral, 0);
  EXPECT_EQ(h.Text(kGeneral), "Arte \xe9") << "the summary follows the typed name";
  EXPECT_EQ(tv[2]->Record().GetName(), "New Channel") << "nothing written yet";

  h.Press(PropertyPane::kSaveDiscardRow, 0);
  EXPECT_EQ(tv[2]->Record().GetName(), "Arte \xe9");
  EXPECT_FALSE(h.view.state.pendingEdit);
  EXPECT_FALSE(h.pane.IsModified());
  EXPECT_FALSE(SaveEnabled());
  EXPECT_TRUE(h.view.modified);
  EXPECT_EQ(h.view.LastStatus(), "Saved channels changes!");
  EXPECT_TRUE(h.user.questions.empty());
}

TEST_F(ChannelPaneFlowsTest, DiscardRebuildsFromTheRecord) {
  PaneHarness& h = *harness;
  h.Select({1});
  h.Click(kLocked);
  h.Type(kVideoPid, "512");
  h.Press(PropertyPane::kSaveDiscardRow, 1);
  EXPECT_FALSE(tv[1]->Record().IsLocked());
  EXPECT_EQ(h.Cell(kLocked).checkState(), 0);
  EXPECT_EQ(h.Text(kVideoPid), "0");
  EXPECT_FALSE(h.view.state.pendingEdit);
  EXPECT_FALSE(SaveEnabled());
  EXPECT_FALSE(h.view.modified);
}

TEST_F(ChannelPaneFlowsTest, AutoSaveWritesEachChangeAtOnce) {
  PaneHarness& h = *harness;
  h.config.AutoSave = 1;
  h.Select({3});
  h.Click(kLocked);
  EXPECT_TRUE(tv[3]->Record().IsLocked());
  EXPECT_FALSE(SaveEnabled());
  EXPECT_FALSE(h.view.state.pendingEdit);
  EXPECT_EQ(h.Cell(kLocked).checkState(), 1);
  h.Press(kIds, 0);
  EXPECT_EQ(h.view.statuses.size(), 2u) << "expanding is no change";
}

TEST_F(ChannelPaneFlowsTest, LeavingTheRecordAsksOrDropsAsConfigured) {
  PaneHarness& h = *harness;
  h.Select({4});
  h.Type(kName, "Kept");
  h.view.Select(EditList::kChannels, {5});
  CommitPendingEdits(h.view);
  EXPECT_EQ(h.user.questions, std::vector<std::string>{"Confirm: Save changes?"});
  EXPECT_EQ(tv[4]->Record().GetName(), "Kept") << "written to the record the pane was built for";
  EXPECT_EQ(tv[5]->Record().GetName(), "New Channel");

  h.config.PostEditAction = 2;
  h.Select({5});
  h.Type(kName, "Dropped");
  CommitPendingEdits(h.view);
  EXPECT_EQ(tv[5]->Record().GetName(), "New Channel");
  EXPECT_EQ(h.Text(kName), "New Channel") << "the pane shows the record again";
  EXPECT_FALSE(h.pane.IsModified());
}

TEST_F(ChannelPaneFlowsTest, NumbersOutsideTheirRangeAreRefusedWithTheMessage) {
  PaneHarness& h = *harness;
  h.Select({0});
  EXPECT_FALSE(h.Type(kVideoPid, "9000"));
  EXPECT_EQ(h.messages, std::vector<std::string>{"Error!: Given value is out of [0, 8191] range!"});
  EXPECT_EQ(h.Text(kVideoPid), "0");
  EXPECT_FALSE(h.pane.IsModified());
  EXPECT_FALSE(h.Type(kNumber, "7"));
  EXPECT_EQ(h.messages.back(), "Error!: Given value is out of [1, 6] range!");
}

TEST_F(ChannelPaneFlowsTest, ScrambledAndCasFollowEachOtherInTheCells) {
  PaneHarness& h = *harness;
  h.Select({0});
  EXPECT_TRUE(h.Choose(kCas, "Irdeto"));
  EXPECT_EQ(h.Cell(kScrambled).checkState(), 1);
  h.Click(kScrambled);
  EXPECT_EQ(h.Text(kCas), "Free");
  h.Click(kScrambled);
  EXPECT_EQ(h.Text(kCas), "Free") << "ticking sets only the flag";
  EXPECT_EQ(h.Cell(kScrambled).checkState(), 1);
}

TEST_F(ChannelPaneFlowsTest, TracksFollowCountRadiosAndAutoCollapse) {
  PaneHarness& h = *harness;
  h.config.ExpandChanAudio = 1;
  h.config.ExpandChanAudioTrack3 = 1;
  h.Select({0});
  EXPECT_TRUE(h.Enabled(kTrack1 + 2, 0));
  h.Click(kTrack1 + 2);
  EXPECT_EQ(h.Text(kAudio, 1), "");
  EXPECT_EQ(h.Cell(kTrack1).checkState(), 0) << "one radio at a time";
  EXPECT_EQ(h.config.ExpandChanAudioTrack3, 0) << "a choice on a sub-group closes it";
  EXPECT_EQ(h.Text(kTrack1 + 2), "0(Unknown)");

  h.config.ColapseAfterSelection = 0;
  h.grid.expand(kTrack1 + 1);
  h.Click(kTrack1 + 1);
  EXPECT_TRUE(h.grid.isExpanded(kTrack1 + 1));

  EXPECT_TRUE(h.Type(kAudioCount, "1"));
  EXPECT_FALSE(h.Enabled(kTrack1 + 1, 0));
  EXPECT_EQ(h.Cell(kTrack1).checkState(), 1) << "the current track stays in use";
  EXPECT_EQ(h.Text(kTrack1 + 1), "");
  h.Click(kAc3Group);
  EXPECT_EQ(h.Cell(kAc3Group).checkState(), 1);
  h.Press(kAudio, 0);
  EXPECT_EQ(h.Text(kAudio), "300(English)");
  h.Press(PropertyPane::kSaveDiscardRow, 0);
  EXPECT_TRUE(tv[0]->Record().IsAc3Selected());
  EXPECT_EQ(tv[0]->Record().GetAudioCount(), 1);
}

TEST_F(ChannelPaneFlowsTest, SeveralChannelsTakeTypedValuesInTheirRange) {
  tv[1]->Record().SetEcmPid(40);
  PaneHarness& h = *harness;
  h.config.ExpandChanIDs = 1;
  h.Select({1, 2, 3});
  EXPECT_EQ(h.Text(kEcmPid), "");
  EXPECT_TRUE(h.Type(kEcmPid, "9000"));
  EXPECT_EQ(h.messages, std::vector<std::string>{"Error!: Given value is out of [0, 8191] range!"});
  EXPECT_EQ(h.Text(kEcmPid), "");
  EXPECT_FALSE(h.pane.IsModified());
  EXPECT_TRUE(h.Type(kEcmPid, "1234"));
  EXPECT_EQ(h.Cell(kEcmPid).kind, RowKind::Number) << "a shared value again";
  h.Click(kLocked);
  h.Click(kFavorite1 + 4);
  h.Press(PropertyPane::kSaveDiscardRow, 0);
  for (int i : {1, 2, 3}) {
    const ChannelRecord r = tv[static_cast<size_t>(i)]->Record();
    EXPECT_EQ(r.GetEcmPid(), 1234);
    EXPECT_TRUE(r.IsLocked());
    EXPECT_NE(r.GetFavoritePlace(4), 0);
  }
  EXPECT_FALSE(tv[4]->Record().IsLocked());
  EXPECT_EQ(h.view.SelectedRows(EditList::kChannels), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(h.Cell(kLocked).checkState(), 1) << "rebuilt from the records";
}

}  // namespace
}  // namespace vq::test
