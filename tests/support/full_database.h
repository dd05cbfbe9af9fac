#pragma once
// A full database: every channel slot of the model (8192 PVR, 4096 FTA/CI)
// used over 1500 transponders on 64 satellites, every favourite group
// holding 128 members.

#include "support/database_builder.h"

namespace vq::test {

inline std::unique_ptr<SettingsDatabase> MakeFullDatabase(int32_t model = kModelPvr) {
  auto db = MakeDatabase(model);
  std::vector<TransponderNode*> transponders;
  for (int i = 0; i < kTransponderCapacity; ++i) {
    TransponderNode* t = nullptr;
    db->AddTransponder(db->GetSatelliteNode(i % kSatelliteCount), &t);
    transponders.push_back(t);
  }
  std::vector<ChannelNode*> channels;
  for (int i = 0; i < db->GetChannelCapacity(); ++i) {
    ChannelNode* c = nullptr;
    const int type = i % 10 < 6 ? kTv : i % 10 < 9 ? kRadio : kData;
    db->AddChannel(transponders[static_cast<size_t>(i) % transponders.size()], type, &c);
    if (type != kData && i % 4 == 0) {
      c->Record().SetScrambled(true);
      db->LeaveFreeList(c);
    }
    channels.push_back(c);
  }
  for (int g = 0; g < kFavoriteGroupCount; ++g) {
    std::vector<ChannelNode*> members;
    for (int k = 0; k < 128; ++k) members.push_back(channels[static_cast<size_t>(g * 997 + k * 7) % channels.size()]);
    db->AddListToFavoriteGroup(members, g);
  }
  return db;
}

}  // namespace vq::test
