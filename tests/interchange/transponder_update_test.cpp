// Comparing satellites with the scan tables of their positions and applying
// a chosen part of the differences.

#include <gmock/gmock.h>

#include "fake_editing_view.h"
#include "interchange/transponder_update.h"
#include "interchange/transponder_update_command.h"
#include "interchange/transponder_update_text.h"
#include "invariant_checks.h"
#include "sample_files.h"
#include "scan_table_texts.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// Satellite 0 "Astra 19.2E" with a universal LNB and three transponders:
// 11494 H (listed unchanged), 11362 H (listed with another symbol rate and
// FEC) and 12188 H carrying two channels (no longer listed).
class TransponderUpdateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db_ = MakeDatabase(kModelPvr);
    SatelliteNode& astra = *db_->GetSatelliteNode(0);
    astra.SetName("Astra 19.2E");
    astra.Satellite().SetPosition(192);
    astra.Lnb().SetType(1);
    unchanged_ = Add(0, 11494, 1, 22000, 1);
    changed_ = Add(0, 11362, 1, 22000, 5);
    vanished_ = Add(0, 12188, 1, 27500, 2);
    AddChannels(*db_, vanished_, kTv, 2);
    ASSERT_TRUE(db_->AddToFavoriteGroup(vanished_->GetChannel(0), 0));
  }

  TransponderNode* Add(int satellite, uint16_t mhz, uint8_t polarization, uint16_t symbolRate,
                       uint8_t fec) {
    TransponderNode* t = nullptr;
    EXPECT_TRUE(db_->AddTransponder(db_->GetSatelliteNode(satellite), &t));
    TransponderRecord r = t->Record();
    r.SetFrequency(mhz);
    r.SetPolarization(polarization);
    r.SetSymbolRate(symbolRate);
    r.SetFec(fec);
    return t;
  }

  static ScanTableSet Tables(std::vector<std::pair<std::string, std::string>> named) {
    ScanTableSet set;
    for (auto& [name, text] : named) set.tables.push_back({name, text, ""});
    return set;
  }

  // The table of the "must hold" case: one new, one changed, one vanished.
  static ScanTableSet Astra() {
    return Tables({{"Astra-19.2E", Section(11494, "HORIZONTAL", 22000, "2/3") +
                                       Section(11362, "HORIZONTAL", 27500, "3/4") +
                                       Section(11229, "VERTICAL", 22000, "2/3", "DVBS2")}});
  }

  std::unique_ptr<SettingsDatabase> db_;
  TransponderNode* unchanged_ = nullptr;
  TransponderNode* changed_ = nullptr;
  TransponderNode* vanished_ = nullptr;
};

std::vector<uint8_t> Copy(std::span<const uint8_t> table) { return {table.begin(), table.end()}; }

std::vector<std::string> DifferenceLines(const TransponderComparison& comparison) {
  std::vector<std::string> lines = ComparisonLines(comparison);
  std::erase_if(lines, [](const std::string& line) {
    return !line.starts_with("  new") && !line.starts_with("  changed") &&
           !line.starts_with("  vanished");
  });
  return lines;
}

TEST_F(TransponderUpdateTest, OneNewOneChangedOneVanishedGiveExactlyThoseThreeLines) {
  const TransponderComparison comparison = CompareWithScanTables(*db_, Astra());
  ASSERT_EQ(comparison.satellites.size(), 1u);
  const SatelliteComparison& astra = comparison.satellites[0];
  EXPECT_EQ(astra.status, ComparisonStatus::kCompared);
  EXPECT_THAT(astra.tables, ElementsAre("Astra-19.2E"));
  EXPECT_THAT(DifferenceLines(comparison),
              ElementsAre("  new      11229 V 22000 2/3, DVB-S2 (Astra-19.2E line 17)",
                          "  changed  11362 H 22000 Auto to H 27500 3/4, no channels "
                          "(Astra-19.2E line 9)",
                          "  vanished 12188 H 27500 3/4, 2 channels"));
  ASSERT_EQ(astra.updates.size(), 3u);
  EXPECT_EQ(astra.updates[1].transponder, changed_->GetTableIndex());
  EXPECT_EQ(astra.updates[2].transponder, vanished_->GetTableIndex());
  EXPECT_EQ(astra.updates[2].channels, 2);
  EXPECT_EQ(SatelliteTitle(astra) + ": " + ComparisonStatusText(astra),
            "Satellite 1 \"Astra 19.2E\" at 19.2E: 3 differences");
}

TEST_F(TransponderUpdateTest, ApplyingOnlyTheNewOneChangesNothingElseByteForByte) {
  const std::vector<uint8_t> satellites = Copy(db_->SatelliteTable()), lnbs = Copy(db_->LnbTable()),
                             transponders = Copy(db_->TransponderTable()),
                             channels = Copy(db_->ChannelTable());
  const std::vector<uint8_t> config(db_->GetConfigBytes(),
                                    db_->GetConfigBytes() + kConfigRecordSize);

  const std::vector<TransponderUpdate> all = CompareWithScanTables(*db_, Astra()).AllUpdates();
  const TransponderUpdateResult result = ApplyTransponderUpdates(*db_, {&all[0], 1});
  EXPECT_EQ(result.added, 1);
  EXPECT_EQ(result.changed + result.removed, 0);
  EXPECT_THAT(result.notApplied, IsEmpty());

  TransponderNode* added = db_->GetSatelliteNode(0)->GetTransponder(3);
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(TuningValuesOf(added->Record()), (TuningValues{11229, 2, 22000, 1}));
  const size_t slot = added->GetTableIndex() * TransponderRecord::kSize;
  std::vector<uint8_t> expected = transponders;
  std::copy_n(added->Record().Bytes(), TransponderRecord::kSize, expected.begin() + slot);
  EXPECT_EQ(Copy(db_->TransponderTable()), expected);
  EXPECT_EQ(Copy(db_->SatelliteTable()), satellites);
  EXPECT_EQ(Copy(db_->LnbTable()), lnbs);
  EXPECT_EQ(Copy(db_->ChannelTable()), channels);
  // The transponder hint is the only configuration byte that may move.
  std::vector<uint8_t> configAfter(db_->GetConfigBytes(),
                                   db_->GetConfigBytes() + kConfigRecordSize);
  configAfter[428] = config[428];
  configAfter[429] = config[429];
  EXPECT_EQ(configAfter, config);
  EXPECT_THAT(InvariantProblems(*db_), IsEmpty());
}

TEST_F(TransponderUpdateTest, ApplyingEverythingKeepsTheInvariantsAndCannotBeRepeated) {
  const std::vector<TransponderUpdate> all = CompareWithScanTables(*db_, Astra()).AllUpdates();
  const TransponderUpdateResult result = ApplyTransponderUpdates(*db_, all);
  EXPECT_EQ(result.added, 1);
  EXPECT_EQ(result.changed, 1);
  EXPECT_EQ(result.removed, 1);
  EXPECT_EQ(result.channelsRemoved, 2);
  EXPECT_TRUE(result.message.empty());
  EXPECT_THAT(InvariantProblems(*db_), IsEmpty());
  EXPECT_EQ(db_->CountChannels(kAllTypes), 0);
  EXPECT_EQ(db_->CountFavoriteMembers(0), 0);
  EXPECT_EQ(TuningValuesOf(changed_->Record()), (TuningValues{11362, 1, 27500, 2}));
  EXPECT_THAT(DifferenceLines(CompareWithScanTables(*db_, Astra())), IsEmpty());

  // The same updates again find nothing as compared, and change nothing.
  const std::vector<uint8_t> before = Copy(db_->TransponderTable());
  const TransponderUpdateResult again = ApplyTransponderUpdates(*db_, all);
  EXPECT_FALSE(again.Changed());
  EXPECT_EQ(again.notApplied.size(), 3u);
  EXPECT_THAT(again.notApplied[0], HasSubstr("changed since the comparison"));
  EXPECT_THAT(again.notApplied[2], HasSubstr("already there"));
  EXPECT_EQ(Copy(db_->TransponderTable()), before);
}

TEST_F(TransponderUpdateTest, SatellitesWithoutPositionOrTableAreReportedAndLeftAlone) {
  db_->GetSatelliteNode(1)->SetName("Dish");  // position 0.0
  Add(1, 11000, 1, 27500, 5);
  db_->GetSatelliteNode(2)->SetName("Far East");
  db_->GetSatelliteNode(2)->Satellite().SetPosition(1055);
  Add(2, 12000, 2, 27500, 5);
  const std::vector<uint8_t> before = Copy(db_->TransponderTable());

  const TransponderComparison comparison = CompareWithScanTables(*db_, Astra());
  ASSERT_EQ(comparison.satellites.size(), 3u);  // the 61 untouched slots are not in use
  EXPECT_EQ(comparison.satellites[1].status, ComparisonStatus::kNoPosition);
  EXPECT_EQ(comparison.satellites[2].status, ComparisonStatus::kNoTable);
  EXPECT_THAT(comparison.satellites[1].updates, IsEmpty());
  EXPECT_THAT(comparison.satellites[2].updates, IsEmpty());
  const std::vector<std::string> lines = ComparisonLines(comparison);
  EXPECT_THAT(lines, testing::Contains("Satellite 2 \"Dish\": no orbital position; left alone"));
  EXPECT_THAT(lines,
              testing::Contains(
                  "Satellite 3 \"Far East\" at 105.5E: no scan table for 105.5E; left alone"));
  EXPECT_EQ(PositionsToCompare(*db_), (std::vector<int16_t>{192, 1055}));

  ApplyTransponderUpdates(*db_, comparison.AllUpdates());
  for (int s : {1, 2}) {
    ASSERT_EQ(db_->GetSatelliteNode(s)->GetTransponderCount(), 1);
    const TransponderNode* t = db_->GetSatelliteNode(s)->GetTransponder(0);
    // Only the transponder number moves: removing Astra's vanished
    // transponder keeps the numbering of all transponders dense.
    std::vector<uint8_t> expected(
        before.begin() + t->GetTableIndex() * TransponderRecord::kSize,
        before.begin() + (t->GetTableIndex() + 1) * TransponderRecord::kSize);
    expected[32] = t->Record().Bytes()[32];
    expected[33] = t->Record().Bytes()[33];
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), t->Record().Bytes())) << s;
  }
}

TEST_F(TransponderUpdateTest, TheTablesOfOnePositionCountTogetherEachCarrierOnce) {
  // The short name is the position's own table and wins over the longer one.
  const TransponderComparison comparison = CompareWithScanTables(
      *db_, Tables({{"Astra-1L-19.2E", Section(12188, "HORIZONTAL", 22000, "5/6") +
                                           Section(11494, "HORIZONTAL", 22000) +
                                           Section(11362, "HORIZONTAL", 22000)},
                    {"Astra-19.2E", Section(12189, "HORIZONTAL", 27500, "3/4")},
                    {"Hotbird-13.0E", Section(10992, "VERTICAL", 27500)}}));
  const SatelliteComparison& astra = comparison.satellites[0];
  EXPECT_THAT(astra.tables, ElementsAre("Astra-19.2E", "Astra-1L-19.2E"));
  EXPECT_THAT(astra.updates, IsEmpty());
}

TEST_F(TransponderUpdateTest, PolarisationOnlyFromAutoAndFecOnlyWhereTheTableNamesARate) {
  changed_->Record().SetPolarization(0);
  unchanged_->Record().SetFec(2);
  const TransponderComparison comparison = CompareWithScanTables(
      *db_, Tables({{"Astra-19.2E", Section(11494, "HORIZONTAL", 22000, "AUTO") +
                                        Section(11362, "VERTICAL", 22000, "") +
                                        Section(12188, "HORIZONTAL", 27500, "9/10")}}));
  const std::vector<TransponderUpdate>& u = comparison.satellites[0].updates;
  ASSERT_EQ(u.size(), 2u);
  EXPECT_EQ(u[0].before, (TuningValues{11362, 0, 22000, 5}));
  EXPECT_EQ(u[0].after, (TuningValues{11362, 2, 22000, 5}));
  // A rate the record has no code for makes a fixed FEC Auto.
  EXPECT_EQ(u[1].after, (TuningValues{12188, 1, 27500, 5}));
  EXPECT_EQ(u[1].channels, 2);
}

TEST_F(TransponderUpdateTest, CarriersOutsideTheLnbRangeAreNotOffered) {
  const TransponderComparison comparison = CompareWithScanTables(
      *db_,
      Tables({{"Astra_C-19.2E",
               Section(3900, "HORIZONTAL", 27500) + Section(11494, "HORIZONTAL", 22000) +
                   Section(11362, "HORIZONTAL", 22000) + Section(12188, "HORIZONTAL", 27500)}}));
  EXPECT_EQ(comparison.satellites[0].outsideLnbRange, 1);
  EXPECT_THAT(comparison.satellites[0].updates, IsEmpty());
}

TEST_F(TransponderUpdateTest, MalformedTablesAreSkippedAndVanishingIsNotJudged) {
  ScanTableSet set = Astra();
  set.tables.push_back({"Astra-1KR-19.2E", std::string("[CHANNEL]\0\x01\x02", 12), ""});
  set.tables.push_back({"Astra-1L-19.2E", "", "the server answered 404"});
  const SatelliteComparison astra = CompareWithScanTables(*db_, set).satellites[0];
  EXPECT_EQ(astra.status, ComparisonStatus::kCompared);
  ASSERT_EQ(astra.skippedTables.size(), 2u);
  EXPECT_EQ(astra.skippedTables[0].reason, "the server answered 404");
  EXPECT_THAT(astra.skippedTables[1].reason, HasSubstr("binary data"));
  EXPECT_FALSE(astra.vanishedCompared);
  ASSERT_EQ(astra.updates.size(), 2u);  // new and changed, no vanished
  EXPECT_EQ(astra.updates[0].kind, UpdateKind::kNew);
  EXPECT_EQ(astra.updates[1].kind, UpdateKind::kChanged);

  set.tables.erase(set.tables.begin());
  const SatelliteComparison none = CompareWithScanTables(*db_, set).satellites[0];
  EXPECT_EQ(none.status, ComparisonStatus::kNoReadableTable);
  EXPECT_THAT(none.updates, IsEmpty());
}

TEST_F(TransponderUpdateTest, AFullTransponderTableStopsTheAdditionsConsistently) {
  AddTransponders(*db_, 5, kTransponderCapacity - db_->GetTransponderTotal() - 1);
  const ScanTableSet set = Tables(
      {{"Astra-19.2E", Section(10700, "VERTICAL", 22000) + Section(10714, "HORIZONTAL", 22000) +
                           Section(10729, "VERTICAL", 22000)}});
  const TransponderComparison comparison = CompareWithScanTables(*db_, set);
  ASSERT_EQ(comparison.Count(UpdateKind::kNew), 3);
  std::vector<TransponderUpdate> news = comparison.AllUpdates();
  std::erase_if(news, [](const auto& u) { return u.kind != UpdateKind::kNew; });
  const TransponderUpdateResult result = ApplyTransponderUpdates(*db_, news);
  EXPECT_EQ(result.added, 1);
  EXPECT_EQ(result.notApplied.size(), 2u);
  EXPECT_EQ(result.message, "No transponder space left.\n\nPlease remove some unused ones.");
  EXPECT_EQ(db_->GetTransponderTotal(), kTransponderCapacity);
  EXPECT_THAT(InvariantProblems(*db_), IsEmpty());
}

TEST_F(TransponderUpdateTest, AsAnEditingCommandTheViewFollowsAndKeepsWhatStays) {
  AddChannels(*db_, unchanged_, kTv, 1);
  FakeView view(*db_);
  view.ShowSource(kSourceAll);
  view.Select(EditList::kChannels, {0, 2});  // one on 12188 (vanishing), one on 11494
  view.Select(EditList::kTransponders, {view.RowOfTransponder(unchanged_)});
  const std::vector<TransponderUpdate> all = CompareWithScanTables(*db_, Astra()).AllUpdates();
  const TransponderUpdateResult result = UpdateTransponders(view, all);
  EXPECT_EQ(result.removed, 1);
  EXPECT_TRUE(view.modified);
  EXPECT_THAT(view.statuses, ElementsAre("Please wait ...",
                                         "Transponders updated: 1 added, 1 changed, 1 removed!"));
  ASSERT_EQ(view.channels.size(), 1u);
  EXPECT_THAT(view.SelectedRows(EditList::kChannels), ElementsAre(0));
  EXPECT_EQ(view.transponders.size(), 3u);
  EXPECT_THAT(view.SelectedRows(EditList::kTransponders),
              ElementsAre(view.RowOfTransponder(unchanged_)));

  FakeView unchanged(*db_);
  UpdateTransponders(unchanged, {});
  EXPECT_FALSE(unchanged.modified);
}

}  // namespace
}  // namespace vq::test
