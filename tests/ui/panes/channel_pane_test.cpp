// What the channel pane shows: the common layout, every group with its
// rows and summaries, one channel and several.

#include <gtest/gtest.h>

#include "pane_harness.h"

namespace vq::test {
namespace {

using namespace channel_rows;

class ChannelPaneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = MakeDatabase(kModelPvr);
    SatelliteNode* astra = db->GetSatelliteNode(0);
    astra->SetName("Astra");
    astra->Satellite().SetPosition(192);
    tps = AddTransponders(*db, 0, 2);
    TransponderRecord t = tps[0]->Record();
    t.SetFrequency(11747);
    t.SetPolarization(1);
    t.SetSymbolRate(27500);
    tv = AddChannels(*db, tps[0], kTv, 5);
    AddChannels(*db, tps[1], kRadio, 2);
    ChannelRecord first = tv[0]->Record();
    first.SetName("Das Erste");
    first.SetVideoPid(101);
    first.SetPcrPid(102);
    first.SetAudioCount(2);
    first.SetAudioPid(0, 201);
    first.SetAudioLanguage(0, 1);
    first.SetAudioPid(1, 202);
    first.SetAudioLanguage(1, 2);
    first.SetAudioSelected(1);
    db->AddToFavoriteGroup(tv[0], 0);
    db->AddToFavoriteGroup(tv[0], 2);
    harness = std::make_unique<PaneHarness>(*db);
  }

  std::unique_ptr<SettingsDatabase> db;
  std::vector<TransponderNode*> tps;
  std::vector<ChannelNode*> tv;
  std::unique_ptr<PaneHarness> harness;
};

TEST_F(ChannelPaneTest, LaysOutButtonsSpacersAndGroups) {
  PaneHarness& h = *harness;
  h.Select({0});
  EXPECT_EQ(h.grid.shownRows(),
            (std::vector<int>{PropertyPane::kShowHideRow, PropertyPane::kTopSpacerRow, kGeneral,
                              kIds, kAudio, kFavorites, kTransponder, kSatellite,
                              PropertyPane::kBottomSpacerRow, PropertyPane::kSaveDiscardRow}));
  EXPECT_EQ(h.Text(PropertyPane::kShowHideRow, 0), "Show All");
  EXPECT_EQ(h.Text(PropertyPane::kShowHideRow, 1), "Hide All");
  EXPECT_EQ(h.Text(PropertyPane::kSaveDiscardRow, 0), "Save");
  EXPECT_EQ(h.Text(PropertyPane::kSaveDiscardRow, 1), "Discard");
  EXPECT_FALSE(h.Enabled(PropertyPane::kSaveDiscardRow, 0));
  EXPECT_FALSE(h.Enabled(PropertyPane::kSaveDiscardRow, 1));
  EXPECT_FALSE(h.Cell(PropertyPane::kTopSpacerRow, 1).has(CellFlag::Focusable));
  EXPECT_FALSE(h.Cell(kVideoPid, 0).has(CellFlag::Focusable));
  EXPECT_TRUE(h.Cell(kVideoPid, 1).has(CellFlag::Focusable));

  h.Select({});
  EXPECT_TRUE(h.grid.shownRows().empty()) << "nothing selected, nothing shown";
}

// The rows' kinds, ranges and option lists are the row table's; what the
// pane works out is checked here.
TEST_F(ChannelPaneTest, ShowsTheValuesItWorksOut) {
  PaneHarness& h = *harness;
  h.view.ShowSource(kSourceAll);
  h.Select({0});
  EXPECT_EQ(h.Cell(kNumber).maximum, 5) << "1 .. rows of the list";
  EXPECT_EQ(h.Text(kNumber), "1");
  EXPECT_EQ(h.Cell(kName).textLimit, 20);
  EXPECT_EQ(h.Text(kTrackLanguage1 + 1), "French");
  EXPECT_EQ(h.Text(kFavorite1 + 2), "SPORTS") << "the box's text is the group's name";
  EXPECT_TRUE(h.Cell(kFavorite1 + 2).checkState() == 1);
  EXPECT_EQ(h.Text(kFrequency), "11747 MHz");
  EXPECT_EQ(h.Text(kTransponderChannels), "T-5, R-0, D-0");
  EXPECT_EQ(h.Text(kPosition), "19.2E");
  EXPECT_EQ(h.Text(kTransponders), "Total 2 (0 empty)");
  EXPECT_EQ(h.Text(kSatelliteChannels), "T-5, R-2, D-0");
}

TEST_F(ChannelPaneTest, CollapsedGroupsSummariseTheirRows) {
  PaneHarness& h = *harness;
  h.Select({0});
  EXPECT_EQ(h.Text(kGeneral), "Das Erste");
  EXPECT_EQ(h.Text(kIds), "V-101,PCR-102");
  EXPECT_EQ(h.Text(kAudio), "202(French)") << "the current track";
  EXPECT_EQ(h.Text(kTrack1), "201(German)");
  EXPECT_EQ(h.Text(kTrack1 + 2), "  -");
  EXPECT_EQ(h.Text(kAc3Group), "  -");
  EXPECT_EQ(h.Text(kFavorites), "NEWS, SPORTS");
  EXPECT_EQ(h.Text(kTransponder), "11747H 27500");
  EXPECT_EQ(h.Text(kSatellite), "Astra(19.2E)");
  EXPECT_TRUE(h.Enabled(kTrack1 + 1, 0));
  for (int t = 2; t < 6; ++t) {
    EXPECT_FALSE(h.Enabled(kTrack1 + t, 0)) << t;
    EXPECT_FALSE(h.Enabled(kTrackPid1 + t)) << t;
  }
  EXPECT_TRUE(h.Cell(kTrack1 + 1).checkState() == 1);
  EXPECT_FALSE(h.Enabled(kAc3Group)) << "no AC3 PID to choose";
  EXPECT_TRUE(h.Enabled(kAc3Pid));

  h.Select({1});
  EXPECT_EQ(h.Text(kFavorites), "None");
  h.grid.expand(kGeneral);
  EXPECT_EQ(h.Text(kGeneral), "") << "an expanded group shows its rows instead";
}

TEST_F(ChannelPaneTest, GroupsOpenAsTheProfileSaysAndRememberTheUser) {
  PaneHarness& h = *harness;
  h.config.ExpandChanAudio = 1;
  h.config.ExpandChanAudioTrack2 = 1;
  h.Select({0});
  EXPECT_TRUE(h.Shown(kAudioMode));
  EXPECT_TRUE(h.Shown(kTrackPid1 + 1)) << "an open sub-group of an open group";
  EXPECT_FALSE(h.Shown(kTrackPid1));
  EXPECT_FALSE(h.Shown(kName));

  h.Press(kGeneral, 0);
  EXPECT_TRUE(h.Shown(kName));
  EXPECT_EQ(h.config.ExpandChanGeneral, 1);
  h.Press(kAudio, 0);
  EXPECT_EQ(h.config.ExpandChanAudio, 0);
  EXPECT_EQ(h.config.ExpandChanAudioTrack2, 1) << "a hidden sub-group keeps its state";

  h.Press(PropertyPane::kShowHideRow, 0);
  for (int32_t flag : {h.config.ExpandChanGeneral, h.config.ExpandChanIDs, h.config.ExpandChanAudio,
                       h.config.ExpandChanAudioTrack1, h.config.ExpandChanAudioTrack6,
                       h.config.ExpandChanAudioAC3Track, h.config.ExpandChanFavorites,
                       h.config.ExpandChanTransponder, h.config.ExpandChanSatellite})
    EXPECT_EQ(flag, 1);
  EXPECT_TRUE(h.Shown(kTrackLanguage1 + 5));
  EXPECT_TRUE(h.Shown(kSatelliteChannels));
  EXPECT_EQ(h.Text(kFavorites), "");

  h.Press(PropertyPane::kShowHideRow, 1);
  EXPECT_EQ(h.config.ExpandChanAudioTrack4, 0);
  EXPECT_EQ(h.config.ExpandChanSatellite, 0);
  EXPECT_EQ(h.grid.shownRows().size(), 10u);
  EXPECT_EQ(h.Text(kFavorites), "NEWS, SPORTS");
  EXPECT_FALSE(h.pane.IsModified()) << "opening and closing groups changes nothing";
}

TEST_F(ChannelPaneTest, SeveralChannelsShowWhatTheyShare) {
  tv[1]->Record().SetLocked(true);
  tv[2]->Record().SetEcmPid(77);
  PaneHarness& h = *harness;
  h.Select({1, 2});
  EXPECT_EQ(h.Cell(kLocked).checkState(), 2) << "differing flags are indeterminate";
  EXPECT_EQ(h.Cell(kSkipped).checkState(), 0);
  EXPECT_EQ(h.Text(kEcmPid), "") << "differing values are empty";
  EXPECT_EQ(h.Cell(kEcmPid).kind, RowKind::Text);
  EXPECT_EQ(h.Text(kVideoPid), "0");
  EXPECT_EQ(h.Text(kNumber), "");
  EXPECT_EQ(h.Text(kName), "New Channel");
  for (int row : {kNumber, kName, kVideoPid, kPcrPid, kTeletextPid, kPmtPid, kProgramId,
                  kAudioCount, kTrack1, kTrackPid1, kAc3Group, kAc3Pid})
    EXPECT_FALSE(h.Enabled(row)) << row;
  for (int row : {kLocked, kScrambled, kSkipped, kCas, kSubtitle, kEcmPid, kAudioMode, kFavorite1})
    EXPECT_TRUE(h.Enabled(row)) << row;
  EXPECT_EQ(h.Text(kTransponder), "11747H 27500");

  h.view.Select(EditList::kChannels, {0, 1});
  h.pane.Show();
  EXPECT_EQ(h.Text(kFavorites), "") << "memberships differ";
  EXPECT_EQ(h.Cell(kFavorite1).checkState(), 2);
}

TEST_F(ChannelPaneTest, ChannelsOnSeveralTranspondersShareOnlyTheirSatellite) {
  ChannelNode* other = AddChannels(*db, tps[1], kTv, 1).front();
  PaneHarness& h = *harness;
  h.view.Refill(EditList::kChannels);
  h.Select({0, h.view.RowOfChannel(EditList::kChannels, other)});
  EXPECT_EQ(h.Text(kFrequency), "");
  EXPECT_EQ(h.Text(kTransponder), "");
  EXPECT_EQ(h.Text(kSatelliteName), "Astra");
  EXPECT_EQ(h.Text(kSatellite), "Astra(19.2E)");
}

}  // namespace
}  // namespace vq::test
