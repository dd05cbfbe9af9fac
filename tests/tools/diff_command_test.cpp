// `vqtool diff` and `vqtool dump --text` on files of both models: a file
// equals itself, the text and JSON forms list the same differences, and a
// file that took over every difference is equal to the other and dumps the
// same lines.
#include <nlohmann/json.hpp>

#include <numeric>
#include <random>

#include "../compare/compare_test_support.h"
#include "compare/database_comparison.h"
#include "tool_test_support.h"

namespace vq::test {
namespace {

class DiffCommandTest : public ToolTest, public ::testing::WithParamInterface<int32_t> {
 protected:
  void Save(SettingsDatabase& db, const std::string& name) {
    std::string error;
    ASSERT_TRUE(tool::SaveSettingsFile(Path(name), db, error)) << error;
  }
  std::unique_ptr<SettingsDatabase> Load(const std::string& name) {
    auto db = std::make_unique<SettingsDatabase>(FixedClock);
    std::string error;
    EXPECT_TRUE(tool::LoadSettingsFile(Path(name), *db, error)) << error;
    return db;
  }
};

TEST_P(DiffCommandTest, TakingOverEverythingLeavesNothingToReport) {
  for (unsigned seed = 1; seed <= 3; ++seed) {
    std::mt19937 rng(seed);
    auto a = MakeRandomDatabase(GetParam(), seed, {.transponders = 120, .channels = 700});
    Save(*a, "a.bin");
    auto b = Load("a.bin");
    MutateRandomly(rng, *b, 30);
    Save(*b, "b.bin");

    const ToolRun same = RunVqtool({"diff", Path("a.bin"), Path("a.bin")});
    EXPECT_EQ(same.code, 0) << same.err;
    EXPECT_EQ(same.out, "");

    const ToolRun text = RunVqtool({"diff", Path("a.bin"), Path("b.bin")});
    ASSERT_EQ(text.code, 1) << text.err;
    const ToolRun json = RunVqtool({"diff", "--json", Path("a.bin"), Path("b.bin")});
    ASSERT_EQ(json.code, 1);
    const nlohmann::json parsed = nlohmann::json::parse(json.out);
    EXPECT_FALSE(parsed["equal"]);
    EXPECT_EQ(static_cast<int>(parsed["differences"].size()), CountLines(text.out));
    EXPECT_EQ(RunVqtool({"diff", Path("a.bin"), Path("b.bin")}).out, text.out) << "stable order";

    auto loadedA = Load("a.bin");
    auto loadedB = Load("b.bin");
    const DatabaseComparison cmp = CompareDatabases(*loadedA, *loadedB);
    std::vector<size_t> all(cmp.differences.size());
    std::iota(all.begin(), all.end(), 0);
    TakeOverDifferences(*loadedA, *loadedB, cmp, all);
    Save(*loadedA, "taken.bin");
    const ToolRun after = RunVqtool({"diff", Path("taken.bin"), Path("b.bin")});
    EXPECT_EQ(after.code, 0) << after.out;
    const ToolRun dumpTaken = RunVqtool({"dump", Path("taken.bin"), "--text"});
    const ToolRun dumpB = RunVqtool({"dump", "--text", Path("b.bin")});
    ASSERT_EQ(dumpB.code, 0) << dumpB.err;
    EXPECT_EQ(dumpTaken.out, dumpB.out);
    EXPECT_NE(RunVqtool({"dump", Path("a.bin"), "--text"}).out, dumpB.out);
  }
}

INSTANTIATE_TEST_SUITE_P(BothModels, DiffCommandTest, ::testing::Values(kModelFtaCi, kModelPvr));

TEST_F(ToolTest, DiffAndTextDumpRefuseBadUsageAndUnreadableFiles) {
  ASSERT_EQ(RunVqtool({"demo", Path("demo.bin")}).code, 0);
  WriteBytes(Path("junk.bin"), {1, 2, 3});
  EXPECT_EQ(RunVqtool({"diff", Path("demo.bin")}).code, 2);
  EXPECT_EQ(RunVqtool({"diff", Path("demo.bin"), Path("demo.bin"), "--text"}).code, 2);
  EXPECT_EQ(RunVqtool({"diff", Path("demo.bin"), Path("junk.bin")}).code, 2);
  EXPECT_EQ(RunVqtool({"diff", Path("missing.bin"), Path("demo.bin")}).code, 2);
  EXPECT_EQ(RunVqtool({"dump", Path("demo.bin"), "--text", "--json"}).code, 2);
  const ToolRun dump = RunVqtool({"dump", Path("demo.bin"), "--text"});
  ASSERT_EQ(dump.code, 0);
  EXPECT_NE(dump.out.find("\nchannel TV 1 "), std::string::npos);
}

}  // namespace
}  // namespace vq::test
