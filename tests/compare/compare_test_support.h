#pragma once
// Pairs of databases for the comparison tests: copies of one random
// database, and random edits of the kinds a comparison reports.

#include <memory>
#include <random>
#include <set>
#include <vector>

#include "editing/history/database_state.h"
#include "support/random_database.h"

namespace vq::test {

// An independent copy with the same tables and index.
inline std::unique_ptr<SettingsDatabase> CopyDatabase(const SettingsDatabase& db) {
  auto copy = std::make_unique<SettingsDatabase>(FixedClock);
  RestoreDatabaseState(*copy, CaptureDatabaseState(db));
  return copy;
}

inline std::vector<ChannelNode*> AllChannels(const SettingsDatabase& db, int type = kAllTypes) {
  std::vector<ChannelNode*> list;
  db.CollectChannels(list, type, kFilterNone);
  return list;
}

// True when no other channel of its type on its transponder has its service id.
inline bool HasOwnServiceId(const ChannelNode& c) {
  const TransponderNode* t = c.GetTransponder();
  const ChannelRecord r = c.Record();
  for (int i = 0; i < t->GetChannelCount(); ++i) {
    const ChannelRecord o = t->GetChannel(i)->Record();
    if (t->GetChannel(i) != &c && o.GetType() == r.GetType() &&
        o.GetProgramId() == r.GetProgramId())
      return false;
  }
  return true;
}

// A service id no channel of the transponder has.
inline uint16_t UnusedServiceId(std::mt19937& rng, const TransponderNode& t) {
  for (;;) {
    const auto id = static_cast<uint16_t>(rng());
    bool used = false;
    for (int i = 0; i < t.GetChannelCount(); ++i)
      used = used || t.GetChannel(i)->Record().GetProgramId() == id;
    if (!used) return id;
  }
}

// A printable name that no channel of the transponder has, case ignored.
inline std::string FreshName(std::mt19937& rng) {
  std::string name = "n";
  for (int i = 0; i < 12; ++i) name += static_cast<char>('a' + rng() % 26);
  return name;
}

// A frequency at least 5 MHz away from every transponder with that
// polarisation at the satellite's orbital position, in both databases.
inline uint16_t LoneFrequency(std::mt19937& rng, const SettingsDatabase& db,
                              const SatelliteNode& satellite, int polarization) {
  for (;;) {
    const auto f = static_cast<uint16_t>(10700 + rng() % 2050);
    bool near = false;
    for (int s = 0; s < kSatelliteCount; ++s) {
      const SatelliteNode* n = db.GetSatelliteNode(s);
      if (n->Satellite().GetPosition() != satellite.Satellite().GetPosition()) continue;
      for (int t = 0; t < n->GetTransponderCount(); ++t) {
        const TransponderRecord r = n->GetTransponder(t)->Record();
        near = near || (r.GetPolarization() == polarization && std::abs(r.GetFrequency() - f) < 5);
      }
    }
    if (!near) return f;
  }
}

// Random edits of every kind a comparison reports, none of which changes a
// satellite's position or a transponder's frequency or polarisation (those
// change which records pair up).
inline void MutateRandomly(std::mt19937& rng, SettingsDatabase& db, int edits) {
  for (int e = 0; e < edits; ++e) {
    std::vector<ChannelNode*> channels = AllChannels(db);
    std::vector<TransponderNode*> transponders;
    db.CollectTransponders(transponders, -1);
    if (channels.empty() || transponders.empty()) return;
    ChannelNode* c = channels[rng() % channels.size()];
    ChannelRecord r = c->Record();
    const int type = r.GetType();
    switch (rng() % 14) {
      case 0: {
        TransponderNode* t = transponders[rng() % transponders.size()];
        ChannelNode* added = nullptr;
        if (!db.AddChannel(t, static_cast<int>(rng() % 3), &added)) break;
        RandomiseChannel(rng, added->Record());
        added->Record().SetProgramId(UnusedServiceId(rng, *t));
        break;
      }
      case 1:
        db.DeleteChannels({c});
        break;
      case 2:
        r.SetName(FreshName(rng));
        break;
      case 3:
        r.SetVideoPid(static_cast<uint16_t>(rng()));
        r.SetAudioPid(static_cast<int>(rng() % 6), static_cast<uint16_t>(rng()));
        break;
      case 4:
        db.MoveChannelNumber(c, static_cast<int>(rng() % 200));
        break;
      case 5:
        if (type == kData) break;
        r.SetScrambled(!r.IsScrambled());
        if (r.IsScrambled())
          db.LeaveFreeList(c);
        else
          db.LeaveScrambledList(c);
        break;
      case 6:
        if (type != kData) db.AddToFavoriteGroup(c, static_cast<int>(rng() % 8));
        break;
      case 7:
        for (int g = 0; g < 8; ++g) db.RemoveFromFavoriteGroup(c, g);
        break;
      case 8:
        for (int g = 0; g < 8; ++g)
          if (r.GetFavoritePlace(g)) db.MoveInFavoriteGroup(c, g, static_cast<int>(rng() % 40));
        break;
      case 9: {
        SatelliteNode* s = db.GetSatelliteNode(static_cast<int>(rng() % kSatelliteCount));
        TransponderNode* t = nullptr;
        const int polarization = static_cast<int>(rng() % 3);
        const uint16_t frequency = LoneFrequency(rng, db, *s, polarization);
        if (!db.AddTransponder(s, &t)) break;
        t->Record().SetFrequency(frequency);
        t->Record().SetPolarization(static_cast<uint32_t>(polarization));
        t->Record().SetName(FreshName(rng));
        for (int k = 0; k < 3; ++k) {
          ChannelNode* added = nullptr;
          if (!db.AddChannel(t, k % 3, &added)) break;
          RandomiseChannel(rng, added->Record());
          if (k == 0) db.AddToFavoriteGroup(added, static_cast<int>(rng() % 8));
        }
        break;
      }
      case 10:
        db.DeleteTransponders({transponders[rng() % transponders.size()]});
        break;
      case 11: {
        TransponderRecord t = transponders[rng() % transponders.size()]->Record();
        t.SetSymbolRate(static_cast<uint16_t>(rng()));
        t.SetFec(rng() % 6);
        t.SetNetworkId(static_cast<uint16_t>(rng()));
        break;
      }
      case 12: {
        SatelliteNode* s = db.GetSatelliteNode(static_cast<int>(rng() % kSatelliteCount));
        s->Satellite().SetMotorIndex(static_cast<uint8_t>(rng()));
        s->Lnb().SetLowOscillator(static_cast<uint16_t>(rng()));
        s->Lnb().SetSwitchType(rng() % 11);
        break;
      }
      case 13: {
        db.GetConfigRecord().SetByte(rng() % 727, static_cast<uint8_t>(rng()));
        db.SetFavoriteGroupName(static_cast<int>(rng() % 8), FreshName(rng));
        break;
      }
    }
  }
}

}  // namespace vq::test
