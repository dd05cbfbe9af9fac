// Finding the scan tables of an orbital position by name, in a listing and
// in a folder.

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>

#include "interchange/scan_table_folder.h"
#include "interchange/scan_table_names.h"
#include "support/temp_path.h"

namespace vq::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(ScanTableNamesTest, ThePositionIsTheEndOfTheName) {
  EXPECT_EQ(PositionOfTableName("Astra-19.2E"), 192);
  EXPECT_EQ(PositionOfTableName("Astra-1KR-19.2E"), 192);
  EXPECT_EQ(PositionOfTableName("Eutelsat5_5.0W"), -50);
  EXPECT_EQ(PositionOfTableName("EutelsatW2-16E"), 160);
  EXPECT_EQ(PositionOfTableName("Hispasat-30W-4-30.0W"), -300);
  EXPECT_EQ(PositionOfTableName("Intelsat-18-180.0E"), 1800);
  EXPECT_EQ(PositionOfTableName("Thor-5-0.8W"), -8);
  for (const char* other : {"Astra", "-19.2E", "19.2E", "Astra19.2E", "Astra-19.2", "Sat-180.1E",
                            "Sat-1234.0E", "Sat-19.25E", "dvb-s", "Astra-19.2E.bak", "1-2-19.2E"})
    EXPECT_EQ(PositionOfTableName(other), std::nullopt) << other;
}

TEST(ScanTableNamesTest, AWebFolderPageListsItsTables) {
  const std::string page =
      "<html><body><ul>\n"
      "<li><a href='/dtv-scan-tables.git/plain/dvb-s/Astra-19.2E'>Astra-19.2E</a></li>\n"
      "<li><a href='/dtv-scan-tables.git/plain/dvb-s/Nilesat101+102-7.0W'>Nilesat101+102-7.0W</a>"
      "</li>\n<li><a href=\"Thor-5-0.8W\">Thor-5-0.8W</a> 2019-09-25 12:00 1.2K</li>\n"
      "</ul></body></html>\n";
  EXPECT_THAT(TableNamesInListing(page),
              ElementsAre("Astra-19.2E", "Nilesat101+102-7.0W", "Thor-5-0.8W"));
  EXPECT_THAT(TableNamesInListing("Astra-1L-19.2E\nHotbird-13.0E\r\n"),
              ElementsAre("Astra-1L-19.2E", "Hotbird-13.0E"));
  EXPECT_THAT(TableNamesInListing(std::string(4096, '\xff')), IsEmpty());
}

TEST(ScanTableNamesTest, APositionTakesItsOwnTableFirst) {
  const std::vector<std::string> names = {"Astra-1L-19.2E", "Astra-1KR-19.2E", "Astra-19.2E",
                                          "Hotbird-13.0E",  "Astra-19.2E",     "Astra-1N-19.2W"};
  EXPECT_THAT(TablesAtPosition(names, 192),
              ElementsAre("Astra-19.2E", "Astra-1L-19.2E", "Astra-1KR-19.2E"));
  std::vector<std::string> many;
  for (int i = 0; i < 40; ++i) many.push_back("Sat" + std::to_string(i) + "-1.0E");
  EXPECT_EQ(TablesAtPosition(many, 10).size(), kMaxTablesPerPosition);
}

class ScanTableFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = UniqueTempPath("tables");
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(std::filesystem::path(folder_) / name, std::ios::binary) << text;
  }
  std::string folder_;
};

TEST_F(ScanTableFolderTest, ReadsTheTablesOfThePositionsAskedForAndRefusesHugeOnes) {
  Write("Astra-19.2E", "[CHANNEL]\n");
  Write("Astra-1L-19.2E", std::string(kMaxScanTableBytes + 1, '#'));
  Write("Hotbird-13.0E", "[CHANNEL]\n");
  Write("README", "not a table");
  std::filesystem::create_directory(std::filesystem::path(folder_) / "Sub-19.2E");
  const std::vector<int16_t> positions = {192, -50};
  ScanTableSet set;
  std::string error;
  ASSERT_TRUE(ReadScanTableFolder(folder_, positions, set, error)) << error;
  EXPECT_EQ(set.source, folder_);
  ASSERT_EQ(set.tables.size(), 2u);
  EXPECT_EQ(set.tables[0].name, "Astra-19.2E");
  EXPECT_EQ(set.tables[0].text, "[CHANNEL]\n");
  EXPECT_EQ(set.tables[1].name, "Astra-1L-19.2E");
  EXPECT_EQ(set.tables[1].error, "larger than 1024 KB");
  EXPECT_THAT(set.tables[1].text, IsEmpty());

  ScanTableSet none;
  EXPECT_FALSE(ReadScanTableFolder(folder_ + "/missing", positions, none, error));
  EXPECT_THAT(error, ::testing::HasSubstr("cannot be read"));
}

}  // namespace
}  // namespace vq::test
