// Fuzzes what a scan table source returns: the dvbv5 scan table reader with
// the merge of its transponders into one satellite (every transponder read
// is added, found already there or listed as skipped, and the database
// holds exactly those added); the comparison of a satellite with the table
// and the application of every difference (each applied or listed as not
// applied, and the transponder count moves by exactly what was applied);
// and the same bytes read as the listing of a web folder.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "database/settings_database.h"
#include "interchange/list_import.h"
#include "interchange/scan_table_names.h"
#include "interchange/scan_table_reader.h"
#include "interchange/transponder_update.h"

namespace {

vq::SettingsDatabase& Database() {
  static vq::SettingsDatabase db([] { return vq::LocalDateTime{2026, 1, 2, 3, 4, 5}; });
  return db;
}

void CheckImport(const vq::ChannelListRead& read) {
  vq::SettingsDatabase& db = Database();
  db.ResetToDefaults(vq::kModelPvr, true);
  const vq::ImportSummary summary = vq::ImportTransponders(db, read.list, *db.GetSatelliteNode(3));
  const size_t accounted = static_cast<size_t>(summary.transpondersAdded) +
                           static_cast<size_t>(summary.transpondersPresent);
  if (accounted != read.list.transponders.size() ||
      db.GetTransponderTotal() != summary.transpondersAdded ||
      db.GetSatelliteNode(3)->GetTransponderCount() != summary.transpondersAdded)
    __builtin_trap();
}

// Satellite 3 at 19.2E with a universal LNB and transponders every 50 MHz,
// each of the first ones carrying a channel.
void CheckUpdate(std::string_view text) {
  vq::SettingsDatabase& db = Database();
  db.ResetToDefaults(vq::kModelPvr, true);
  vq::SatelliteNode& satellite = *db.GetSatelliteNode(3);
  satellite.SetName("Fuzz");
  satellite.Satellite().SetPosition(192);
  satellite.Lnb().SetType(1);
  for (int i = 0; i < 40; ++i) {
    vq::TransponderNode* t = nullptr;
    db.AddTransponder(&satellite, &t);
    t->Record().SetFrequency(static_cast<uint16_t>(10700 + 50 * i));
    t->Record().SetPolarization(static_cast<uint32_t>(i % 3));
    vq::ChannelNode* c = nullptr;
    if (i < 8) db.AddChannel(t, i % 3, &c);
  }
  vq::ScanTableSet set;
  set.tables.push_back({"Fuzz-19.2E", std::string(text), ""});
  const vq::TransponderComparison comparison = vq::CompareWithScanTables(db, set);
  const std::vector<vq::TransponderUpdate> updates = comparison.AllUpdates();
  const int before = db.GetTransponderTotal();
  const vq::TransponderUpdateResult result = vq::ApplyTransponderUpdates(db, updates);
  const size_t accounted = static_cast<size_t>(result.added + result.changed + result.removed) +
                           result.notApplied.size();
  if (accounted != updates.size() ||
      db.GetTransponderTotal() != before + result.added - result.removed)
    __builtin_trap();
}

void CheckListing(std::string_view text) {
  const std::vector<std::string> names = vq::TableNamesInListing(text);
  if (names.size() > vq::kMaxListedTables) __builtin_trap();
  for (const std::string& name : names)
    if (!vq::PositionOfTableName(name)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckListing(text);
  const vq::ChannelListRead read = vq::ReadScanTable(text);
  if (!read.recognised) return 0;
  CheckImport(read);
  CheckUpdate(text);
  return 0;
}
