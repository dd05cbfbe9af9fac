#include "interchange/database_channel_list.h"

#include <unordered_map>

#include "database/settings_database.h"

namespace vq {
namespace {

ListedTransponder ListedOf(const TransponderNode& node, int satellite) {
  const TransponderRecord r = node.Record();
  ListedTransponder t;
  t.satellite = satellite;
  t.frequency = r.GetFrequency();
  t.polarization = r.GetPolarization();
  t.symbolRate = r.GetSymbolRate();
  t.fec = r.GetFec();
  t.networkId = r.GetNetworkId();
  t.tsId = r.GetTpId();
  t.name = r.GetName();
  return t;
}

ListedChannel ListedOf(const ChannelNode& node, int transponder, int number) {
  const ChannelRecord r = node.Record();
  ListedChannel c;
  c.transponder = transponder;
  c.name = r.GetName();
  c.type = r.GetType();
  c.number = number;
  c.videoPid = r.GetVideoPid();
  c.pcrPid = r.GetPcrPid();
  for (int i = 0; i < r.GetAudioCount() && i < ChannelRecord::kAudioTrackCount; ++i)
    c.audio.push_back({r.GetAudioPid(i), r.GetAudioLanguage(i)});
  c.ac3Pid = r.GetAc3Pid();
  c.ac3Language = r.GetAc3Language();
  c.teletextPid = r.GetTeletextPid();
  c.serviceId = r.GetProgramId();
  c.scrambled = r.IsScrambled();
  c.cas = r.GetCas();
  c.locked = r.IsLocked();
  c.skipped = r.IsSkipped();
  for (int g = 0; g < ChannelRecord::kFavoriteGroups; ++g)
    if (r.GetFavoritePlace(g) != 0) c.groups.push_back(g);
  return c;
}

}  // namespace

ChannelList CollectChannelList(const SettingsDatabase& db) {
  ChannelList list;
  std::unordered_map<const SatelliteNode*, int> satelliteIndex;
  for (int n = 0; n < db.GetSatelliteCount(); ++n) {
    const SatelliteNode* node = db.GetSatelliteNode(n);
    if (!node || !node->HasSatellite() || node->GetTransponderCount() == 0) continue;
    satelliteIndex.emplace(node, static_cast<int>(list.satellites.size()));
    list.satellites.push_back({node->Satellite().GetPosition(), node->GetName()});
  }
  std::vector<TransponderNode*> transponders;
  db.CollectTransponders(transponders, -1);
  std::unordered_map<const TransponderNode*, int> transponderIndex;
  for (const TransponderNode* t : transponders) {
    const auto satellite = satelliteIndex.find(t->GetSatellite());
    transponderIndex.emplace(t, static_cast<int>(list.transponders.size()));
    list.transponders.push_back(
        ListedOf(*t, satellite == satelliteIndex.end() ? -1 : satellite->second));
  }
  for (int type = kTv; type <= kData; ++type) {
    std::vector<ChannelNode*> channels;
    db.CollectChannels(channels, type, kFilterNone);
    for (size_t i = 0; i < channels.size(); ++i) {
      const auto transponder = transponderIndex.find(channels[i]->GetTransponder());
      list.channels.push_back(
          ListedOf(*channels[i], transponder == transponderIndex.end() ? -1 : transponder->second,
                   static_cast<int>(i)));
    }
  }
  for (int g = 0; g < kFavoriteGroupCount; ++g) list.groups.push_back(db.GetFavoriteGroupName(g));
  return list;
}

}  // namespace vq
