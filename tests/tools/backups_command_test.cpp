// `vqtool backups`: lists what the editor kept, newest first, and copies
// one out byte for byte.
#include <nlohmann/json.hpp>

#include "backups/backup_folder.h"
#include "support/database_builder.h"
#include "tool_test_support.h"

namespace vq::test {
namespace {

TEST_F(ToolTest, BackupsAreListedAndRestored) {
  std::vector<std::vector<uint8_t>> images;
  BackupFolder folder(Path("backups"));
  for (int i = 0; i < 3; ++i) {
    auto db = MakeDatabase(i % 2 ? kModelPvr : kModelFtaCi);
    AddTransponders(*db, i, 1 + i);
    std::vector<uint8_t> image;
    db->GetSettings(image);
    images.push_back(image);
    std::string error;
    ASSERT_TRUE(folder.Keep(image, BackupReason::kBeforeSave, "/data/list" + std::to_string(i), 50,
                            1765000000 + i, error))
        << error;
  }
  const ToolRun list = RunVqtool({"backups", "--folder", Path("backups")});
  ASSERT_EQ(list.code, 0) << list.err;
  EXPECT_EQ(CountLines(list.out), 3);
  EXPECT_EQ(list.out.find("1  "), 0u);
  EXPECT_NE(list.out.find("/data/list2"), std::string::npos);
  EXPECT_LT(list.out.find("/data/list2"), list.out.find("/data/list0"));

  const ToolRun json = RunVqtool({"backups", "--json", "--folder", Path("backups")});
  const nlohmann::json parsed = nlohmann::json::parse(json.out);
  ASSERT_EQ(parsed.size(), 3u);
  EXPECT_EQ(parsed[0]["source"], "/data/list2");
  EXPECT_EQ(parsed[2]["model"], 0);

  for (int n = 1; n <= 3; ++n) {
    const std::string out = Path("restored" + std::to_string(n) + ".bin");
    ASSERT_EQ(
        RunVqtool({"backups", "--folder", Path("backups"), "--restore", std::to_string(n), out})
            .code,
        0);
    EXPECT_EQ(ReadBytes(out), images[static_cast<size_t>(3 - n)]);
  }
  EXPECT_EQ(RunVqtool({"backups", "--folder", Path("backups"), "--restore", "4", Path("x")}).code,
            1);
  EXPECT_EQ(RunVqtool({"backups", "--folder", Path("backups"), "--restore", "0", Path("x")}).code,
            2);
  EXPECT_EQ(RunVqtool({"backups", "--folder", Path("backups"), "--restore", "1"}).code, 2);
  EXPECT_EQ(RunVqtool({"backups", "--folder", Path("backups"), "stray"}).code, 2);
  EXPECT_EQ(RunVqtool({"backups", "--folder", Path("none")}).out, "");
}

}  // namespace
}  // namespace vq::test
