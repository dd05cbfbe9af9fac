// Reading dvbv5 scan tables and adding their transponders to a satellite.

#include <gmock/gmock.h>

#include <filesystem>

#include "database/lookup_tables.h"
#include "interchange/list_import.h"
#include "interchange/scan_table_reader.h"
#include "invariant_checks.h"
#include "sample_files.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(ScanTableTest, SatelliteSectionsBecomeTransponders) {
  const ChannelListRead read = ReadScanTable(ReadSample("scan_table.conf"));
  ASSERT_TRUE(read.recognised) << read.message;
  const std::vector<ListedTransponder>& t = read.list.transponders;
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[0].frequency, 11494);
  EXPECT_EQ(t[0].polarization, 1);
  EXPECT_EQ(t[0].symbolRate, 22000);
  EXPECT_EQ(FecText(t[0].fec), "2/3");
  EXPECT_EQ(t[0].line, 4);
  // kHz rounded to MHz; a rate the record cannot hold is Auto.
  EXPECT_EQ(t[1].frequency, 10744);
  EXPECT_EQ(t[1].system, DeliverySystem::kDvbS2);
  EXPECT_EQ(FecText(t[1].fec), "Auto");
  EXPECT_EQ(t[3].polarization, 1);  // circular left on the horizontal supply
  std::vector<std::pair<int, std::string>> skipped;
  for (const SkippedEntry& e : read.list.skipped.Entries()) skipped.emplace_back(e.line, e.reason);
  EXPECT_THAT(skipped,
              ElementsAre(std::pair{22, "not a satellite entry (DELIVERY_SYSTEM DVBC/ANNEX_A)"},
                          std::pair{28, "the SYMBOL_RATE is missing or not readable"}));
}

TEST(ScanTableTest, OtherFilesAreNotRecognised) {
  for (const std::string& text :
       {std::string(), std::string("S 11494000 H 22000000 2/3\n"),
        std::string("A:11494:H:S19.2E:22000:101:102:0:0:1:1:1:0\n"),
        std::string("[CHANNEL]\n\tFREQUENCY = 11494000\n"), std::string("[CHANNEL]\0", 10)}) {
    const ChannelListRead read = ReadScanTable(text);
    EXPECT_FALSE(read.recognised) << text;
    EXPECT_THAT(read.message, HasSubstr("not a dvbv5 scan table"));
  }
}

TEST(ScanTableTest, TranspondersTheSatelliteHasAreNotAddedTwice) {
  auto db = MakeDatabase(kModelPvr);
  SatelliteNode& satellite = *db->GetSatelliteNode(12);
  TransponderNode* existing = AddTransponders(*db, 12, 1)[0];
  existing->Record().SetFrequency(10746);  // 2 MHz from the table's 10744 V
  existing->Record().SetPolarization(2);
  AddTransponders(*db, 13, 1)[0]->Record().SetFrequency(12188);  // another satellite

  const ImportSummary summary =
      ImportTransponders(*db, ReadScanTable(ReadSample("scan_table.conf")).list, satellite);
  EXPECT_EQ(summary.transpondersAdded, 2);
  EXPECT_EQ(summary.transpondersPresent, 2);  // 10744 V, and 11495 H after 11494 H
  EXPECT_EQ(summary.dvbS2TranspondersAdded, 0);
  EXPECT_EQ(satellite.GetTransponderCount(), 3);
  EXPECT_EQ(satellite.GetTransponder(2)->Record().GetFrequency(), 12188);
  EXPECT_EQ(summary.skipped.size(), 4u);
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});
}

TEST(ScanTableTest, APositionFindsItsSatelliteOrAFreeSlot) {
  auto db = MakeDatabase(kModelPvr);
  db->GetSatelliteNode(0)->SetName("Hot Bird");
  db->GetSatelliteNode(0)->Satellite().SetPosition(130);
  const ChannelList list = ReadScanTable(ReadSample("scan_table.conf")).list;
  EXPECT_EQ(ImportTranspondersAt(*db, list, 130).satellitesAdded, 0);
  EXPECT_EQ(db->GetSatelliteNode(0)->GetTransponderCount(), 3);
  const ImportSummary claimed = ImportTranspondersAt(*db, list, -50);
  EXPECT_EQ(claimed.satellitesAdded, 1);
  EXPECT_EQ(db->GetSatelliteNode(1)->GetName(), "Sat 5.0W");
  EXPECT_EQ(db->GetSatelliteNode(1)->GetTransponderCount(), 3);
}

TEST(ScanTableTest, AFullTransponderTableStops) {
  auto db = MakeDatabase(kModelPvr);
  AddTransponders(*db, 2, kTransponderCapacity - 1);
  const ImportSummary summary = ImportTransponders(
      *db, ReadScanTable(ReadSample("scan_table.conf")).list, *db->GetSatelliteNode(3));
  EXPECT_EQ(summary.status, ImportStatus::kStopped);
  EXPECT_EQ(summary.transpondersAdded, 1);
  EXPECT_EQ(db->GetTransponderTotal(), kTransponderCapacity);
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});
}

// The tables of Debian's dtv-scan-tables package, when it is installed.
TEST(ScanTableTest, TheDebianSatelliteTablesReadAndImport) {
  const std::filesystem::path folder = "/usr/share/dvb/dvb-s";
  if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "dtv-scan-tables is not installed";
  int files = 0;
  std::filesystem::path largest;
  size_t most = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    const ChannelListRead read = ReadScanTable(text);
    ASSERT_TRUE(read.recognised) << entry.path() << ": " << read.message;
    EXPECT_TRUE(read.list.skipped.empty()) << entry.path();
    if (read.list.transponders.size() > most) {
      most = read.list.transponders.size();
      largest = entry.path();
    }
    ++files;
  }
  ASSERT_GT(files, 0);
  std::ifstream in(largest, std::ios::binary);
  const ChannelList list =
      ReadScanTable(std::string((std::istreambuf_iterator<char>(in)), {})).list;
  auto db = MakeDatabase(kModelPvr);
  const ImportSummary summary = ImportTransponders(*db, list, *db->GetSatelliteNode(0));
  EXPECT_EQ(summary.status, ImportStatus::kDone);
  EXPECT_EQ(summary.transpondersAdded + summary.transpondersPresent, static_cast<int>(most));
  EXPECT_GT(summary.transpondersAdded, 0);
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});
}

}  // namespace
}  // namespace vq::test
