#pragma once
// Full databases of either model in which every channel is its own service
// (a name, service id and stream id of its own), with duplicates of the
// three kinds planted at random on channels no other plant touches.

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "editing/tidy/duplicates.h"
#include "support/full_database.h"

namespace vq::test {

// Every channel named "Ch<slot>" with service id slot + 1, every
// transponder with stream id slot + 1 and every satellite at its own position.
inline void MakeServicesDistinct(SettingsDatabase& db) {
  for (int s = 0; s < kSatelliteCount; ++s)
    db.GetSatelliteNode(s)->Satellite().SetPosition(static_cast<int16_t>(s * 10 - 300));
  std::vector<TransponderNode*> transponders;
  db.CollectTransponders(transponders, -1);
  for (TransponderNode* t : transponders)
    t->Record().SetTpId(static_cast<uint16_t>(t->GetTableIndex() + 1));
  std::vector<ChannelNode*> channels;
  db.CollectChannels(channels, kAllTypes, kFilterNone);
  for (ChannelNode* c : channels) {
    c->Record().SetName("Ch" + std::to_string(c->GetTableIndex()));
    c->Record().SetProgramId(static_cast<uint16_t>(c->GetTableIndex() + 1));
  }
}

struct PlantedGroup {
  DuplicateKind kind;
  std::set<uint16_t> slots;
};

class Planter {
 public:
  Planter(SettingsDatabase& db, unsigned seed) : rng_(seed) {
    db.CollectChannels(all_, kAllTypes, kFilterNone);
  }

  // Plants `count` groups of 2..4 members of each kind (twins only when
  // asked) and returns them.
  std::vector<PlantedGroup> Plant(int count, bool twins) {
    std::vector<PlantedGroup> groups;
    for (int i = 0; i < count; ++i) {
      for (DuplicateKind kind : {DuplicateKind::kServiceIds, DuplicateKind::kNameOnTransponder,
                                 DuplicateKind::kHdTwins}) {
        if (kind == DuplicateKind::kHdTwins && !twins) continue;
        PlantedGroup g = PlantOne(kind);
        if (g.slots.size() > 1) groups.push_back(std::move(g));
      }
    }
    return groups;
  }

 private:
  PlantedGroup PlantOne(DuplicateKind kind) {
    const bool ids = kind == DuplicateKind::kServiceIds;
    ChannelNode* first = Unused(nullptr, -1, nullptr, ids);
    PlantedGroup g{kind, {}};
    if (!first) return g;
    const int type = first->Record().GetType();
    const int size = 2 + static_cast<int>(rng_() % 3);
    std::vector<ChannelNode*> members{first};
    for (int k = 1; k < size; ++k) {
      // Names must meet on one transponder; the others on one satellite.
      ChannelNode* other =
          kind == DuplicateKind::kNameOnTransponder
              ? Unused(first->GetTransponder(), type, nullptr, false)
              : Unused(nullptr, type, first->GetTransponder()->GetSatellite(), ids);
      if (other) members.push_back(other);
    }
    const std::string name = first->Record().GetName();
    if (ids)
      for (const ChannelNode* m : members) touched_.insert(m->GetTransponder());
    for (size_t k = 0; k < members.size(); ++k) {
      ChannelRecord r = members[k]->Record();
      g.slots.insert(members[k]->GetTableIndex());
      switch (kind) {
        case DuplicateKind::kServiceIds:
          r.SetProgramId(first->Record().GetProgramId());
          members[k]->GetTransponder()->Record().SetTpId(
              first->GetTransponder()->Record().GetTpId());
          break;
        case DuplicateKind::kNameOnTransponder: {
          // Case and spaces differ; the ids are missing.
          std::string variant = name;
          if (k % 2) std::transform(variant.begin(), variant.end(), variant.begin(), ::toupper);
          if (k == 2) variant.insert(1, " ");
          r.SetName(variant);
          r.SetProgramId(rng_() % 2 ? 0 : 0xFFFF);
          break;
        }
        case DuplicateKind::kHdTwins:
          r.SetName(k == 0 ? name : name + (k == 1 ? " HD" : k == 2 ? " sd" : "HD"));
          break;
      }
    }
    return g;
  }

  // A random channel not yet used, of `type` (-1 any), on `transponder` or
  // `satellite` when given; null when none is left there. A service-id
  // plant sets its transponders' stream id, so `ids` avoids transponders
  // another such plant set.
  ChannelNode* Unused(const TransponderNode* transponder, int type, const SatelliteNode* satellite,
                      bool ids) {
    std::vector<ChannelNode*> candidates;
    for (ChannelNode* c : all_) {
      if (used_.count(c) || (type >= 0 && c->Record().GetType() != type)) continue;
      if (transponder && c->GetTransponder() != transponder) continue;
      if (satellite && c->GetTransponder()->GetSatellite() != satellite) continue;
      if (ids && touched_.count(c->GetTransponder())) continue;
      candidates.push_back(c);
    }
    if (candidates.empty()) return nullptr;
    ChannelNode* c = candidates[rng_() % candidates.size()];
    used_.insert(c);
    return c;
  }

  std::mt19937 rng_;
  std::vector<ChannelNode*> all_;
  std::set<const ChannelNode*> used_;
  std::set<const TransponderNode*> touched_;
};

// The groups found, as sets of slots with their kinds.
inline std::vector<PlantedGroup> AsSlots(const std::vector<DuplicateGroup>& found) {
  std::vector<PlantedGroup> out;
  for (const DuplicateGroup& g : found) {
    PlantedGroup p{g.kind, {}};
    for (const ChannelNode* c : g.members) p.slots.insert(c->GetTableIndex());
    out.push_back(std::move(p));
  }
  return out;
}

}  // namespace vq::test
