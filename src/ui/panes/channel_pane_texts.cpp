#include "ui/panes/channel_pane_texts.h"

#include <cstdio>

#include "common/text_translation.h"
#include "database/channel_types.h"
#include "database/lookup_tables.h"
#include "database/satellite_node.h"
#include "database/transponder_node.h"
#include "ui/panes/lookup_option_texts.h"

namespace vq {
namespace {

std::string Number(const char* pattern, int value) {
  char text[32];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

}  // namespace

std::string PaneText(const char* pattern, int first, int second) {
  const std::string translated = TranslatedPattern(pattern);
  char text[160];
  std::snprintf(text, sizeof text, translated.c_str(), first, second);
  return text;
}

std::string TransponderCountText(int total, int empty) {
  return PaneText(VQ_TRANSLATE_NOOP("CoreText", "Total %d (%d empty)"), total, empty);
}

std::string TrackSummary(int pid, int language) {
  return Number("%d", pid) + "(" + LookupText(LanguageText(language)) + ")";
}

std::string IdsSummary(int videoPid, int pcrPid) {
  return Number("V-%d", videoPid) + Number(",PCR-%d", pcrPid);
}

std::string FavoritesSummary(const std::vector<std::string>& names) {
  if (names.empty()) return TranslatedText(VQ_TRANSLATE_NOOP("CoreText", "None"));
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
  texts.polarization = LookupText(polarization);
  const TransponderNode::TypeCounts counts = transponder->CountChannelsByType();
  texts.transponderChannels = TypeCountsText(counts.tv, counts.radio, counts.data);
  texts.transponderSummary = Number("%d", record.GetFrequency()) +
                             std::string(polarization.substr(0, 1)) +
                             Number(" %d", record.GetSymbolRate());
  const SatelliteNode* satellite = transponder->GetSatellite();
  if (!satellite || !satellite->HasSatellite()) return texts;
  texts.satelliteName = satellite->GetName();
  texts.position = satellite->Satellite().GetPositionText();
  texts.transponders =
      TransponderCountText(satellite->GetTransponderCount(), satellite->CountEmptyTransponders());
  texts.satelliteChannels =
      TypeCountsText(satellite->CountChannels(kTv), satellite->CountChannels(kRadio),
                     satellite->CountChannels(kData));
  texts.satelliteSummary = texts.satelliteName + "(" + texts.position + ")";
  return texts;
}

}  // namespace vq
