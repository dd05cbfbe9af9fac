#include <gmock/gmock.h>

#include "database/lookup_tables.h"
#include "support/database_builder.h"
#include "tool_test_support.h"
#include "vqtool/database_checks.h"
#include "vqtool/demo_description.h"
#include "vqtool/demo_text.h"
#include "vqtool/description_line.h"

namespace vq::test {
namespace {

using ::testing::HasSubstr;

TEST(DemoDescriptionTest, BundledDemoBuildsSoundAndShowsEveryPartOfTheEditor) {
  SettingsDatabase db(FixedClock);
  tool::DescriptionError error;
  ASSERT_TRUE(tool::BuildFromDescription(tool::BundledDemoDescription(), db, error))
      << error.line << ": " << error.message;
  // The demo shows every part of the editor: several satellites on a switch,
  // every channel type, scrambled and locked channels, full favourite groups.
  EXPECT_EQ(db.GetModel(), kModelPvr);
  for (int s = 0; s < 6; ++s) EXPECT_GT(db.GetSatelliteNode(s)->GetTransponderCount(), 2) << s;
  EXPECT_NE(db.GetSatelliteNode(0)->Lnb().GetSwitchType(), 0);
  EXPECT_EQ(db.GetSatelliteNode(6)->GetTransponderCount(), 0);
  EXPECT_GT(db.CountChannels(kTv), 200);
  EXPECT_GT(db.CountChannels(kRadio), 50);
  EXPECT_GT(db.CountChannels(kData), 5);
  for (int g = 0; g < kFavoriteGroupCount; ++g) EXPECT_GT(db.CountFavoriteMembers(g), 10) << g;

  int scrambled = 0, locked = 0;
  std::vector<ChannelNode*> all;
  db.CollectChannels(all, kAllTypes, kFilterNone);
  for (const ChannelNode* c : all) {
    scrambled += c->Record().IsScrambled() && c->Record().GetCas() != 0;
    locked += c->Record().IsLocked();
  }
  EXPECT_GT(scrambled, 50);
  EXPECT_GT(locked, 2);
  std::vector<uint8_t> image;
  ASSERT_TRUE(db.GetSettings(image));
  EXPECT_THAT(tool::FindProblems(db), testing::IsEmpty());
}

TEST(DemoDescriptionTest, ChannelFieldsLandInTheirRecords) {
  SettingsDatabase db(FixedClock);
  tool::DescriptionError error;
  ASSERT_TRUE(tool::BuildFromDescription(
      "group 2 \"Films\"\n"
      "satellite \"Sat\" 5.0W motorindex=3\n"
      "transponder 12000 V 27500 Auto tsid=7 nid=9 name=\"Mux\" fta\n"
      "tv \"One\" sid=10 pmt=100 video=101 audio=102:German,103:French ac3=104:English ttx=105 "
      "cas=\"Deutsche Tel\" ecm=106 fav=2 locked\n"
      "radio \"Two\" audio=201 mode=mono fav=2\n",
      db, error))
      << error.message;
  const TransponderRecord t = db.GetSatelliteNode(0)->GetTransponder(0)->Record();
  EXPECT_EQ(t.GetFrequency(), 12000);
  EXPECT_EQ(t.GetPolarization(), 2);
  EXPECT_EQ(t.GetFec(), 5);
  EXPECT_TRUE(t.IsFtaOnly());
  EXPECT_EQ(t.GetName(), "Mux");
  EXPECT_EQ(db.GetSatelliteNode(0)->Satellite().GetMotorIndex(), 3);

  const ChannelRecord one = db.FindChannelNode(0)->Record();
  EXPECT_EQ(one.GetProgramId(), 10);
  EXPECT_EQ(one.GetPcrPid(), 101);
  EXPECT_EQ(one.GetAudioCount(), 2);
  EXPECT_EQ(one.GetAudioLanguageText(1), "French");
  EXPECT_EQ(one.GetAc3LanguageText(), "English");
  EXPECT_EQ(one.GetCasText(), "Deutsche Tel");
  EXPECT_TRUE(one.IsScrambled());
  EXPECT_EQ(one.GetFreeNumber(), 0);
  EXPECT_TRUE(one.IsLocked());
  const ChannelRecord two = db.FindChannelNode(1)->Record();
  EXPECT_EQ(two.GetPcrPid(), 201);
  EXPECT_EQ(two.GetAudioModeText(), "Mono");
  EXPECT_EQ(one.GetFavoritePlace(1), 128);
  EXPECT_EQ(two.GetFavoritePlace(1), 129);
}

// Four y-diaeresis as a network's or a channel's name would write the
// free-slot marker over the record's first bytes.
TEST(DemoDescriptionTest, NamesThatWouldMarkAFreeSlotKeepTheirRecordsInUse) {
  SettingsDatabase db(FixedClock);
  tool::DescriptionError error;
  const std::string four = "\xC3\xBF\xC3\xBF\xC3\xBF\xC3\xBF";
  ASSERT_TRUE(tool::BuildFromDescription("satellite \"Sat\" 5.0W\n"
                                         "transponder 12000 V 27500 Auto name=\"" + four + "\"\n"
                                         "tv \"" + four + " TV\"\n",
                                         db, error))
      << error.message;
  EXPECT_EQ(db.GetSatelliteNode(0)->GetTransponder(0)->Record().GetName(), "?\xFF\xFF\xFF");
  EXPECT_EQ(db.FindChannelNode(0)->Record().GetName(), "?\xFF\xFF\xFF TV");
  std::vector<uint8_t> image;  // a save names the LNB records as the check expects
  ASSERT_TRUE(db.GetSettings(image));
  EXPECT_THAT(tool::FindProblems(db), testing::IsEmpty());
}

TEST(DemoDescriptionTest, MistakesNameTheirLine) {
  const std::string sat = "satellite \"S\" 1.0E\n";
  const std::string tp = sat + "transponder 11000 H 27500 3/4\n";
  std::string many;
  for (int i = 0; i < 65; ++i) many += sat;
  const std::tuple<std::string, int, std::string> cases[] = {
      {"# note\n\nsatelite \"S\" 1.0E\n", 3, "unknown keyword 'satelite'"},
      {"transponder 11000 H 27500 3/4\n", 1, "needs a satellite"},
      {sat + "tv \"A\"\n", 2, "needs a transponder"},
      {"satellite \"Open 1.0E\n", 1, "quote is not closed"},
      {"satellite \"Fifteen chars..\" 1.0E\n", 1, "1 to 14 characters"},
      {"satellite \"\xE2\x82\xAC\" 1.0E\n", 1, "beyond Latin-1"},
      {"satellite \"S\" 1.0X\n", 1, "orbital position '1.0X'"},
      {"satellite \"S\" 181.0E\n", 1, "orbital position"},
      {"satellite \"S\" 1.0E port=17\n", 1, "port '17' is not a number from 1 to 16"},
      {"satellite \"S\" 1.0E switch=\"5 Port\"\n", 1, "unknown switch type"},
      {sat + "transponder 70000 H 27500 3/4\n", 2, "frequency '70000'"},
      {sat + "transponder 11000 X 27500 3/4\n", 2, "polarisation 'X'"},
      {sat + "transponder 11000 H 27500\n", 2, "the FEC is missing"},
      {tp + "tv \"A\" colour=red\n", 3, "'colour' is not understood"},
      {tp + "tv \"A\" shiny\n", 3, "'shiny' is not understood"},
      {tp + "tv \"A\" video=9000\n", 3, "video '9000'"},
      {tp + "tv \"A\" cas=Bogus\n", 3, "unknown CAS system 'Bogus'"},
      {tp + "tv \"A\" audio=1:Klingon\n", 3, "unknown language 'Klingon'"},
      {tp + "tv \"A\" audio=1,2,3,4,5,6,7\n", 3, "more than 6 audio tracks"},
      {tp + "tv \"A\" fav=9\n", 3, "favourite group '9'"},
      {tp + "data \"A\" fav=1\n", 3, "data channels cannot be favourites"},
      {sat + "model 0\n", 2, "model must come before"},
      {"group 1 \"Seventeen chars..\"\n", 1, "1 to 16 characters"},
      {"receiver gmt=45\n", 1, "multiple of 30"},
      {"receiver =x\n", 1, "no name before '='"},
      {many, 65, "more than 64 satellites"},
  };
  for (const auto& [text, line, message] : cases) {
    SettingsDatabase db(FixedClock);
    tool::DescriptionError error;
    EXPECT_FALSE(tool::BuildFromDescription(text, db, error)) << text;
    EXPECT_EQ(error.line, line) << text;
    EXPECT_THAT(error.message, HasSubstr(message)) << text;
  }
}

TEST(DescriptionLineTest, QuotesGroupBlanksAndCommentsEndTheLine) {
  tool::DescriptionLine line;
  std::string error;
  ASSERT_TRUE(
      tool::SplitDescriptionLine("  tv \"A = B\" name=\"x y\" locked  # the end \"", line, error));
  EXPECT_EQ(line.keyword, "tv");
  ASSERT_EQ(line.tokens.size(), 3u);
  EXPECT_EQ(line.tokens[0].key, "");
  EXPECT_EQ(line.tokens[0].value, "A = B");
  EXPECT_EQ(line.tokens[1].key, "name");
  EXPECT_EQ(line.tokens[1].value, "x y");
  EXPECT_EQ(line.tokens[2].value, "locked");
  ASSERT_TRUE(tool::SplitDescriptionLine("\t# only a comment\r", line, error));
  EXPECT_TRUE(line.keyword.empty());
  EXPECT_FALSE(tool::SplitDescriptionLine("key=value", line, error));
}

class DemoCommandTest : public ToolTest {};

TEST_F(DemoCommandTest, WritesALoadableFileOrNamesTheBadLine) {
  const ToolRun run = RunVqtool({"demo", Path("demo.bin")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(std::filesystem::file_size(Path("demo.bin")), kImageSizeModel1);
  EXPECT_THAT(RunVqtool({"check", Path("demo.bin")}).out, HasSubstr("0 problems"));
  EXPECT_THAT(RunVqtool({"dump", Path("demo.bin")}).out, HasSubstr("\"menuLanguage\": \"German\""));

  std::ofstream(Path("mine.txt")) << "model 0\nsatellite \"Mine\" 9.0E\ntransponder 1 H 1 1/2\n"
                                  << "radio \"R\" audio=5\n";
  ASSERT_EQ(RunVqtool({"demo", "--from", Path("mine.txt"), Path("mine.bin")}).code, 0);
  EXPECT_THAT(RunVqtool({"info", Path("mine.bin")}).out, HasSubstr("(TV 0, radio 1, data 0)"));

  std::ofstream(Path("bad.txt")) << "model 1\nmodel 2\n";
  const ToolRun bad = RunVqtool({"demo", "--from", Path("bad.txt"), Path("bad.bin")});
  EXPECT_EQ(bad.code, 1);
  EXPECT_EQ(bad.err,
            "vqtool: " + Path("bad.txt") + ": line 2: model '2' is not a number from 0 to 1\n");
  EXPECT_FALSE(std::filesystem::exists(Path("bad.bin")));
}

}  // namespace
}  // namespace vq::test
