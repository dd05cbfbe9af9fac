// A view snapshot names the selected records so that they are selected
// again once the lists are refilled, whatever rows they now sit in; its byte
// form survives a round trip and refuses anything else.

#include <gtest/gtest.h>

#include "history_test_support.h"
#include "support/random_database.h"

namespace vq::test {
namespace {

TEST(ViewSnapshotTest, SelectedRecordsAreSelectedAgainInTheirNewRows) {
  auto db = MakeRandomDatabase(kModelPvr, 31);
  FakeView view(*db);
  view.favoriteGroup = 2;
  view.state.currentTab = kTabTransponders;
  view.state.transponderListSatellite = 0;
  view.RefillAll();
  view.Select(EditList::kChannels, {0, 5, 7});
  view.Select(EditList::kTransponders, {3});
  view.Select(EditList::kSatellites, {1, 63});
  view.Select(EditList::kFavorites, {0});
  const std::vector<ChannelNode*> channels = {view.channels[0], view.channels[5], view.channels[7]};
  const TransponderNode* transponder = view.transponders[3];
  const ViewSnapshot snapshot = CaptureViewSnapshot(view);
  EXPECT_EQ(snapshot.tab, kTabTransponders);
  EXPECT_EQ(snapshot.favoriteGroup, 2);
  EXPECT_EQ(snapshot.channels.size(), 3u);

  // The lists are shown the other way round now; one channel is gone.
  view.state.channelsDescending = true;
  view.state.transpondersDescending = true;
  db->DeleteChannels({channels[1]});
  view.RefillAll();
  SelectSnapshotRows(view, snapshot);
  std::vector<ChannelNode*> selected;
  for (int row : view.SelectedRows(EditList::kChannels))
    selected.push_back(view.channels[static_cast<size_t>(row)]);
  EXPECT_EQ(selected, (std::vector<ChannelNode*>{channels[2], channels[0]}));
  ASSERT_EQ(view.SelectedRows(EditList::kTransponders).size(), 1u);
  EXPECT_EQ(view.transponders[static_cast<size_t>(view.SelectedRows(EditList::kTransponders)[0])],
            transponder);
  EXPECT_EQ(view.SelectedRows(EditList::kSatellites).size(), 2u);
}

TEST(ViewSnapshotTest, TheByteFormRoundTripsAndRefusesDamage) {
  ViewSnapshot snapshot;
  snapshot.tab = kTabSatellites;
  snapshot.channelListSource = kSourceFavorites + 7;
  snapshot.shownChannelType = kRadio;
  snapshot.transponderListSatellite = 64;
  snapshot.favoriteGroup = -1;
  snapshot.channels = {8191, 0, 300};
  snapshot.transponders = {1499};
  snapshot.satellites = {63, 0};
  const std::vector<uint8_t> bytes = EncodeViewSnapshot(snapshot);
  EXPECT_EQ(DecodeViewSnapshot(bytes), snapshot);

  for (size_t cut = 0; cut < bytes.size(); ++cut)
    EXPECT_FALSE(DecodeViewSnapshot(std::span(bytes).first(cut))) << cut;
  std::vector<uint8_t> longer = bytes;
  longer.push_back(0);
  EXPECT_FALSE(DecodeViewSnapshot(longer));
  ViewSnapshot beyond;
  beyond.satellites = {64};
  EXPECT_FALSE(DecodeViewSnapshot(EncodeViewSnapshot(beyond)));
  // A count larger than the bytes that follow is refused before any reading.
  std::vector<uint8_t> huge = EncodeViewSnapshot(ViewSnapshot{});
  huge[20] = 0xFF;
  huge.insert(huge.begin() + 21, {0xFF, 0xFF, 0x0F});
  EXPECT_FALSE(DecodeViewSnapshot(huge));
}

}  // namespace
}  // namespace vq::test
