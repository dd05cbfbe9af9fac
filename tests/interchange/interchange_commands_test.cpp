// The interchange commands end to end: import-vdr, import-scan-table,
// export-vdr, export-csv and order-like with their exit codes and summaries.

#include <gmock/gmock.h>

#include "sample_files.h"
#include "support/database_builder.h"
#include "tool_test_support.h"

namespace vq::test {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

class InterchangeCommandsTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    ASSERT_EQ(RunVqtool({"new", "--model", "1", Path("empty.bin")}).code, 0);
    WriteText("mixed.conf", ReadSample("mixed_channels.conf"));
  }
  void WriteText(const std::string& name, const std::string& text) {
    WriteBytes(Path(name), std::vector<uint8_t>(text.begin(), text.end()));
  }
  std::string ReadText(const std::string& name) {
    const std::vector<uint8_t> bytes = ReadBytes(Path(name));
    return std::string(bytes.begin(), bytes.end());
  }
  std::unique_ptr<SettingsDatabase> Load(const std::string& name) {
    auto db = MakeDatabase(kModelNone);
    std::string error;
    EXPECT_TRUE(tool::LoadSettingsFile(Path(name), *db, error)) << error;
    return db;
  }
};

TEST_F(InterchangeCommandsTest, ImportVdrWritesTheFileAndTheSummary) {
  const ToolRun run = RunVqtool(
      {"import-vdr", "--favourites", Path("mixed.conf"), Path("empty.bin"), Path("out.bin")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("(10 transponders and 13 channels added)"));
  EXPECT_THAT(run.err, HasSubstr("Channels added: 9 TV, 3 radio, 1 data (0 already there)"));
  EXPECT_THAT(run.err, HasSubstr("  not a satellite entry (source C) (line 15)"));
  EXPECT_THAT(run.err, HasSubstr("Favourite places added: 12"));
  EXPECT_EQ(RunVqtool({"check", Path("out.bin")}).out, "0 problems\n");
  EXPECT_EQ(Load("out.bin")->CountChannels(kAllTypes), 13);
}

TEST_F(InterchangeCommandsTest, AFileOfAnotherKindOrNothingUsableWritesNothing) {
  WriteText("list.txt", "1;Das Erste\n");
  ToolRun run = RunVqtool({"import-vdr", Path("list.txt"), Path("empty.bin"), Path("out.bin")});
  EXPECT_EQ(run.code, 1);
  EXPECT_THAT(run.err, HasSubstr("The file is not a VDR channels.conf"));
  WriteText("cable.conf", "Cable;KD:394:M64:C:6900:101=2:102=deu:0:0:1:61441:10001:0\n");
  run = RunVqtool({"import-vdr", Path("cable.conf"), Path("empty.bin"), Path("out.bin")});
  EXPECT_EQ(run.code, 1);
  EXPECT_THAT(run.err, HasSubstr("nothing could be used"));
  EXPECT_FALSE(std::filesystem::exists(Path("out.bin")));
  EXPECT_EQ(RunVqtool({"import-vdr", Path("mixed.conf"), Path("empty.bin")}).code, 2);
}

TEST_F(InterchangeCommandsTest, AFullTableSavesWhatWasImportedAndFails) {
  auto db = MakeDatabase(kModelFtaCi);
  AddChannels(*db, AddTransponders(*db, 9, 1)[0], kTv, kChannelCapacityModel0 - 1);
  Save(*db, "almost.bin");
  const ToolRun run =
      RunVqtool({"import-vdr", Path("mixed.conf"), Path("almost.bin"), Path("out.bin")});
  EXPECT_EQ(run.code, 1);
  EXPECT_THAT(run.err, HasSubstr("No channel space left.\n\nPlease remove some unused ones."));
  EXPECT_EQ(Load("out.bin")->CountChannels(kAllTypes), kChannelCapacityModel0);
  EXPECT_EQ(RunVqtool({"check", Path("out.bin")}).out, "0 problems\n");
}

TEST_F(InterchangeCommandsTest, ExportsWriteVdrAndCsv) {
  ASSERT_EQ(RunVqtool({"import-vdr", Path("mixed.conf"), Path("empty.bin"), Path("a.bin")}).code,
            0);
  ToolRun run = RunVqtool({"export-vdr", Path("a.bin"), Path("a.conf")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "Saved " + Path("a.conf") + " (13 channels)\n");
  EXPECT_THAT(ReadText("a.conf"), StartsWith("Das Erste HD;ARD:11494:HC23S0:S19.2E:22000:"));
  ASSERT_EQ(RunVqtool({"export-csv", Path("a.bin"), Path("a.csv")}).code, 0);
  EXPECT_THAT(ReadText("a.csv"), StartsWith("\xEF\xBB\xBFNumber,Name,"));
  // The export imports into the same database again.
  ASSERT_EQ(RunVqtool({"import-vdr", Path("a.conf"), Path("empty.bin"), Path("b.bin")}).code, 0);
  EXPECT_EQ(ReadBytes(Path("a.bin")), ReadBytes(Path("b.bin")));
  EXPECT_EQ(RunVqtool({"export-csv", Path("nowhere.bin"), Path("x.csv")}).code, 1);
}

TEST_F(InterchangeCommandsTest, ScanTablesGoToANumberedSatelliteOrAPosition) {
  WriteText("table.conf", ReadSample("scan_table.conf"));
  ToolRun run = RunVqtool({"import-scan-table", "--satellite", "5", Path("table.conf"),
                           Path("empty.bin"), Path("out.bin")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.err, HasSubstr("Transponders added: 3 (1 already there)"));
  EXPECT_EQ(Load("out.bin")->GetSatelliteNode(4)->GetTransponderCount(), 3);
  run = RunVqtool({"import-scan-table", "--position", "0.8W", Path("table.conf"), Path("out.bin"),
                   Path("out.bin")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Load("out.bin")->GetSatelliteNode(0)->GetName(), "Sat 0.8W");
  for (const std::vector<std::string>& bad : {std::vector<std::string>{"--satellite", "65"},
                                              {"--satellite", "x1"},
                                              {"--position", "0.8N"},
                                              {},
                                              {"--satellite", "1", "--position", "1.0E"}}) {
    std::vector<std::string> args = {"import-scan-table"};
    args.insert(args.end(), bad.begin(), bad.end());
    args.insert(args.end(), {Path("table.conf"), Path("empty.bin"), Path("x.bin")});
    EXPECT_EQ(RunVqtool(args).code, 2);
  }
  run = RunVqtool({"import-scan-table", "--satellite", "1", Path("mixed.conf"), Path("empty.bin"),
                   Path("x.bin")});
  EXPECT_EQ(run.code, 1);
  EXPECT_THAT(run.err, HasSubstr("not a dvbv5 scan table"));
}

TEST_F(InterchangeCommandsTest, OrderLikeTakesSettingsVdrAndTextReferences) {
  ASSERT_EQ(RunVqtool({"import-vdr", Path("mixed.conf"), Path("empty.bin"), Path("a.bin")}).code,
            0);
  WriteText("order.txt", "1;arte\n2;zdf\n");
  ToolRun run = RunVqtool({"order-like", Path("order.txt"), Path("a.bin"), Path("b.bin")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.err,
              HasSubstr("TV channels matched: 0 by ids, 2 by name; 7 not in the reference"));
  EXPECT_THAT(NamesInOrder(*Load("b.bin"), kTv)[0], "arte");

  // Back like the settings file, and like the channels.conf it came from.
  run = RunVqtool({"order-like", "--favourites", Path("a.bin"), Path("b.bin"), Path("c.bin")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(ReadBytes(Path("a.bin")), ReadBytes(Path("c.bin")));
  run = RunVqtool({"order-like", "--favourites", Path("mixed.conf"), Path("b.bin"), Path("d.bin")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.err, HasSubstr("only a settings file has favourite groups"));
  EXPECT_EQ(ReadBytes(Path("a.bin")), ReadBytes(Path("d.bin")));

  WriteText("none.txt", "1;Nowhere\n");
  run = RunVqtool({"order-like", Path("none.txt"), Path("a.bin"), Path("e.bin")});
  EXPECT_EQ(run.code, 1);
  EXPECT_FALSE(std::filesystem::exists(Path("e.bin")));
  WriteText("junk.bin", std::string(100, '\0'));
  run = RunVqtool({"order-like", Path("junk.bin"), Path("a.bin"), Path("e.bin")});
  EXPECT_EQ(run.code, 1);
  EXPECT_THAT(run.err, HasSubstr("not a settings file, a VDR channels.conf or a channel list"));
}

}  // namespace
}  // namespace vq::test
