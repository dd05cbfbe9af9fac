// A list imported, exported and imported again, and a database exported and
// imported into an empty one, keep their channels.

#include <gtest/gtest.h>

#include <sstream>

#include "interchange/database_channel_list.h"
#include "interchange/dvb_codes.h"
#include "interchange/list_import.h"
#include "interchange/vdr_channels_reader.h"
#include "interchange/vdr_channels_writer.h"
#include "invariant_checks.h"
#include "sample_files.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

ChannelList Reread(const SettingsDatabase& db) {
  const ChannelListRead read = ReadVdrChannels(WriteVdrChannels(CollectChannelList(db)));
  EXPECT_TRUE(read.recognised) << read.message;
  EXPECT_TRUE(read.list.skipped.empty());
  return read.list;
}

// What a channels.conf carries of each channel, by type and number.
std::string CarriedValues(const SettingsDatabase& db) {
  std::ostringstream text;
  for (int type = kTv; type <= kData; ++type) {
    std::vector<ChannelNode*> channels;
    db.CollectChannels(channels, type, kFilterNone);
    for (const ChannelNode* c : channels) {
      const ChannelRecord r = c->Record();
      const TransponderRecord t = c->GetTransponder()->Record();
      text << type << " " << r.GetName() << " v" << r.GetVideoPid() << "+" << r.GetPcrPid();
      for (int i = 0; i < r.GetAudioCount(); ++i)
        if (r.GetAudioPid(i) != 0)
          text << " a" << r.GetAudioPid(i) << "=" << int{r.GetAudioLanguage(i)};
      if (r.GetAc3Pid() != 0) text << " d" << r.GetAc3Pid() << "=" << int{r.GetAc3Language()};
      text << " t" << r.GetTeletextPid() << " s" << r.GetProgramId() << " ca" << r.IsScrambled()
           << "/" << CasOfCaIds(CaIdsOfCas(r.GetCas())) * r.IsScrambled() << " @"
           << c->GetTransponder()->GetSatellite()->Satellite().GetPosition() << " "
           << t.GetFrequency() << int{t.GetPolarization()} << " " << t.GetSymbolRate() << " f"
           << int{t.GetFec()} << " " << t.GetNetworkId() << "-" << t.GetTpId() << " " << t.GetName()
           << "\n";
    }
  }
  return text.str();
}

TEST(RoundTripTest, ImportExportImportGivesTheSameDatabase) {
  auto first = MakeDatabase(kModelPvr);
  ImportChannelList(*first, ReadVdrChannels(ReadSample("mixed_channels.conf")).list);
  auto second = MakeDatabase(kModelPvr);
  const ImportSummary summary = ImportChannelList(*second, Reread(*first));
  EXPECT_EQ(summary.ChannelsAdded(), 13);
  EXPECT_TRUE(SameTables(*first, *second));
}

// A database edited by hand: channels moved, scrambled, with odd names.
std::unique_ptr<SettingsDatabase> EditedDatabase() {
  auto db = MakeDatabase(kModelFtaCi);
  const int16_t positions[] = {192, -8, 130};
  std::vector<TransponderNode*> transponders;
  for (int s = 0; s < 3; ++s) {
    db->GetSatelliteNode(s + 4)->Satellite().SetPosition(positions[s]);
    for (TransponderNode* t : AddTransponders(*db, s + 4, 4)) {
      TransponderRecord r = t->Record();
      r.SetPolarization(1 + transponders.size() % 2);
      r.SetFec(transponders.size() % 6);
      r.SetSymbolRate(static_cast<uint16_t>(22000 + 500 * transponders.size()));
      r.SetNetworkId(static_cast<uint16_t>(s + 1));
      r.SetTpId(static_cast<uint16_t>(1000 + transponders.size()));
      r.SetName("Net;" + std::to_string(transponders.size()));
      transponders.push_back(t);
    }
  }
  const std::string names[] = {"Erste, HD", "Time: 24", "Caf\xE9",
                               "N\xE4"
                               "chste",
                               "Plain"};
  for (int i = 0; i < 60; ++i) {
    const int type = i % 3;
    ChannelNode* c = nullptr;
    db->AddChannel(transponders[static_cast<size_t>(i * 7) % transponders.size()], type, &c);
    ChannelRecord r = c->Record();
    r.SetName(names[i % 5] + std::to_string(i));
    r.SetProgramId(static_cast<uint16_t>(100 + i));
    if (type == kTv) {
      r.SetVideoPid(static_cast<uint16_t>(200 + i));
      r.SetPcrPid(static_cast<uint16_t>(i % 2 ? 200 + i : 8190));
      r.SetTeletextPid(static_cast<uint16_t>(300 + i));
    }
    if (type != kData) {
      r.SetAudioCount(1 + i % 6);
      for (int a = 0; a < r.GetAudioCount(); ++a) {
        r.SetAudioPid(a, static_cast<uint16_t>(1000 + 10 * i + a));
        r.SetAudioLanguage(a, static_cast<uint32_t>((i + a) % 32));
      }
      r.SetAc3Pid(i % 4 ? 0 : static_cast<uint16_t>(2000 + i));
      r.SetAc3Language(static_cast<uint32_t>(i % 32));
    }
    if (type != kData && i % 5 == 0) {
      r.SetScrambled(true);
      r.SetCas(static_cast<uint32_t>(i % 48));
      db->LeaveFreeList(c);
    }
  }
  std::vector<ChannelNode*> tv;
  db->CollectChannels(tv, kTv, kFilterNone);
  db->MoveChannelNumber(tv[3], 15);
  db->MoveChannelNumber(tv[19], 0);
  return db;
}

TEST(RoundTripTest, AnEditedDatabaseExportsAndImportsWithTheSameChannels) {
  auto edited = EditedDatabase();
  auto imported = MakeDatabase(kModelFtaCi);
  const ImportSummary summary = ImportChannelList(*imported, Reread(*edited));
  EXPECT_EQ(summary.ChannelsAdded(), 60);
  EXPECT_EQ(summary.transpondersAdded, 12);
  EXPECT_EQ(CarriedValues(*imported), CarriedValues(*edited));
  EXPECT_EQ(InvariantProblems(*imported), std::vector<std::string>{});
}

}  // namespace
}  // namespace vq::test
