// Merging the transponders of a list into one chosen satellite.
#include "database/settings_database.h"
#include "editing/commands/command_texts.h"
#include "interchange/import_texts.h"
#include "interchange/list_import.h"
#include "interchange/listed_records.h"
#include "interchange/satellite_placement.h"

namespace vq {
namespace {

ImportSummary StartSummary(const ChannelList& list) {
  ImportSummary summary;
  summary.skipped = list.skipped;
  summary.replacedCharacters = list.replacedCharacters;
  return summary;
}

ImportSummary NoModel(const ChannelList& list) {
  ImportSummary summary = StartSummary(list);
  summary.status = ImportStatus::kNoModel;
  summary.message = import_texts::kNoModel;
  return summary;
}

}  // namespace

ImportSummary ImportTransponders(SettingsDatabase& db, const ChannelList& list,
                                 SatelliteNode& satellite, std::optional<int16_t> slotPosition) {
  if (db.GetChannelCapacity() < 0) return NoModel(list);
  ImportSummary summary = StartSummary(list);
  if (slotPosition && IsFreeSatelliteSlot(satellite)) {
    ClaimSatelliteSlot(satellite, *slotPosition);
    summary.satellitesAdded = 1;
  }
  for (const ListedTransponder& listed : list.transponders) {
    if (summary.status == ImportStatus::kStopped) {
      summary.skipped.Add(listed.line, import_texts::kNotReached);
      continue;
    }
    if (NearbyTransponder(satellite, listed.frequency, listed.polarization)) {
      ++summary.transpondersPresent;
      summary.skipped.Add(listed.line, import_texts::kTransponderThere);
      continue;
    }
    TransponderNode* node = nullptr;
    if (!db.AddTransponder(&satellite, &node)) {
      summary.status = ImportStatus::kStopped;
      summary.message = texts::kNoTransponderSpace;
      summary.skipped.Add(listed.line, import_texts::kNotReached);
      continue;
    }
    WriteListedTransponder(*node, listed, summary.replacedCharacters);
    ++summary.transpondersAdded;
    if (listed.system == DeliverySystem::kDvbS2) ++summary.dvbS2TranspondersAdded;
  }
  return summary;
}

ImportSummary ImportTranspondersAt(SettingsDatabase& db, const ChannelList& list,
                                   int16_t position) {
  if (db.GetChannelCapacity() < 0) return NoModel(list);
  bool claimed = false;
  SatelliteNode* satellite = PlaceSatellite(db, position, claimed);
  if (!satellite) {
    ImportSummary summary = StartSummary(list);
    for (const ListedTransponder& listed : list.transponders)
      summary.skipped.Add(listed.line, import_texts::kNoSatelliteSlot);
    return summary;
  }
  ImportSummary summary = ImportTransponders(db, list, *satellite);
  if (claimed) summary.satellitesAdded = 1;
  return summary;
}

}  // namespace vq
