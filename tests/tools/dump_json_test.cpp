#include <gmock/gmock.h>
#include <nlohmann/json.hpp>

#include "support/database_builder.h"
#include "tool_test_support.h"
#include "vqtool/latin1.h"

namespace vq::test {
namespace {

using Json = nlohmann::json;

class DumpJsonTest : public ToolTest {
 protected:
  Json Dump(const std::string& name) {
    const ToolRun run = RunVqtool({"dump", Path(name), "--json"});
    EXPECT_EQ(run.code, 0) << run.err;
    return Json::parse(run.out);
  }
};

TEST_F(DumpJsonTest, FreshFileHasEveryTableAndKey) {
  ASSERT_EQ(RunVqtool({"new", "--model", "0", Path("new.bin")}).code, 0);
  const Json dump = Dump("new.bin");
  EXPECT_EQ(dump["model"], 0);
  EXPECT_EQ(dump["extendedConfig"], false);
  const std::string config = dump["configRecord"];
  EXPECT_EQ(config.size(), 2 * kConfigRecordSize);
  EXPECT_EQ(config.find_first_not_of("0123456789abcdef"), std::string::npos);

  ASSERT_EQ(dump["satellites"].size(), 64u);
  const Json& last = dump["satellites"][63];
  EXPECT_EQ(last["node"], 63);
  EXPECT_EQ(last["index"], 63);
  for (const char* key : {"name", "position", "motorIndex", "lnb", "predefined", "transponders"})
    EXPECT_TRUE(last.contains(key)) << key;
  for (const char* key :
       {"type", "high", "low", "tone22k", "v12", "switchType", "port", "toneBurst", "motorType"})
    EXPECT_TRUE(last["lnb"].contains(key)) << key;
  EXPECT_EQ(last["predefined"].size(), 3u);

  EXPECT_TRUE(dump["transponders"].empty());
  EXPECT_TRUE(dump["channels"].empty());
  EXPECT_EQ(dump["favorites"].size(), 8u);
}

TEST_F(DumpJsonTest, RecordsCarryTheirLinksAndFavouriteOrder) {
  auto db = MakeDatabase(kModelPvr);
  auto transponders = AddTransponders(*db, 2, 2);
  transponders[1]->Record().SetPolarization(2);
  auto tv = AddChannels(*db, transponders[1], kTv, 2);
  auto radio = AddChannels(*db, transponders[1], kRadio, 1);
  tv[1]->Record().SetAudioPid(5, 0x1FFF);
  db->AddToFavoriteGroup(radio[0], 3);
  db->AddToFavoriteGroup(tv[0], 3);
  Save(*db, "in.bin");

  const Json dump = Dump("in.bin");
  EXPECT_EQ(dump["satellites"][2]["transponders"], Json::array({0, 1}));
  ASSERT_EQ(dump["transponders"].size(), 2u);
  const Json& transponder = dump["transponders"][1];
  EXPECT_EQ(transponder["index"], 1);
  EXPECT_EQ(transponder["satellite"], 2);
  EXPECT_EQ(transponder["position"], 1);
  EXPECT_EQ(transponder["number"], 1);
  EXPECT_EQ(transponder["frequency"], 10710);
  EXPECT_EQ(transponder["polarization"], 2);

  ASSERT_EQ(dump["channels"].size(), 3u);
  const Json& second = dump["channels"][1];
  EXPECT_EQ(second["index"], 1);
  EXPECT_EQ(second["type"], 0);
  EXPECT_EQ(second["number"], 1);
  EXPECT_EQ(second["satellite"], 2);
  EXPECT_EQ(second["transponder"], 1);
  EXPECT_EQ(second["satPos"], 1);
  EXPECT_EQ(second["tpPos"], 1);
  EXPECT_EQ(second["audio"][5]["pid"], 0x1FFF);
  EXPECT_EQ(dump["channels"][2]["number"], 16384);
  EXPECT_EQ(dump["channels"][2]["favorites"], Json::array({0, 0, 0, 128, 0, 0, 0, 0}));
  EXPECT_EQ(dump["favorites"][3]["members"], Json::array({2, 0}));
}

TEST_F(DumpJsonTest, StoredBytesAboveAsciiRoundTripAsLatin1) {
  const std::string bytes = "Caf\xE9 \xFC\xFF";
  auto db = MakeDatabase(kModelFtaCi);
  db->GetSatelliteNode(0)->SetName(bytes);
  auto channel = AddChannels(*db, AddTransponders(*db, 0, 1)[0], kTv, 1)[0];
  channel->Record().SetName(bytes);
  db->SetFavoriteGroupName(1, bytes);
  Save(*db, "latin.bin");

  const ToolRun run = RunVqtool({"dump", Path("latin.bin"), "--json"});
  EXPECT_NE(run.out.find("Caf\xC3\xA9 \xC3\xBC\xC3\xBF"), std::string::npos);
  const Json dump = Json::parse(run.out);
  for (const Json* name : {&dump["satellites"][0]["name"], &dump["satellites"][0]["lnb"]["name"],
                           &dump["channels"][0]["name"], &dump["favorites"][1]["name"]})
    EXPECT_EQ(tool::Utf8ToLatin1(name->get<std::string>()), bytes);
}

TEST(Latin1Test, EveryByteSurvivesAndWiderCharactersAreRefused) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(tool::Utf8ToLatin1(tool::Latin1ToUtf8(all)), all);
  EXPECT_EQ(tool::Utf8ToLatin1("T\xC3\xBCrksat"), "T\xFCrksat");
  EXPECT_EQ(tool::Utf8ToLatin1("\xE2\x82\xAC"), std::nullopt);  // euro sign
  EXPECT_EQ(tool::Utf8ToLatin1("ab\xC3"), std::nullopt);        // cut short
  EXPECT_EQ(tool::Utf8ToLatin1("\xC3(x"), std::nullopt);        // bad continuation
  EXPECT_EQ(tool::Utf8ToLatin1("\xC1\xBF"), std::nullopt);      // overlong form
}

}  // namespace
}  // namespace vq::test
