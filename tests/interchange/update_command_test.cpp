// vqtool update-transponders with a folder of tables: the differences as
// text and JSON, and the file written only with --apply.

#include <gmock/gmock.h>
#include <nlohmann/json.hpp>

#include "invariant_checks.h"
#include "scan_table_texts.h"
#include "support/database_builder.h"
#include "tool_test_support.h"

namespace vq::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class UpdateCommandTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    auto db = MakeDatabase(kModelPvr);
    SatelliteNode& hotbird = *db->GetSatelliteNode(0);
    hotbird.SetName("Hot Bird");
    hotbird.Satellite().SetPosition(130);
    hotbird.Lnb().SetType(1);
    TransponderNode* kept = AddTransponders(*db, 0, 3)[0];
    kept->Record().SetFrequency(10719);
    kept->Record().SetPolarization(2);
    db->GetSatelliteNode(0)->GetTransponder(1)->Record().SetFrequency(11034);
    db->GetSatelliteNode(0)->GetTransponder(2)->Record().SetFrequency(12597);
    AddChannels(*db, db->GetSatelliteNode(0)->GetTransponder(2), kRadio, 3);
    db->GetSatelliteNode(1)->SetName("Nowhere");
    AddTransponders(*db, 1, 1);
    Save(*db, "in.bin");
    std::filesystem::create_directory(dir_ / "tables");
    std::ofstream(dir_ / "tables" / "Hotbird-13.0E")
        << Section(10719, "VERTICAL", 27500) << Section(11034, "HORIZONTAL", 27500, "3/4")
        << Section(11200, "VERTICAL", 27500, "5/6");
  }

  ToolRun Update(std::vector<std::string> extra) {
    std::vector<std::string> args = {"update-transponders", Path("in.bin"), "--tables",
                                     Path("tables")};
    args.insert(args.end(), extra.begin(), extra.end());
    return RunVqtool(args);
  }
};

TEST_F(UpdateCommandTest, PrintsTheDifferencesAndWritesNothing) {
  const ToolRun run = Update({});
  ASSERT_EQ(run.code, 0) << run.err;
  std::vector<std::string> lines;
  std::istringstream in(run.out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  EXPECT_THAT(lines, ElementsAre("Satellite 1 \"Hot Bird\" at 13.0E: 3 differences",
                                 "  tables: Hotbird-13.0E",
                                 "  changed  11034 H 27500 Auto to H 27500 3/4, no channels "
                                 "(Hotbird-13.0E line 9)",
                                 "  new      11200 V 27500 5/6 (Hotbird-13.0E line 17)",
                                 "  vanished 12597 H 27500 Auto, 3 channels",
                                 "Satellite 2 \"Nowhere\": no orbital position; left alone"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 2);
}

TEST_F(UpdateCommandTest, AppliesNewAndChangedButRemovesOnlyWhenAsked) {
  ToolRun run = Update({"--apply", Path("out.bin")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.err, HasSubstr("Transponders added: 1, changed: 1, removed: 0"));
  auto db = MakeDatabase(kModelNone);
  std::string error;
  ASSERT_TRUE(tool::LoadSettingsFile(Path("out.bin"), *db, error)) << error;
  EXPECT_EQ(db->GetSatelliteNode(0)->GetTransponderCount(), 4);
  EXPECT_EQ(db->CountChannels(kAllTypes), 3);
  EXPECT_EQ(RunVqtool({"check", Path("out.bin")}).out, "0 problems\n");

  run = Update({"--apply", Path("out2.bin"), "--remove-vanished"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.err, HasSubstr("removed: 1 (with 3 channels)"));
  ASSERT_TRUE(tool::LoadSettingsFile(Path("out2.bin"), *db, error)) << error;
  EXPECT_EQ(db->GetSatelliteNode(0)->GetTransponderCount(), 3);
  EXPECT_EQ(db->CountChannels(kAllTypes), 0);
  EXPECT_THAT(InvariantProblems(*db), ::testing::IsEmpty());
}

TEST_F(UpdateCommandTest, JsonCarriesEverySatelliteAndWhatWasApplied) {
  const ToolRun run = Update({"--json", "--apply", Path("out.bin")});
  ASSERT_EQ(run.code, 0) << run.err;
  const nlohmann::json json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["counts"], (nlohmann::json{{"new", 1}, {"changed", 1}, {"vanished", 1}}));
  const nlohmann::json& hotbird = json["satellites"][0];
  EXPECT_EQ(hotbird["position"], "13.0E");
  EXPECT_EQ(hotbird["updates"][0]["kind"], "changed");
  EXPECT_EQ(hotbird["updates"][0]["after"]["fec"], "3/4");
  EXPECT_EQ(hotbird["updates"][2]["channels"], 3);
  EXPECT_EQ(json["satellites"][1]["status"], "no position");
  EXPECT_TRUE(json["satellites"][1]["position"].is_null());
  EXPECT_EQ(json["applied"]["added"], 1);
  EXPECT_EQ(json["applied"]["removed"], 0);
}

TEST_F(UpdateCommandTest, UsageAndSourceErrors) {
  EXPECT_EQ(Update({"--remove-vanished"}).code, 2);
  EXPECT_EQ(RunVqtool({"update-transponders"}).code, 2);
  const ToolRun missing =
      RunVqtool({"update-transponders", Path("in.bin"), "--tables", Path("none")});
  EXPECT_EQ(missing.code, 1);
  EXPECT_THAT(missing.err, HasSubstr("cannot be read"));
  EXPECT_FALSE(std::filesystem::exists(Path("out.bin")));
}

}  // namespace
}  // namespace vq::test
