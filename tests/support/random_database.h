#pragma once
// Random databases for round-trip tests and benchmarks: satellites, LNBs,
// transponders, channels, favourites and configuration filled with random
// values through the database's own operations, including deletes and moves
// so that slots, numbers and node orders are not trivially sequential.

#include <random>
#include <string>

#include "database/settings_database.h"
#include "support/database_builder.h"

namespace vq::test {

struct RandomDatabaseOptions {
  int transponders = 200;
  int channels = 1500;
  bool deletes = true;
  bool satelliteMoves = true;
};

inline std::string RandomName(std::mt19937& rng, int maxLength) {
  std::uniform_int_distribution<int> length(0, maxLength + 4);
  std::uniform_int_distribution<int> byte(1, 255);
  std::string name(static_cast<size_t>(length(rng)), ' ');
  for (char& ch : name) ch = static_cast<char>(byte(rng));
  return name;
}

inline void RandomiseSatellite(std::mt19937& rng, SatelliteNode& node) {
  std::uniform_int_distribution<int> u16(0, 65535);
  std::uniform_int_distribution<int> position(-1800, 1800);
  node.SetName(RandomName(rng, 14));
  node.Satellite().SetPosition(static_cast<int16_t>(position(rng)));
  node.Satellite().SetMotorIndex(static_cast<uint8_t>(u16(rng)));
  for (int k = 0; k < 3; ++k) {
    node.Satellite().SetPredefinedFrequency(k, static_cast<uint16_t>(u16(rng)));
    node.Satellite().SetPredefinedVideoPid(k, static_cast<uint16_t>(u16(rng)));
    node.Satellite().SetPredefinedName(k, RandomName(rng, 20));
  }
  LnbRecord lnb = node.Lnb();
  lnb.SetLnbWord(static_cast<uint32_t>(rng()));
  lnb.SetHighOscillator(static_cast<uint16_t>(u16(rng)));
  lnb.SetLowOscillator(static_cast<uint16_t>(u16(rng)));
}

inline void RandomiseChannel(std::mt19937& rng, ChannelRecord r) {
  std::uniform_int_distribution<int> u16(0, 65535);
  r.SetName(RandomName(rng, 20));
  r.SetLocked(rng() & 1);
  r.SetSkipped(rng() & 1);
  r.SetAudioCount(1 + rng() % 6);
  r.SetCas(rng() % 48);
  r.SetLanguageWord(static_cast<uint32_t>(rng()));
  for (int i = 0; i < 6; ++i) r.SetAudioPid(i, static_cast<uint16_t>(u16(rng)));
  r.SetVideoPid(static_cast<uint16_t>(u16(rng)));
  r.SetPmtPid(static_cast<uint16_t>(u16(rng)));
  r.SetProgramId(static_cast<uint16_t>(u16(rng)));
  r.SetEcmPid(static_cast<uint16_t>(u16(rng)));
}

inline std::unique_ptr<SettingsDatabase> MakeRandomDatabase(int32_t model, unsigned seed,
                                                            const RandomDatabaseOptions& o = {}) {
  std::mt19937 rng(seed);
  auto db = MakeDatabase(model);
  for (int s = 0; s < kSatelliteCount; ++s) RandomiseSatellite(rng, *db->GetSatelliteNode(s));

  std::vector<TransponderNode*> transponders;
  for (int i = 0; i < o.transponders; ++i) {
    TransponderNode* t = nullptr;
    if (!db->AddTransponder(db->GetSatelliteNode(static_cast<int>(rng() % 64)), &t)) break;
    TransponderRecord r = t->Record();
    r.SetName(RandomName(rng, 14));
    r.SetFrequency(static_cast<uint16_t>(10700 + rng() % 2050));
    r.SetTransponderWord(static_cast<uint32_t>(rng()));
    r.SetTpId(static_cast<uint16_t>(rng()));
    transponders.push_back(t);
  }
  if (transponders.empty()) return db;
  for (int i = 0; i < o.channels; ++i) {
    ChannelNode* c = nullptr;
    const int type = static_cast<int>(rng() % 3);
    if (!db->AddChannel(transponders[rng() % transponders.size()], type, &c)) break;
    RandomiseChannel(rng, c->Record());
    if (type != kData && rng() % 4 == 0) {
      c->Record().SetScrambled(true);
      db->LeaveFreeList(c);
    }
    if (rng() % 3 == 0) db->AddToFavoriteGroup(c, static_cast<int>(rng() % 8));
  }
  if (o.deletes) {
    std::vector<ChannelNode*> doomed;
    db->CollectChannels(doomed, kAllTypes, kFilterNone);
    std::erase_if(doomed, [&](ChannelNode*) { return rng() % 10 != 0; });
    db->DeleteChannels(doomed);
    std::vector<TransponderNode*> gone;
    db->CollectTransponders(gone, -1);
    std::erase_if(gone, [&](TransponderNode*) { return rng() % 12 != 0; });
    db->DeleteTransponders(gone);
  }
  if (o.satelliteMoves)
    for (int i = 0; i < 5; ++i)
      db->MoveSatellite(db->GetSatelliteNode(static_cast<int>(rng() % 64)),
                        static_cast<int>(rng() % 64));

  ReceiverConfig config = db->GetConfigRecord();
  for (size_t offset : {19u, 34u, 38u, 48u, 125u, 200u, 500u, 700u})
    config.SetByte(offset, static_cast<uint8_t>(rng()));
  config.SetFavoriteGroupName(static_cast<int>(rng() % 8), RandomName(rng, 16));
  if (rng() % 2) {
    db->SetExtendedConfig(1);
    for (size_t offset = 727; offset < 772; ++offset)
      config.SetByte(offset, static_cast<uint8_t>(rng()));
    config.SetByte(727, 192);  // never the short form's marker
  }
  return db;
}

}  // namespace vq::test
