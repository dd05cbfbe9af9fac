// Fuzzes the dvbv5 scan table reader and the merge of its transponders into
// one satellite: every transponder read is added, found already there or
// listed as skipped, and the database holds exactly those added.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "database/settings_database.h"
#include "interchange/list_import.h"
#include "interchange/scan_table_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const vq::ChannelListRead read = vq::ReadScanTable(text);
  if (!read.recognised) return 0;
  static vq::SettingsDatabase db([] { return vq::LocalDateTime{2026, 1, 2, 3, 4, 5}; });
  db.ResetToDefaults(vq::kModelPvr, true);
  const vq::ImportSummary summary = vq::ImportTransponders(db, read.list, *db.GetSatelliteNode(3));
  const size_t accounted = static_cast<size_t>(summary.transpondersAdded) +
                           static_cast<size_t>(summary.transpondersPresent);
  if (accounted != read.list.transponders.size() ||
      db.GetTransponderTotal() != summary.transpondersAdded ||
      db.GetSatelliteNode(3)->GetTransponderCount() != summary.transpondersAdded)
    __builtin_trap();
  return 0;
}
