// Merging channel lists into the database: satellites, transponders,
// channels, favourite groups, full tables and lists already there.

#include <gmock/gmock.h>

#include "database/lookup_tables.h"
#include "editing/commands/command_texts.h"
#include "interchange/list_import.h"
#include "interchange/vdr_channels_reader.h"
#include "invariant_checks.h"
#include "sample_files.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Field;

ChannelList MixedList() { return ReadVdrChannels(ReadSample("mixed_channels.conf")).list; }

std::vector<std::string> Reasons(const ImportSummary& summary) {
  std::vector<std::string> reasons;
  for (const SkippedEntry& e : summary.skipped.Entries()) reasons.push_back(e.reason);
  return reasons;
}

TEST(ListImportTest, AnEmptyDatabaseTakesSatellitesTranspondersAndChannels) {
  auto db = MakeDatabase(kModelPvr);
  const ImportSummary summary = ImportChannelList(*db, MixedList());
  EXPECT_EQ(summary.status, ImportStatus::kDone);
  EXPECT_EQ(summary.satellitesAdded, 4);
  EXPECT_EQ(summary.transpondersAdded, 10);
  EXPECT_EQ(summary.dvbS2TranspondersAdded, 2);
  EXPECT_THAT(summary.channelsAdded, ElementsAre(9, 3, 1));
  EXPECT_EQ(summary.replacedCharacters, 19);
  EXPECT_EQ(summary.skipped.size(), 4u);
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});

  // Free slots take the positions in the order the list first needs them.
  EXPECT_EQ(db->GetSatelliteNode(0)->GetName(), "Sat 19.2E");
  EXPECT_EQ(db->GetSatelliteNode(0)->Satellite().GetPosition(), 192);
  EXPECT_EQ(db->GetSatelliteNode(3)->GetName(), "Sat 28.2E");
  EXPECT_EQ(db->GetSatelliteNode(4)->GetName(), "Satellite05");
  // TV channels are numbered in list order.
  EXPECT_THAT(NamesInOrder(*db, kRadio), ElementsAre("Bayern 3",
                                                     "S\xFC"
                                                     "d Radio",
                                                     "Radio 1"));
  EXPECT_EQ(NamesInOrder(*db, kTv).front(), "Das Erste HD");
}

TEST(ListImportTest, ChannelRecordsHoldEveryListedValue) {
  auto db = MakeDatabase(kModelPvr);
  ImportChannelList(*db, MixedList());

  const ChannelRecord erste = ChannelNamed(*db, "Das Erste HD")->Record();
  EXPECT_EQ(erste.GetVideoPid(), 5101);
  EXPECT_EQ(erste.GetPcrPid(), 5102);
  EXPECT_EQ(erste.GetAudioCount(), 2);
  EXPECT_EQ(erste.GetAudioPid(1), 5103);
  EXPECT_EQ(erste.GetAudioLanguageText(0), "German");
  EXPECT_EQ(erste.GetAc3Pid(), 5106);
  EXPECT_EQ(erste.GetAc3LanguageText(), "German");
  EXPECT_FALSE(erste.IsAc3Selected());
  EXPECT_EQ(erste.GetTeletextPid(), 5104);
  EXPECT_EQ(erste.GetProgramId(), 10301);
  const TransponderRecord t = ChannelNamed(*db, "Das Erste HD")->GetTransponder()->Record();
  EXPECT_EQ(t.GetName(), "ARD");
  EXPECT_EQ(t.GetFrequency(), 11494);
  EXPECT_EQ(t.GetNetworkId(), 1);
  EXPECT_EQ(t.GetTpId(), 1019);
  EXPECT_EQ(t.GetFecText(), "2/3");

  // The only audio is Dolby: its track is the current one.
  EXPECT_TRUE(ChannelNamed(*db, "Dolby only")->Record().IsAc3Selected());
  const ChannelRecord many = ChannelNamed(*db, "?????? ?????")->Record();
  EXPECT_EQ(many.GetAudioCount(), 6);
  EXPECT_EQ(many.GetAudioLanguageText(5), "Italian");

  // Scrambled channels are filed in the scrambled list of their type.
  const ChannelRecord sky = ChannelNamed(*db, "Sky Cinema")->Record();
  EXPECT_TRUE(sky.IsScrambled());
  EXPECT_EQ(sky.GetCasText(), "Beta+Nagra");
  EXPECT_EQ(sky.GetFreeNumber(), 0);
  EXPECT_EQ(ChannelNamed(*db, "Canal+ Mix")->Record().GetFreeNumber(), 1);
  EXPECT_EQ(ChannelNamed(*db, "Dolby only")->Record().GetFreeNumber(), 4);
}

TEST(ListImportTest, ASatelliteAtThePositionAndANearbyTransponderAreUsed) {
  auto db = MakeDatabase(kModelPvr);
  SatelliteNode* astra = db->GetSatelliteNode(7);
  astra->SetName("Astra 1");
  astra->Satellite().SetPosition(192);
  TransponderNode* existing = AddTransponders(*db, 7, 1)[0];
  existing->Record().SetFrequency(11493);  // the list says 11494
  existing->Record().SetPolarization(1);
  existing->Record().SetName("Mine");

  const ImportSummary summary = ImportChannelList(*db, MixedList());
  EXPECT_EQ(summary.satellitesAdded, 3);
  EXPECT_EQ(summary.transpondersPresent, 1);
  EXPECT_EQ(ChannelNamed(*db, "Das Erste HD")->GetTransponder(), existing);
  EXPECT_EQ(ChannelNamed(*db, "Dolby only")->GetTransponder(), existing);
  EXPECT_EQ(existing->Record().GetName(), "Mine");
  EXPECT_EQ(ChannelNamed(*db, "ZDF")->GetTransponder()->GetSatellite(), astra);
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});
}

TEST(ListImportTest, ImportingTheSameListAgainAddsNothing) {
  auto db = MakeDatabase(kModelPvr);
  ImportChannelList(*db, MixedList());
  auto before = MakeDatabase(kModelPvr);
  ImportChannelList(*before, MixedList());

  const ImportSummary again = ImportChannelList(*db, MixedList());
  EXPECT_FALSE(again.Changed());
  EXPECT_TRUE(again.Used());
  EXPECT_EQ(again.transpondersPresent, 10);
  EXPECT_EQ(again.channelsPresent, 13);
  EXPECT_TRUE(SameTables(*db, *before));
}

TEST(ListImportTest, GroupsBecomeFavouriteGroupsWhenAsked) {
  auto db = MakeDatabase(kModelPvr);
  db->SetFavoriteGroupName(5, "pay");
  ImportOptions options;
  options.groupsAsFavorites = true;
  const ImportSummary summary = ImportChannelList(*db, MixedList(), options);

  // "Pay" joins the group of that name; the others take empty groups in turn.
  EXPECT_EQ(db->GetFavoriteGroupName(0),
            "\xD6"
            "ffentlich-Recht");
  EXPECT_EQ(db->GetFavoriteGroupName(1), "Radio");
  EXPECT_EQ(db->GetFavoriteGroupName(2), "Data");
  std::vector<ChannelNode*> pay;
  db->CollectFavoriteMembers(5, &pay, kAllTypes);
  ASSERT_EQ(pay.size(), 3u);
  EXPECT_EQ(pay[0]->Record().GetName(), "Sky Cinema");
  EXPECT_EQ(pay[2]->Record().GetName(), "Triple Pay");
  // Data channels are no favourites; the group keeps the TV channels after it.
  EXPECT_EQ(db->CountFavoriteMembers(2), 3);
  EXPECT_EQ(summary.favoritePlacesAdded, 12);
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});

  auto plain = MakeDatabase(kModelPvr);
  ImportChannelList(*plain, MixedList());
  EXPECT_EQ(plain->CountFavoriteMembers(0), 0);
}

TEST(ListImportTest, GroupsBeyondTheEightFavouriteGroupsAreReported) {
  std::string text;
  for (int g = 0; g < 9; ++g)
    text += ":Group " + std::to_string(g) + "\nC" + std::to_string(g) +
            ":11000:H:S19.2E:27500:0:101:0:0:" + std::to_string(g + 1) + ":1:1:0\n";
  auto db = MakeDatabase(kModelPvr);
  ImportOptions options;
  options.groupsAsFavorites = true;
  const ImportSummary summary = ImportChannelList(*db, ReadVdrChannels(text).list, options);
  EXPECT_EQ(summary.favoritePlacesAdded, 8);
  ASSERT_EQ(summary.skipped.size(), 1u);
  EXPECT_EQ(summary.skipped.Entries()[0].line, 18);
  EXPECT_EQ(summary.skipped.Entries()[0].reason, "no favourite group left for its group");
}

TEST(ListImportTest, AFullChannelTableStopsWithTheEditorsMessageAndStaysConsistent) {
  auto db = MakeDatabase(kModelFtaCi);
  AddChannels(*db, AddTransponders(*db, 9, 1)[0], kTv, kChannelCapacityModel0 - 2);
  const ImportSummary summary = ImportChannelList(*db, MixedList());
  EXPECT_EQ(summary.status, ImportStatus::kStopped);
  EXPECT_EQ(summary.message, texts::kNoChannelSpace);
  EXPECT_EQ(summary.ChannelsAdded(), 2);
  const std::vector<std::string> reasons = Reasons(summary);
  EXPECT_EQ(std::count(reasons.begin(), reasons.end(),
                       "not imported: the import stopped at a full table"),
            11);
  EXPECT_EQ(db->CountChannels(kAllTypes), kChannelCapacityModel0);
  // The transponder opened for the channel that found no slot is gone again.
  EXPECT_EQ(db->GetEmptyTransponderTotal(), 0);
  EXPECT_EQ(summary.transpondersAdded, db->GetTransponderTotal() - 1);
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});
}

TEST(ListImportTest, AFullTransponderTableStopsTheImport) {
  auto db = MakeDatabase(kModelPvr);
  AddTransponders(*db, 9, kTransponderCapacity - 1);
  const ImportSummary summary = ImportChannelList(*db, MixedList());
  EXPECT_EQ(summary.status, ImportStatus::kStopped);
  EXPECT_EQ(summary.message, texts::kNoTransponderSpace);
  EXPECT_EQ(summary.transpondersAdded, 1);
  EXPECT_EQ(summary.ChannelsAdded(), 1);
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});
}

TEST(ListImportTest, WithoutAFreeSatelliteSlotTheChannelsAreSkipped) {
  auto db = MakeDatabase(kModelPvr);
  for (int s = 0; s < kSatelliteCount; ++s)
    db->GetSatelliteNode(s)->SetName("Dish " + std::to_string(s));
  db->GetSatelliteNode(20)->Satellite().SetPosition(282);
  const ImportSummary summary = ImportChannelList(*db, MixedList());
  EXPECT_THAT(summary.channelsAdded, ElementsAre(0, 1, 0));  // only 28.2E has a satellite
  EXPECT_THAT(Reasons(summary),
              Contains("no satellite at its orbital position and no free satellite slot"));
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});
}

TEST(ListImportTest, ADatabaseWithoutModelIsLeftAlone) {
  SettingsDatabase db(FixedClock);
  const ImportSummary summary = ImportChannelList(db, MixedList());
  EXPECT_EQ(summary.status, ImportStatus::kNoModel);
  EXPECT_FALSE(summary.Used());
  EXPECT_EQ(db.GetTransponderTotal(), 0);
  EXPECT_EQ(db.GetSatelliteNode(0)->GetName(), "Satellite01");
}

TEST(ListImportTest, NamesThatWouldMarkAFreeRecordStayInUse) {
  // A Latin-1 list: four 0xFF bytes would read as a free channel slot.
  const std::string text =
      "\xFF\xFF\xFF\xFF;\xFF\xFF\xFF\xFF\xFF:11000:H:S19.2E:27500:0:101:0:0:1:1:1:0\n";
  auto db = MakeDatabase(kModelPvr);
  const ImportSummary summary = ImportChannelList(*db, ReadVdrChannels(text).list);
  EXPECT_EQ(summary.ChannelsAdded(), 1);
  EXPECT_EQ(summary.replacedCharacters, 2);
  EXPECT_EQ(db->CountChannels(kAllTypes), 1);
  EXPECT_EQ(NamesInOrder(*db, kRadio), std::vector<std::string>{"?\xFF\xFF\xFF"});
  EXPECT_EQ(InvariantProblems(*db), std::vector<std::string>{});
}

TEST(ListImportTest, TheSummaryGroupsSkippedLinesByReason) {
  ImportSummary summary;
  summary.channelsAdded = {2, 1, 0};
  summary.skipped.Add(14, "broken");
  for (int line = 12; line >= 1; --line) summary.skipped.Add(line, "other source");
  summary.message = "Stopped.";
  EXPECT_THAT(SummaryLines(summary),
              ElementsAre("Transponders added: 0 (0 already there)",
                          "Channels added: 2 TV, 1 radio, 0 data (0 already there)", "Skipped: 13",
                          "  other source (lines 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 2 more)",
                          "  broken (line 14)", "Stopped."));
}

}  // namespace
}  // namespace vq::test
