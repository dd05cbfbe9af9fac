// The imports and the ordering as editing commands over the view: the lists
// follow, the selection stays on its records, the status text, and the
// modified mark only when the database changed.

#include <gmock/gmock.h>

#include "editing/commands/command_texts.h"
#include "fake_editing_view.h"
#include "interchange/list_import_command.h"
#include "interchange/reference_list.h"
#include "interchange/scan_table_reader.h"
#include "interchange/vdr_channels_reader.h"
#include "invariant_checks.h"
#include "sample_files.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

using ::testing::ElementsAre;

ChannelList MixedList() { return ReadVdrChannels(ReadSample("mixed_channels.conf")).list; }

TEST(ListImportCommandTest, TheViewFollowsAnImportAndKeepsItsSelection) {
  auto db = MakeDatabase(kModelPvr);
  TransponderNode* own = AddTransponders(*db, 9, 1)[0];
  AddChannels(*db, own, kTv, 3);
  FakeView view(*db);
  view.Select(EditList::kChannels, {1});
  view.Select(EditList::kTransponders, {0});
  ChannelNode* selected = view.channels[1];

  const ImportSummary summary = ImportChannels(view, MixedList(), {});
  EXPECT_THAT(summary.channelsAdded, ElementsAre(9, 3, 1));
  EXPECT_THAT(view.statuses,
              ElementsAre(texts::kPleaseWait, "Imported 13 channels and 10 transponders!"));
  EXPECT_TRUE(view.modified);
  ASSERT_EQ(view.channels.size(), 12u);
  EXPECT_THAT(view.SelectedRows(EditList::kChannels),
              ElementsAre(view.RowOfChannel(EditList::kChannels, selected)));
  EXPECT_THAT(view.SelectedRows(EditList::kTransponders), ElementsAre(view.RowOfTransponder(own)));
  EXPECT_EQ(view.transponders.size(), 11u);
  EXPECT_GT(view.countRefreshes, 0);
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});

  // The same list again finds everything there: nothing changes.
  FakeView again(*db);
  const ImportSummary repeat = ImportChannels(again, MixedList(), {});
  EXPECT_EQ(repeat.ChannelsAdded(), 0);
  EXPECT_EQ(repeat.channelsPresent, 13);
  EXPECT_FALSE(again.modified);
  EXPECT_EQ(again.LastStatus(), "Imported 0 channels and 0 transponders!");
}

TEST(ListImportCommandTest, AScanTableInAFreeSlotNamesItAfterThePosition) {
  auto db = MakeDatabase(kModelPvr);
  db->GetSatelliteNode(0)->SetName("Astra");
  db->GetSatelliteNode(0)->Satellite().SetPosition(192);
  AddTransponders(*db, 0, 1);
  const ChannelList table = ReadScanTable(ReadSample("scan_table.conf")).list;

  FakeView view(*db);
  const ImportSummary summary = ImportTranspondersTo(view, table, *db->GetSatelliteNode(2), 130);
  EXPECT_EQ(summary.satellitesAdded, 1);
  EXPECT_GT(summary.transpondersAdded, 0);
  EXPECT_EQ(db->GetSatelliteNode(2)->GetName(), "Sat 13.0E");
  EXPECT_EQ(db->GetSatelliteNode(2)->Satellite().GetPosition(), 130);
  EXPECT_EQ(static_cast<int>(view.transponders.size()), db->GetTransponderTotal());
  EXPECT_TRUE(view.modified);

  // A satellite in use keeps its name and position.
  FakeView named(*db);
  const ImportSummary into = ImportTranspondersTo(named, table, *db->GetSatelliteNode(0), 130);
  EXPECT_EQ(into.satellitesAdded, 0);
  EXPECT_EQ(db->GetSatelliteNode(0)->GetName(), "Astra");
  EXPECT_EQ(db->GetSatelliteNode(0)->Satellite().GetPosition(), 192);
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});
}

TEST(ListImportCommandTest, OrderingMarksTheDocumentOnlyWhenAnOrderChanged) {
  auto db = MakeDatabase(kModelPvr);
  ImportChannelList(*db, MixedList());
  FakeView same(*db);
  const OrderSummary unchanged = OrderChannelsLike(same, ReferenceOfDatabase(*db), {});
  EXPECT_EQ(unchanged.Matched(), 12);
  EXPECT_FALSE(unchanged.changed);
  EXPECT_FALSE(same.modified);
  EXPECT_EQ(same.LastStatus(), "Ordered 12 channels like the reference!");

  FakeView view(*db);
  view.Select(EditList::kChannels, {0});
  ChannelNode* first = view.channels[0];
  const OrderSummary moved = OrderChannelsLike(view, ReadReferenceText("1;arte\n2;ZDF\n").list, {});
  EXPECT_TRUE(moved.changed);
  EXPECT_TRUE(view.modified);
  EXPECT_EQ(NamesInOrder(*db, kTv)[0], "arte");
  EXPECT_EQ(view.channels[0]->Record().GetName(), "arte");
  EXPECT_THAT(view.SelectedRows(EditList::kChannels),
              ElementsAre(view.RowOfChannel(EditList::kChannels, first)));
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});

  FakeView none(*db);
  OrderChannelsLike(none, ReadReferenceText("1;Nowhere\n").list, {});
  EXPECT_FALSE(none.modified);
  EXPECT_EQ(none.LastStatus(), "No channel matched the reference; nothing was changed.");
}

}  // namespace
}  // namespace vq::test
