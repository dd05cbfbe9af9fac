#include <gmock/gmock.h>
#include <nlohmann/json.hpp>

#include "support/database_builder.h"
#include "tool_test_support.h"

namespace vq::test {
namespace {

using ::testing::HasSubstr;

class FindCommandTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    auto db = MakeDatabase(kModelPvr);
    auto transponders = AddTransponders(*db, 2, 2);
    transponders[1]->Record().SetFrequency(12692);
    auto tv = AddChannels(*db, transponders[0], kTv, 3);
    auto radio = AddChannels(*db, transponders[1], kRadio, 2);
    tv[0]->Record().SetName(
        "\xD6"
        "1");  // Latin-1 "Ö1"
    tv[1]->Record().SetName("ORF2");
    tv[2]->Record().SetName("ZDF");
    tv[2]->Record().SetProgramId(28006);
    radio[0]->Record().SetName(
        "\xD6"
        "1 Radio");
    radio[1]->Record().SetName("Bayern 3");
    Save(*db, "in.bin");
  }
};

TEST_F(FindCommandTest, PrintsTheMatchingChannelsOnePerLineTvFirst) {
  const ToolRun run = RunVqtool({"find", Path("in.bin"), "ö1"});
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(CountLines(run.out), 2);
  EXPECT_EQ(run.out, "TV        1  Ö1" + std::string(19, ' ') +
                         "10700 H 27500  SID 0  VPID 0  APID 0  Satellite03 0.0E\n"
                         "Radio     1  Ö1 Radio" +
                         std::string(13, ' ') +
                         "12692 H 27500  SID 0  VPID 0  APID 0  Satellite03 0.0E\n");

  const ToolRun byFrequency = RunVqtool({"find", Path("in.bin"), "12692"});
  EXPECT_EQ(CountLines(byFrequency.out), 2);
  EXPECT_THAT(byFrequency.out, HasSubstr("Bayern 3"));
  const ToolRun byService = RunVqtool({"find", Path("in.bin"), "28006"});
  EXPECT_EQ(CountLines(byService.out), 1);
  EXPECT_THAT(byService.out, HasSubstr("ZDF"));
  EXPECT_EQ(RunVqtool({"find", Path("in.bin"), "nothing"}).out, "");
}

TEST_F(FindCommandTest, JsonListsTheChannelsAsTheDumpDoes) {
  const ToolRun run = RunVqtool({"find", "--json", Path("in.bin"), "orf"});
  ASSERT_EQ(run.code, 0) << run.err;
  const nlohmann::json list = nlohmann::json::parse(run.out);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0]["name"], "ORF2");
  EXPECT_EQ(list[0]["satellite"], 2);
  EXPECT_EQ(list[0]["number"], 1);
  EXPECT_EQ(nlohmann::json::parse(RunVqtool({"find", Path("in.bin"), "x", "--json"}).out),
            nlohmann::json::array());
}

TEST_F(FindCommandTest, BadUsageAndBadFilesAreRefused) {
  EXPECT_EQ(RunVqtool({"find", Path("in.bin")}).code, 2);
  EXPECT_EQ(RunVqtool({"find", Path("in.bin"), ""}).code, 2);
  const ToolRun beyond = RunVqtool({"find", Path("in.bin"), "€"});
  EXPECT_EQ(beyond.code, 2);
  EXPECT_THAT(beyond.err, HasSubstr("beyond Latin-1"));
  const ToolRun missing = RunVqtool({"find", Path("missing.bin"), "x"});
  EXPECT_EQ(missing.code, 1);
  EXPECT_EQ(CountLines(missing.err), 1);
}

}  // namespace
}  // namespace vq::test
