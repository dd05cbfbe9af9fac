// The tool's tidy-ups on the demo file: duplicates listed and removed,
// channels sorted from a number, names replaced, and every bad option or
// refused rule stopping before anything is written.
#include <gmock/gmock.h>
#include <nlohmann/json.hpp>

#include <filesystem>

#include "editing/tidy/latin1_collation.h"
#include "tool_test_support.h"
#include "vqtool/database_checks.h"

namespace vq::test {
namespace {

using ::testing::HasSubstr;

class TidyCommandsTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    ASSERT_EQ(RunVqtool({"demo", Path("demo.bin")}).code, 0);
  }
  std::vector<std::string> Names(const std::string& file, int type) {
    SettingsDatabase db;
    std::string error;
    EXPECT_TRUE(tool::LoadSettingsFile(Path(file), db, error)) << error;
    std::vector<ChannelNode*> channels;
    db.CollectChannels(channels, type, kFilterNone);
    std::vector<std::string> names;
    for (const ChannelNode* c : channels) names.push_back(c->Record().GetName());
    EXPECT_EQ(tool::FindProblems(db), std::vector<std::string>{}) << file;
    return names;
  }
};

TEST_F(TidyCommandsTest, ListsAndRemovesTheDemoFilesDuplicates) {
  const ToolRun json = RunVqtool({"duplicates", Path("demo.bin"), "--json"});
  ASSERT_EQ(json.code, 0) << json.err;
  const auto groups = nlohmann::json::parse(json.out);
  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(groups[2]["kind"], "same name on one transponder");
  const ToolRun twins = RunVqtool({"duplicates", Path("demo.bin"), "--hd-twins"});
  EXPECT_THAT(twins.err, HasSubstr("7 groups, 7 channels to remove"));
  EXPECT_THAT(twins.out, HasSubstr("HD/SD twins:"));

  const std::vector<std::string> before = Names("demo.bin", kTv);
  const ToolRun dedupe = RunVqtool({"dedupe", Path("demo.bin"), Path("out.bin"), "--keep", "hd"});
  ASSERT_EQ(dedupe.code, 0) << dedupe.err;
  EXPECT_THAT(dedupe.out, HasSubstr("removed 3 duplicate channels of 3 groups"));
  EXPECT_EQ(Names("out.bin", kTv).size(), before.size() - 3);
  EXPECT_EQ(RunVqtool({"duplicates", Path("out.bin")}).out, "");
  EXPECT_EQ(RunVqtool({"dedupe", Path("demo.bin"), Path("x.bin"), "--keep", "best"}).code, 2);
  EXPECT_FALSE(std::filesystem::exists(Path("x.bin")));
}

TEST_F(TidyCommandsTest, SortsFromANumberAndLeavesTheOnesBefore) {
  const std::vector<std::string> before = Names("demo.bin", kRadio);
  const ToolRun run = RunVqtool({"sort", Path("demo.bin"), Path("out.bin"), "--by", "name",
                                 "--type", "radio", "--from", "5"});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::vector<std::string> after = Names("out.bin", kRadio);
  ASSERT_EQ(after.size(), before.size());
  EXPECT_TRUE(std::equal(before.begin(), before.begin() + 4, after.begin()));
  for (size_t i = 5; i < after.size(); ++i)
    EXPECT_LE(CompareLatin1Names(after[i - 1], after[i]), 0) << after[i];
  EXPECT_TRUE(std::is_permutation(before.begin(), before.end(), after.begin()));
  for (const std::vector<std::string>& bad : {std::vector<std::string>{"--by", "colour"},
                                              {"--by", "name", "--from", "0"},
                                              {"--by", "name", "--type", "both"},
                                              {}}) {
    std::vector<std::string> args = {"sort", Path("demo.bin"), Path("x.bin")};
    args.insert(args.end(), bad.begin(), bad.end());
    EXPECT_EQ(RunVqtool(args).code, 2);
  }
  EXPECT_FALSE(std::filesystem::exists(Path("x.bin")));
}

TEST_F(TidyCommandsTest, RenamesAndRefusesWhatWouldBreakARecord) {
  const ToolRun run = RunVqtool(
      {"rename", Path("demo.bin"), Path("out.bin"), "--find", " HD$", "--replace", "", "--regex"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("ZDF HD -> ZDF\n"));
  for (const std::string& name : Names("out.bin", kTv))
    EXPECT_THAT(name, ::testing::Not(HasSubstr(" HD")));
  // Empty names, characters beyond Latin-1 and broken patterns write nothing.
  const ToolRun empty = RunVqtool(
      {"rename", Path("demo.bin"), Path("x.bin"), "--find", "^.*$", "--replace", "", "--regex"});
  EXPECT_EQ(empty.code, 1);
  EXPECT_THAT(empty.out, HasSubstr("refused: The name would be empty."));
  EXPECT_EQ(RunVqtool({"rename", Path("demo.bin"), Path("x.bin"), "--find", "a", "--replace",
                       "\xE2\x82\xAC"})
                .code,
            2);
  const ToolRun broken = RunVqtool(
      {"rename", Path("demo.bin"), Path("x.bin"), "--find", "(a", "--replace", "b", "--regex"});
  EXPECT_EQ(broken.code, 2);
  EXPECT_THAT(broken.err, HasSubstr("parentheses"));
  EXPECT_FALSE(std::filesystem::exists(Path("x.bin")));
}

}  // namespace
}  // namespace vq::test
