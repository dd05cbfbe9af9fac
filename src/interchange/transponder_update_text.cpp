#include "interchange/transponder_update_text.h"

#include "database/lookup_tables.h"
#include "database/position_text.h"

namespace vq {
namespace {

std::string Plural(int count, const std::string& one, const std::string& many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string Source(const TransponderUpdate& u) {
  return u.table.empty() ? std::string() : " (" + u.table + " line " + std::to_string(u.line) + ")";
}

}  // namespace

std::string TuningText(const TuningValues& v) {
  return std::to_string(v.frequency) + " " + std::string(PolarizationShortText(v.polarization)) +
         " " + std::to_string(v.symbolRate) + " " + std::string(FecText(v.fec));
}

std::string_view UpdateKindText(UpdateKind kind) {
  switch (kind) {
    case UpdateKind::kNew:
      return "new";
    case UpdateKind::kChanged:
      return "changed";
    case UpdateKind::kVanished:
      return "vanished";
  }
  return {};
}

std::string ChannelCountText(int channels) {
  return channels == 0 ? "no channels" : Plural(channels, "channel", "channels");
}

std::string UpdateText(const TransponderUpdate& u) {
  std::string text(UpdateKindText(u.kind));
  text.resize(9, ' ');
  switch (u.kind) {
    case UpdateKind::kNew:
      text += TuningText(u.after);
      if (u.dvbS2) text += ", DVB-S2";
      break;
    case UpdateKind::kChanged: {
      const std::string after = TuningText(u.after);
      text += TuningText(u.before) + " to " + after.substr(after.find(' ') + 1) + ", " +
              ChannelCountText(u.channels);
      break;
    }
    case UpdateKind::kVanished:
      text += TuningText(u.before) + ", " + ChannelCountText(u.channels);
      break;
  }
  return text + Source(u);
}

std::string SatelliteTitle(const SatelliteComparison& s) {
  std::string title = "Satellite " + std::to_string(s.satellite + 1) + " \"" + s.name + "\"";
  if (s.position != 0) title += " at " + EastWestPositionText(s.position);
  return title;
}

std::string ComparisonStatusText(const SatelliteComparison& s) {
  const std::string at = EastWestPositionText(s.position);
  switch (s.status) {
    case ComparisonStatus::kNoPosition:
      return "no orbital position; left alone";
    case ComparisonStatus::kNoTable:
      return "no scan table for " + at + "; left alone";
    case ComparisonStatus::kNoReadableTable:
      return "no scan table for " + at + " could be read; left alone";
    case ComparisonStatus::kCompared:
      break;
  }
  return s.updates.empty()
             ? "no differences"
             : Plural(static_cast<int>(s.updates.size()), "difference", "differences");
}

std::vector<std::string> ComparisonLines(const TransponderComparison& comparison) {
  std::vector<std::string> lines;
  if (comparison.satellites.empty()) lines.push_back("No satellite is in use.");
  for (const SatelliteComparison& s : comparison.satellites) {
    lines.push_back(SatelliteTitle(s) + ": " + ComparisonStatusText(s));
    if (!s.tables.empty()) {
      std::string tables = "  tables:";
      for (const std::string& name : s.tables) tables += " " + name;
      lines.push_back(tables);
    }
    for (const SkippedTable& t : s.skippedTables)
      lines.push_back("  table " + t.name + " skipped: " + t.reason);
    if (s.status != ComparisonStatus::kCompared) continue;
    if (!s.vanishedCompared)
      lines.push_back("  transponders no longer listed are not shown: a table was skipped");
    if (s.outsideLnbRange > 0)
      lines.push_back("  listed transponders outside the LNB's range, left out: " +
                      std::to_string(s.outsideLnbRange));
    if (s.unusableEntries > 0)
      lines.push_back("  table entries without a satellite transponder: " +
                      std::to_string(s.unusableEntries));
    for (const TransponderUpdate& u : s.updates) lines.push_back("  " + UpdateText(u));
  }
  return lines;
}

std::vector<std::string> UpdateResultLines(const TransponderUpdateResult& r) {
  std::vector<std::string> lines;
  lines.push_back("Transponders added: " + std::to_string(r.added) + ", changed: " +
                  std::to_string(r.changed) + ", removed: " + std::to_string(r.removed) +
                  " (with " + ChannelCountText(r.channelsRemoved) + ")");
  for (const std::string& line : r.notApplied) lines.push_back("  " + line);
  if (!r.message.empty()) lines.push_back(r.message);
  return lines;
}

}  // namespace vq
