// The CSV export and the text and CSV reference lists.

#include <gmock/gmock.h>

#include "interchange/channel_csv_writer.h"
#include "interchange/csv_cells.h"
#include "interchange/database_channel_list.h"
#include "interchange/list_import.h"
#include "interchange/reference_list.h"
#include "interchange/vdr_channels_reader.h"
#include "sample_files.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

std::vector<std::string> Names(const ReferenceList& list) {
  std::vector<std::string> names;
  for (const ReferenceEntry& e : list.entries) names.push_back(e.name);
  return names;
}

TEST(CsvCellsTest, CellsAreQuotedOnlyWhenNeededAndFormulasAreDefused) {
  EXPECT_EQ(CsvTextCell("Das Erste"), "Das Erste");
  EXPECT_EQ(CsvTextCell("News, Weather"), "\"News, Weather\"");
  EXPECT_EQ(CsvTextCell("Say \"hi\""), "\"Say \"\"hi\"\"\"");
  EXPECT_EQ(CsvTextCell(" padded"), "\" padded\"");
  EXPECT_EQ(CsvTextCell("=HYPERLINK(\"x\")"), "\"'=HYPERLINK(\"\"x\"\")\"");
  EXPECT_EQ(CsvTextCell("-Info-"), "'-Info-");
  EXPECT_EQ(WithoutFormulaGuard("'-Info-"), "-Info-");
  EXPECT_EQ(WithoutFormulaGuard("'quoted'"), "'quoted'");
}

TEST(CsvCellsTest, RecordsHonourQuotesAcrossLinesAndKeepTheirLineNumbers) {
  CsvRecordWalk walk("a,\"b,1\"\r\n\r\n\"multi\nline\",\"q\"\"q\"\nlast,", ',');
  std::vector<CsvRecord> records;
  for (CsvRecord record; walk.Next(record);) records.push_back(record);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_THAT(records[0].cells, ElementsAre("a", "b,1"));
  EXPECT_EQ(records[1].line, 3);
  EXPECT_THAT(records[1].cells, ElementsAre("multi\nline", "q\"q"));
  EXPECT_EQ(records[2].line, 5);
  EXPECT_THAT(records[2].cells, ElementsAre("last", ""));
}

TEST(ChannelCsvTest, TheExportHasAHeaderAndOneRowPerChannel) {
  auto db = MakeDatabase(kModelPvr);
  ImportOptions options;
  options.groupsAsFavorites = true;
  ImportChannelList(*db, ReadVdrChannels(ReadSample("mixed_channels.conf")).list, options);
  ChannelNode* zdf = ChannelNamed(*db, "ZDF");
  zdf->Record().SetName("=ZDF, live");
  zdf->Record().SetLocked(true);
  db->AddToFavoriteGroup(zdf, 6);

  const std::string csv = WriteChannelCsv(CollectChannelList(*db));
  EXPECT_THAT(csv, StartsWith("\xEF\xBB\xBFNumber,Name,Type,Satellite,Position,Frequency,"));
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 14);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\r'), 14);
  EXPECT_THAT(csv, HasSubstr("\r\n2,\"'=ZDF, live\",TV,Sat 19.2E,19.2E,11954,Horizontal,27500,1,"
                             "1079,28006,110,110,120 121 122,German Unknown English,125,130,No,"
                             "Free,Yes,No,\"\xC3\x96"
                             "ffentlich-Recht; CULTURE\"\r\n"));
  EXPECT_THAT(csv, HasSubstr("\r\n4,Sky Cinema,TV,Sat 19.2E,19.2E,11914,Horizontal,27500,133,4,"
                             "10,511,8190,512,German,515,32,Yes,Beta+Nagra,No,No,Pay\r\n"));
  EXPECT_THAT(csv, HasSubstr("\r\n2,S\xC3\xBC"
                             "d Radio,Radio,"));
}

TEST(ReferenceTextTest, NumberedLinesAreOrderedByNumberWithOptionalIds) {
  const ReferenceRead read =
      ReadReferenceText("3;Arte\n1;Das Erste;1-1019-28106\n2; ZDF \nx;Broken\n4;Bad;1-2\n");
  ASSERT_TRUE(read.recognised) << read.message;
  EXPECT_THAT(Names(read.list), ElementsAre("Das Erste", "ZDF", "Arte"));
  EXPECT_TRUE(read.list.entries[0].hasIds);
  EXPECT_EQ(read.list.entries[0].tsId, 1019);
  EXPECT_EQ(read.list.entries[0].serviceId, 28106);
  EXPECT_FALSE(read.list.entries[1].hasIds);
  ASSERT_EQ(read.list.skipped.size(), 2u);
  EXPECT_EQ(read.list.skipped.Entries()[0].line, 4);
  EXPECT_EQ(read.list.skipped.Entries()[1].line, 5);
}

TEST(ReferenceTextTest, TheCsvExportReadsBackAsAReference) {
  auto db = MakeDatabase(kModelPvr);
  ImportChannelList(*db, ReadVdrChannels(ReadSample("mixed_channels.conf")).list);
  ChannelNamed(*db, "arte")->Record().SetName("-arte-");
  const ReferenceRead read = ReadReferenceText(WriteChannelCsv(CollectChannelList(*db)));
  ASSERT_TRUE(read.recognised) << read.message;
  ASSERT_EQ(read.list.entries.size(), 13u);
  // Sorted by number: the first TV, radio and data channels come first.
  const std::vector<std::string> names = Names(read.list);
  EXPECT_THAT(std::vector<std::string>(names.begin(), names.begin() + 3),
              ElementsAre("Das Erste HD", "Bayern 3", "Update service"));
  EXPECT_EQ(read.list.entries[1].type, 1);
  EXPECT_EQ(read.list.entries[5].name, "-arte-");
  EXPECT_TRUE(read.list.entries[0].hasIds);
  EXPECT_EQ(read.list.entries[0].serviceId, 10301);
}

TEST(ReferenceTextTest, TextsWithoutNumberAndNameAreNotRecognised) {
  for (const std::string& text :
       {std::string(), std::string("Name,Provider\nA,B\n"), std::string("a;b\nc;d\n"),
        std::string("Number;Name\n"), std::string("1;A\0", 4)}) {
    const ReferenceRead read = ReadReferenceText(text);
    EXPECT_FALSE(read.recognised) << text;
    EXPECT_THAT(read.message, HasSubstr("not a channel list"));
  }
}

TEST(ReferenceFileTest, TheKindOfAReferenceFileIsTold) {
  auto db = MakeDatabase(kModelFtaCi);
  ImportChannelList(*db, ReadVdrChannels(ReadSample("mixed_channels.conf")).list);
  std::vector<uint8_t> image;
  ASSERT_TRUE(db->GetSettings(image));
  const ReferenceFile settings = ReadReferenceFile(
      std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
  ASSERT_TRUE(settings.read.recognised);
  EXPECT_TRUE(settings.fromSettings);
  EXPECT_EQ(settings.read.list.entries.size(), 12u);  // TV and radio
  EXPECT_EQ(settings.read.list.groupMembers.size(), 8u);

  const ReferenceFile vdr = ReadReferenceFile(ReadSample("mixed_channels.conf"));
  ASSERT_TRUE(vdr.read.recognised);
  EXPECT_FALSE(vdr.fromSettings);
  EXPECT_EQ(vdr.read.list.entries.size(), 13u);
  EXPECT_EQ(vdr.read.list.skipped.size(), 4u);

  const ReferenceFile text = ReadReferenceFile("1;ZDF\n");
  EXPECT_TRUE(text.read.recognised);
  EXPECT_EQ(text.read.list.entries.size(), 1u);

  // An image whose size fits but whose content does not decode.
  const ReferenceFile broken = ReadReferenceFile(std::string(image.size(), '\xFF'));
  EXPECT_FALSE(broken.read.recognised);
  EXPECT_TRUE(broken.fromSettings);
  EXPECT_FALSE(ReadReferenceFile("junk").read.recognised);
}

}  // namespace
}  // namespace vq::test
