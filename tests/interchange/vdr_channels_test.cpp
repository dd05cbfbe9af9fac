// Reading and writing VDR channels.conf lists.

#include <gmock/gmock.h>

#include "database/lookup_tables.h"
#include "interchange/vdr_channels_reader.h"
#include "interchange/vdr_channels_writer.h"
#include "sample_files.h"

namespace vq::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

const ListedChannel* Named(const ChannelList& list, const std::string& name) {
  for (const ListedChannel& c : list.channels)
    if (c.name == name) return &c;
  return nullptr;
}

const ListedTransponder& TransponderOf(const ChannelList& list, const ListedChannel& c) {
  return list.transponders.at(static_cast<size_t>(c.transponder));
}

class MixedSample : public ::testing::Test {
 protected:
  void SetUp() override {
    read_ = ReadVdrChannels(ReadSample("mixed_channels.conf"));
    ASSERT_TRUE(read_.recognised) << read_.message;
  }
  const ChannelList& List() const { return read_.list; }
  ChannelListRead read_;
};

TEST_F(MixedSample, OtherSourcesAndBrokenLinesAreListedWithTheirLines) {
  std::vector<std::pair<int, std::string>> skipped;
  for (const SkippedEntry& e : List().skipped.Entries()) skipped.emplace_back(e.line, e.reason);
  EXPECT_THAT(skipped,
              ElementsAre(std::pair{15, "not a satellite entry (source C)"},
                          std::pair{16, "not a satellite entry (source T)"},
                          std::pair{19, "not a channel line (it needs 13 fields separated by ':')"},
                          std::pair{20, "the source or the frequency is not readable"}));
  EXPECT_EQ(List().channels.size(), 13u);
}

TEST_F(MixedSample, SatellitesAndTranspondersComeFromSourceAndParameters) {
  std::vector<int> positions;
  for (const ListedSatellite& s : List().satellites) positions.push_back(s.position);
  EXPECT_THAT(positions, ElementsAre(192, 282, 130, 360));

  const ListedChannel* erste = Named(List(), "Das Erste HD");
  ASSERT_NE(erste, nullptr);
  const ListedTransponder& t = TransponderOf(List(), *erste);
  EXPECT_EQ(t.frequency, 11494);
  EXPECT_EQ(t.polarization, 1);
  EXPECT_EQ(t.symbolRate, 22000);
  EXPECT_EQ(FecText(t.fec), "2/3");
  EXPECT_EQ(t.system, DeliverySystem::kDvbS2);
  EXPECT_EQ(t.networkId, 1);
  EXPECT_EQ(t.tsId, 1019);
  EXPECT_EQ(t.name, "ARD");
  // Lines of one transponder share it; the Dolby-only line is on the same one.
  EXPECT_EQ(Named(List(), "Dolby only")->transponder, erste->transponder);

  const ListedTransponder& canal = TransponderOf(List(), *Named(List(), "Canal+ Mix"));
  EXPECT_EQ(canal.polarization, 2);
  EXPECT_EQ(canal.system, DeliverySystem::kDvbS);
  // FEC 9/10 has no place in the record: Auto.
  EXPECT_EQ(FecText(TransponderOf(List(), *Named(List(), "Sky Cinema")).fec), "Auto");
}

TEST_F(MixedSample, ChannelsCarryPidsLanguagesDolbyAndTeletext) {
  const ListedChannel* erste = Named(List(), "Das Erste HD");
  EXPECT_EQ(erste->type, 0);
  EXPECT_EQ(erste->videoPid, 5101);
  EXPECT_EQ(erste->pcrPid, 5102);
  ASSERT_EQ(erste->audio.size(), 2u);
  EXPECT_EQ(erste->audio[0].pid, 5102);
  EXPECT_EQ(LanguageText(erste->audio[0].language), "German");
  EXPECT_EQ(erste->audio[1].language, kLanguageUnknown);  // "mis"
  EXPECT_EQ(erste->ac3Pid, 5106);
  EXPECT_EQ(LanguageText(erste->ac3Language), "German");
  EXPECT_EQ(erste->teletextPid, 5104);
  EXPECT_EQ(erste->serviceId, 10301);
  EXPECT_FALSE(erste->scrambled);

  // Without "+PCR" the video PID carries the PCR; the short name is dropped.
  const ListedChannel* zdf = Named(List(), "ZDF");
  ASSERT_NE(zdf, nullptr);
  EXPECT_EQ(zdf->pcrPid, 110);
  EXPECT_EQ(zdf->audio.size(), 3u);
  // Seven audio PIDs are all read; storing keeps six.
  EXPECT_EQ(Named(List(), "?????? ?????")->audio.size(), 7u);
  const ListedChannel* dolby = Named(List(), "Dolby only");
  EXPECT_TRUE(dolby->audio.empty());
  EXPECT_EQ(dolby->ac3Pid, 5126);
  EXPECT_EQ(LanguageText(dolby->ac3Language), "English");
}

TEST_F(MixedSample, TypeFollowsVideoAndAudio) {
  EXPECT_EQ(Named(List(), "Bayern 3")->type, 1);
  EXPECT_EQ(Named(List(), "Update service")->type, 2);
  // "Radio 1, Live": VDR reads the part after the last comma as a short name.
  const ListedChannel* radio = Named(List(), "Radio 1");
  ASSERT_NE(radio, nullptr);
  EXPECT_EQ(radio->type, 1);
  EXPECT_EQ(radio->videoPid, 0);
  EXPECT_EQ(radio->pcrPid, 1000);
  EXPECT_EQ(Named(List(), "Dolby only")->type, 0);
}

TEST_F(MixedSample, CaIdsMakeScrambledChannelsWithTheirCasEntry) {
  EXPECT_EQ(CasText(Named(List(), "Sky Cinema")->cas), "Beta+Nagra");
  EXPECT_EQ(CasText(Named(List(), "Canal+ Mix")->cas), "Seca+Via");
  EXPECT_EQ(CasText(Named(List(), "Triple Pay")->cas), "Multi");
  for (const char* name : {"Sky Cinema", "Canal+ Mix", "Triple Pay"})
    EXPECT_TRUE(Named(List(), name)->scrambled) << name;
}

TEST_F(MixedSample, NamesAreLatin1WithOtherCharactersReplacedAndGroupsNamed) {
  EXPECT_NE(Named(List(),
                  "S\xFC"
                  "d Radio"),
            nullptr);
  EXPECT_NE(Named(List(), "???????? TV"), nullptr);
  EXPECT_NE(Named(List(), "?????? ?????"), nullptr);
  EXPECT_EQ(List().replacedCharacters, 19);
  EXPECT_THAT(List().groups, ElementsAre("\xD6"
                                         "ffentlich-Rechtliche",
                                         "Pay", "Radio", "Data"));
  EXPECT_THAT(Named(List(), "Sky Cinema")->groups, ElementsAre(1));
  EXPECT_THAT(Named(List(), "Update service")->groups, ElementsAre(3));
}

TEST(VdrReaderTest, FilesOfOtherKindsAreNotRecognised) {
  for (const std::string& text :
       {std::string(), std::string("1;Das Erste\n2;ZDF\n"), std::string("[CHANNEL]\n"),
        std::string("Cable;KD:394:M64:C:6900:101:102:0:0:1:1:1:0\0", 45),
        std::string("a:b:c:d:e:f:g:h:i:j:k:l:m\n")}) {
    const ChannelListRead read = ReadVdrChannels(text);
    EXPECT_FALSE(read.recognised) << text;
    EXPECT_THAT(read.message, HasSubstr("not a VDR channels.conf"));
  }
  // Only other sources: recognised, nothing to take.
  const ChannelListRead cable = ReadVdrChannels("Cable;KD:394:M64:C:6900:101:102:0:0:1:1:1:0\n");
  EXPECT_TRUE(cable.recognised);
  EXPECT_TRUE(cable.list.channels.empty());
}

TEST(VdrReaderTest, OutOfRangeValuesMakeABrokenLine) {
  const std::string good = "A:11494:H:S19.2E:22000:101:102:0:0:1:1:1:0\n";
  const std::string bad[] = {"A:11494:H:S181.0E:22000:101:102:0:0:1:1:1:0",
                             "A:11494:H:S19.2X:22000:101:102:0:0:1:1:1:0",
                             "A:11494:H:S19.2E:22000:65536:102:0:0:1:1:1:0",
                             "A:11494:H:S19.2E:22000:101:102:0:10000:1:1:1:0",
                             "A:11494:H:S19.2E:22000:101:102:0:0:65536:1:1:0",
                             "A:11494:H2:S19.2E:22000:101:102:0:0:1:1:1:0",
                             "A:11494:S2:S19.2E:22000:101:102:0:0:1:1:1:0",
                             "A:0:H:S19.2E:22000:101:102:0:0:1:1:1:0"};
  for (const std::string& line : bad) {
    const ChannelListRead read = ReadVdrChannels(good + line + "\n");
    ASSERT_TRUE(read.recognised);
    EXPECT_EQ(read.list.channels.size(), 1u) << line;
    ASSERT_EQ(read.list.skipped.size(), 1u) << line;
    EXPECT_EQ(read.list.skipped.Entries()[0].line, 2);
  }
}

TEST(VdrReaderTest, FrequenciesInKilohertzAndSymbolRatesInSymbolsAreScaled) {
  const ChannelListRead read = ReadVdrChannels("A:11494000:V:S0.8W:27500000:101:102:0:0:1:1:1:0\n");
  ASSERT_EQ(read.list.transponders.size(), 1u);
  EXPECT_EQ(read.list.transponders[0].frequency, 11494);
  EXPECT_EQ(read.list.transponders[0].symbolRate, 27500);
  EXPECT_EQ(read.list.satellites[0].position, -8);
}

TEST(VdrWriterTest, NamesWithSeparatorsAndLineEndsReadBackWhole) {
  ChannelList list;
  list.satellites.push_back({-50, "Thor"});
  ListedTransponder t;
  t.satellite = 0;
  t.frequency = 10872;
  t.symbolRate = 25000;
  t.name = "Prov:ider;x";
  list.transponders.push_back(t);
  for (const std::string name : {"News, Weather", "Time: Now", "A\nB", "Ends,", "Caf\xE9"}) {
    ListedChannel c;
    c.transponder = 0;
    c.name = name;
    c.type = 2;
    list.channels.push_back(c);
  }
  const std::string text = WriteVdrChannels(list);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);
  const ChannelListRead read = ReadVdrChannels(text);
  ASSERT_TRUE(read.recognised);
  std::vector<std::string> names;
  for (const ListedChannel& c : read.list.channels) names.push_back(c.name);
  EXPECT_THAT(names, ElementsAre("News, Weather", "Time: Now", "A B", "Ends,", "Caf\xE9"));
  EXPECT_EQ(read.list.transponders[0].name, "Prov:ider;x");
  EXPECT_EQ(read.list.transponders[0].polarization, 0);
  EXPECT_EQ(read.list.satellites[0].position, -50);
  EXPECT_THAT(text, HasSubstr(":S5.0W:25000:0:0:0:0:0:0:0:0\n"));
}

TEST(VdrWriterTest, ScrambledChannelsWithoutASystemWriteAnUnassignedId) {
  ChannelList list;
  list.satellites.push_back({192, ""});
  ListedTransponder t;
  t.satellite = 0;
  t.frequency = 12000;
  t.polarization = 2;
  t.fec = 4;
  list.transponders.push_back(t);
  ListedChannel c;
  c.transponder = 0;
  c.name = "Pay";
  c.scrambled = true;
  c.videoPid = 100;
  c.pcrPid = 100;
  c.audio = {{101, 1}, {0, 31}, {102, 31}};
  list.channels.push_back(c);
  EXPECT_EQ(WriteVdrChannels(list), "Pay:12000:VC78S0:S19.2E:0:100:101=deu,102:0:FFFF:0:0:0:0\n");
}

}  // namespace
}  // namespace vq::test
