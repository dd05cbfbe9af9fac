// Comparing the satellites in use with the scan tables of their positions.
#include "interchange/transponder_update.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <utility>

#include "database/settings_database.h"
#include "interchange/satellite_placement.h"
#include "interchange/scan_table_names.h"
#include "interchange/scan_table_reader.h"

namespace vq {
namespace {

constexpr int kSameCarrierMHz = 2;
// Frequency offsets from the nearest outwards, so a match is the closest.
constexpr int kOffsets[] = {0, -1, 1, -2, 2};
static_assert(std::size(kOffsets) == 2 * kSameCarrierMHz + 1);

using CarrierKey = std::pair<uint8_t, int>;  // polarisation, frequency

// The polarisations a carrier of polarisation `p` may be found under: its
// own, then Auto; an Auto carrier is found under any.
std::vector<uint8_t> MatchingPolarizations(uint8_t p) {
  if (p == 0) return {0, 1, 2};
  return {p, 0};
}

template <class Keys>
bool Near(const Keys& keys, const std::vector<uint8_t>& polarizations, int frequency) {
  for (const uint8_t p : polarizations)
    for (const int d : kOffsets)
      if (keys.contains({p, frequency + d})) return true;
  return false;
}

struct ListedCarrier {
  ListedTransponder listed;
  size_t table;  // index into PositionTables::read
};

// Everything the tables of one position list, each carrier once.
struct PositionTables {
  std::vector<std::string> read;
  std::vector<SkippedTable> skipped;
  int unusable = 0;
  std::vector<ListedCarrier> carriers;
  std::set<CarrierKey> keys;
};

PositionTables ReadPositionTables(const ScanTableSet& set, int16_t position) {
  PositionTables tables;
  std::vector<std::string> names;
  for (const FetchedTable& t : set.tables) names.push_back(t.name);
  for (const std::string& name : TablesAtPosition(names, position)) {
    const auto fetched = std::find_if(set.tables.begin(), set.tables.end(),
                                      [&](const FetchedTable& t) { return t.name == name; });
    if (!fetched->error.empty()) {
      tables.skipped.push_back({name, fetched->error});
      continue;
    }
    const ChannelListRead read = ReadScanTable(fetched->text);
    if (!read.recognised) {
      tables.skipped.push_back({name, read.message});
      continue;
    }
    tables.read.push_back(name);
    tables.unusable += static_cast<int>(read.list.skipped.size());
    for (const ListedTransponder& t : read.list.transponders) {
      if (t.symbolRate == 0) {
        ++tables.unusable;
        continue;
      }
      if (Near(tables.keys, {t.polarization}, t.frequency)) continue;
      tables.keys.insert({t.polarization, t.frequency});
      tables.carriers.push_back({t, tables.read.size() - 1});
    }
  }
  return tables;
}

// Compares one satellite with the carriers of its position.
class SatelliteMatch {
 public:
  SatelliteMatch(const SatelliteNode& satellite, const PositionTables& tables,
                 SatelliteComparison& out)
      : satellite_(satellite), tables_(tables), out_(out) {
    for (int i = 0; i < satellite.GetTransponderCount(); ++i) {
      TransponderNode* t = satellite.GetTransponder(i);
      const TransponderRecord r = t->Record();
      byKey_[{r.GetPolarization(), r.GetFrequency()}].push_back(t);
    }
  }

  void Run() {
    for (const ListedCarrier& carrier : tables_.carriers) Compare(carrier);
    if (out_.vanishedCompared) ListVanished();
    std::stable_sort(out_.updates.begin(), out_.updates.end(),
                     [](const TransponderUpdate& a, const TransponderUpdate& b) {
                       const TuningValues& x = a.kind == UpdateKind::kNew ? a.after : a.before;
                       const TuningValues& y = b.kind == UpdateKind::kNew ? b.after : b.before;
                       return std::pair(x.frequency, x.polarization) <
                              std::pair(y.frequency, y.polarization);
                     });
  }

 private:
  // The closest transponder not matched yet, by polarisation in the order given.
  TransponderNode* Unmatched(const std::vector<uint8_t>& polarizations, int frequency) const {
    for (const uint8_t p : polarizations)
      for (const int d : kOffsets) {
        const auto it = byKey_.find({p, frequency + d});
        if (it == byKey_.end()) continue;
        for (TransponderNode* t : it->second)
          if (!matched_.contains(t)) return t;
      }
    return nullptr;
  }

  void Compare(const ListedCarrier& carrier) {
    const ListedTransponder& listed = carrier.listed;
    const std::vector<uint8_t> polarizations = MatchingPolarizations(listed.polarization);
    if (TransponderNode* match = Unmatched(polarizations, listed.frequency)) {
      matched_.insert(match);
      CompareValues(*match, carrier);
      return;
    }
    // Already there once more, as a carrier some other entry matched.
    if (Near(byKey_, polarizations, listed.frequency)) return;
    if (satellite_.HasLnb() && !satellite_.Lnb().IsFrequencyInLnbRange(listed.frequency)) {
      ++out_.outsideLnbRange;
      return;
    }
    TransponderUpdate update = Update(UpdateKind::kNew, carrier);
    update.after = {listed.frequency, listed.polarization, listed.symbolRate,
                    listed.fecNamed ? listed.fec : uint8_t{5}};
    out_.updates.push_back(update);
  }

  void CompareValues(const TransponderNode& transponder, const ListedCarrier& carrier) {
    const ListedTransponder& listed = carrier.listed;
    const TuningValues before = TuningValuesOf(transponder.Record());
    TuningValues after = before;
    if (before.polarization == 0 && listed.polarization != 0)
      after.polarization = listed.polarization;
    after.symbolRate = listed.symbolRate;
    if (listed.fecNamed) after.fec = listed.fec;
    if (after == before) return;
    TransponderUpdate update = Update(UpdateKind::kChanged, carrier);
    update.transponder = transponder.GetTableIndex();
    update.before = before;
    update.after = after;
    update.channels = transponder.GetChannelCount();
    out_.updates.push_back(update);
  }

  void ListVanished() {
    for (int i = 0; i < satellite_.GetTransponderCount(); ++i) {
      const TransponderNode* t = satellite_.GetTransponder(i);
      const TuningValues values = TuningValuesOf(t->Record());
      if (matched_.contains(t) ||
          Near(tables_.keys, MatchingPolarizations(values.polarization), values.frequency))
        continue;
      TransponderUpdate update;
      update.kind = UpdateKind::kVanished;
      update.satellite = out_.satellite;
      update.transponder = t->GetTableIndex();
      update.before = values;
      update.channels = t->GetChannelCount();
      out_.updates.push_back(update);
    }
  }

  TransponderUpdate Update(UpdateKind kind, const ListedCarrier& carrier) const {
    TransponderUpdate update;
    update.kind = kind;
    update.satellite = out_.satellite;
    update.dvbS2 = carrier.listed.system == DeliverySystem::kDvbS2;
    update.table = tables_.read[carrier.table];
    update.line = carrier.listed.line;
    return update;
  }

  const SatelliteNode& satellite_;
  const PositionTables& tables_;
  SatelliteComparison& out_;
  std::map<CarrierKey, std::vector<TransponderNode*>> byKey_;
  std::set<const TransponderNode*> matched_;
};

bool InUse(const SatelliteNode* node) {
  return node && node->HasSatellite() && !IsFreeSatelliteSlot(*node);
}

}  // namespace

TuningValues TuningValuesOf(const TransponderRecord& r) {
  return {r.GetFrequency(), r.GetPolarization(), r.GetSymbolRate(), r.GetFec()};
}

int TransponderComparison::Count(UpdateKind kind) const {
  int count = 0;
  for (const SatelliteComparison& s : satellites)
    count += static_cast<int>(std::count_if(s.updates.begin(), s.updates.end(),
                                            [&](const auto& u) { return u.kind == kind; }));
  return count;
}

std::vector<TransponderUpdate> TransponderComparison::AllUpdates() const {
  std::vector<TransponderUpdate> all;
  for (const SatelliteComparison& s : satellites)
    all.insert(all.end(), s.updates.begin(), s.updates.end());
  return all;
}

std::vector<int16_t> PositionsToCompare(const SettingsDatabase& db) {
  std::set<int16_t> positions;
  for (int n = 0; n < db.GetSatelliteCount(); ++n) {
    const SatelliteNode* node = db.GetSatelliteNode(n);
    if (InUse(node) && node->Satellite().GetPosition() != 0)
      positions.insert(node->Satellite().GetPosition());
  }
  return {positions.begin(), positions.end()};
}

TransponderComparison CompareWithScanTables(const SettingsDatabase& db, const ScanTableSet& set) {
  TransponderComparison comparison;
  std::map<int16_t, PositionTables> byPosition;
  for (int n = 0; n < db.GetSatelliteCount(); ++n) {
    const SatelliteNode* node = db.GetSatelliteNode(n);
    if (!InUse(node)) continue;
    SatelliteComparison& s = comparison.satellites.emplace_back();
    s.satellite = n;
    s.name = node->GetName();
    s.position = node->Satellite().GetPosition();
    if (s.position == 0) {
      s.status = ComparisonStatus::kNoPosition;
      continue;
    }
    auto tables = byPosition.find(s.position);
    if (tables == byPosition.end())
      tables = byPosition.emplace(s.position, ReadPositionTables(set, s.position)).first;
    s.tables = tables->second.read;
    s.skippedTables = tables->second.skipped;
    s.unusableEntries = tables->second.unusable;
    if (s.tables.empty()) {
      s.status =
          s.skippedTables.empty() ? ComparisonStatus::kNoTable : ComparisonStatus::kNoReadableTable;
      continue;
    }
    s.vanishedCompared = s.skippedTables.empty();
    SatelliteMatch(*node, tables->second, s).Run();
  }
  return comparison;
}

}  // namespace vq
