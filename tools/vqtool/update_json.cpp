#include "vqtool/update_json.h"

#include "database/lookup_tables.h"
#include "database/position_text.h"
#include "interchange/transponder_update_text.h"
#include "vqtool/latin1.h"

namespace vq::tool {
namespace {

using Json = nlohmann::ordered_json;

std::string_view StatusName(ComparisonStatus status) {
  switch (status) {
    case ComparisonStatus::kCompared:
      return "compared";
    case ComparisonStatus::kNoPosition:
      return "no position";
    case ComparisonStatus::kNoTable:
      return "no table";
    case ComparisonStatus::kNoReadableTable:
      return "no readable table";
  }
  return {};
}

Json Tuning(const TuningValues& v) {
  return {{"frequency", v.frequency},
          {"polarization", PolarizationShortText(v.polarization)},
          {"symbolRate", v.symbolRate},
          {"fec", FecText(v.fec)}};
}

Json Update(const TransponderUpdate& u) {
  Json json{{"kind", UpdateKindText(u.kind)}};
  if (u.kind != UpdateKind::kNew) {
    json["before"] = Tuning(u.before);
    json["channels"] = u.channels;
  }
  if (u.kind != UpdateKind::kVanished) {
    json["after"] = Tuning(u.after);
    json["dvbS2"] = u.dvbS2;
    json["table"] = u.table;
    json["line"] = u.line;
  }
  return json;
}

Json Satellite(const SatelliteComparison& s) {
  Json json{{"number", s.satellite + 1},
            {"name", Latin1ToUtf8(s.name)},
            {"position", s.position == 0 ? Json() : Json(EastWestPositionText(s.position))},
            {"status", StatusName(s.status)},
            {"tables", s.tables}};
  Json skipped = Json::array();
  for (const SkippedTable& t : s.skippedTables)
    skipped.push_back({{"name", t.name}, {"reason", t.reason}});
  json["skippedTables"] = std::move(skipped);
  json["vanishedCompared"] = s.vanishedCompared;
  json["outsideLnbRange"] = s.outsideLnbRange;
  json["unusableEntries"] = s.unusableEntries;
  Json updates = Json::array();
  for (const TransponderUpdate& u : s.updates) updates.push_back(Update(u));
  json["updates"] = std::move(updates);
  return json;
}

}  // namespace

Json ComparisonToJson(const TransponderComparison& comparison, const ScanTableSet& tables) {
  Json satellites = Json::array();
  for (const SatelliteComparison& s : comparison.satellites) satellites.push_back(Satellite(s));
  return {{"source", tables.source},
          {"notes", tables.notes},
          {"counts",
           {{"new", comparison.Count(UpdateKind::kNew)},
            {"changed", comparison.Count(UpdateKind::kChanged)},
            {"vanished", comparison.Count(UpdateKind::kVanished)}}},
          {"satellites", std::move(satellites)}};
}

Json UpdateResultToJson(const TransponderUpdateResult& r) {
  return {{"added", r.added},           {"changed", r.changed},
          {"removed", r.removed},       {"channelsRemoved", r.channelsRemoved},
          {"notApplied", r.notApplied}, {"message", r.message}};
}

}  // namespace vq::tool
