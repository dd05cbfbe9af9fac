#include "editing/find/record_matches.h"

#include <algorithm>
#include <initializer_list>

#include "database/channel_node.h"
#include "database/satellite_node.h"
#include "database/transponder_node.h"
#include "editing/find/find_query.h"

namespace vq {
namespace {

bool AnyEquals(const FindQuery& query, std::initializer_list<uint32_t> values) {
  return std::any_of(values.begin(), values.end(), [&](uint32_t v) { return query.Equals(v); });
}

}  // namespace

bool ChannelMatches(const FindQuery& query, const ChannelNode& channel) {
  const ChannelRecord r = channel.Record();
  if (query.FoundIn(r.GetName())) return true;
  const TransponderNode* transponder = channel.GetTransponder();
  if (transponder && query.Equals(transponder->Record().GetFrequency())) return true;
  if (AnyEquals(query, {r.GetProgramId(), r.GetVideoPid(), r.GetPcrPid(), r.GetTeletextPid(),
                        r.GetAc3Pid(), r.GetPmtPid(), r.GetEcmPid()}))
    return true;
  const int tracks = std::min<int>(r.GetAudioCount(), ChannelRecord::kAudioTrackCount);
  for (int i = 0; i < tracks; ++i)
    if (query.Equals(r.GetAudioPid(i))) return true;
  return false;
}

bool TransponderMatches(const FindQuery& query, const TransponderNode& transponder) {
  const TransponderRecord r = transponder.Record();
  return query.FoundIn(r.GetName()) ||
         AnyEquals(query, {r.GetFrequency(), r.GetSymbolRate(), r.GetTpId(), r.GetNetworkId()});
}

bool SatelliteMatches(const FindQuery& query, const SatelliteNode& satellite) {
  if (!satellite.HasSatellite()) return false;
  const SatelliteRecord r = satellite.Satellite();
  if (query.FoundIn(r.GetName()) || query.FoundIn(r.GetPositionText())) return true;
  if (!satellite.HasLnb()) return false;
  const LnbRecord lnb = satellite.Lnb();
  return AnyEquals(query, {lnb.GetLowOscillator(), lnb.GetHighOscillator()});
}

}  // namespace vq
