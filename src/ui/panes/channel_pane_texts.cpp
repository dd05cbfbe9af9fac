#include "ui/panes/channel_pane_texts.h"

#include <cstdio>

#include "database/channel_types.h"
#include "database/lookup_tables.h"
#include "database/satellite_node.h"
#include "database/transponder_node.h"

namespace vq {
namespace {

std::string Number(const char* pattern, int value) {
  char text[32];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

}  // namespace

std::string TrackSummary(int pid, int language) {
  return Number("%d", pid) + "(" + std::string(LanguageText(language)) + ")";
}

std::string IdsSummary(int videoPid, int pcrPid) {
  return Number("V-%d", videoPid) + Number(",PCR-%d", pcrPid);
}

std::string FavoritesSummary(const std::vector<std::string>& names) {
  if (names.empty()) return "None";
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
  return joined;
}

std::string TypeCountsText(int tv, int radio, int data) {
  return Number("T-%d", tv) + Number(", R-%d", radio) + Number(", D-%d", data);
}

ChannelPlaceTexts PlaceTexts(const TransponderNode* transponder) {
  ChannelPlaceTexts texts;
  if (!transponder) return texts;
  const TransponderRecord record = transponder->Record();
  const std::string_view polarization = record.GetPolarizationText();
  texts.frequency = Number("%d MHz", record.GetFrequency());
  texts.symbolRate = Number("%d Kb/s", record.GetSymbolRate());
  texts.polarization = std::string(polarization);
  const TransponderNode::TypeCounts counts = transponder->CountChannelsByType();
  texts.transponderChannels = TypeCountsText(counts.tv, counts.radio, counts.data);
  texts.transponderSummary = Number("%d", record.GetFrequency()) +
                             std::string(polarization.substr(0, 1)) +
                             Number(" %d", record.GetSymbolRate());
  const SatelliteNode* satellite = transponder->GetSatellite();
  if (!satellite || !satellite->HasSatellite()) return texts;
  texts.satelliteName = satellite->GetName();
  texts.position = satellite->Satellite().GetPositionText();
  texts.transponders = Number("Total %d", satellite->GetTransponderCount()) +
                       Number(" (%d empty)", satellite->CountEmptyTransponders());
  texts.satelliteChannels =
      TypeCountsText(satellite->CountChannels(kTv), satellite->CountChannels(kRadio),
                     satellite->CountChannels(kData));
  texts.satelliteSummary = texts.satelliteName + "(" + texts.position + ")";
  return texts;
}

}  // namespace vq
