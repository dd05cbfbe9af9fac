#include "interchange/transponder_update_text.h"

#include <algorithm>

#include "common/translated_format.h"
#include "database/lookup_tables.h"
#include "database/position_text.h"

namespace vq {
namespace {

// `one` or `many` (patterns with a %d) in the user's language, for `count`.
std::string Plural(int count, const char* one, const char* many) {
  return TranslatedFormat(count == 1 ? one : many, count);
}

std::string Source(const TransponderUpdate& u) {
  if (u.table.empty()) return {};
  return TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", " (%s line %d)"), u.table.c_str(), u.line);
}

}  // namespace

std::string TuningText(const TuningValues& v) {
  return std::to_string(v.frequency) + " " + std::string(PolarizationShortText(v.polarization)) +
         " " + std::to_string(v.symbolRate) + " " + std::string(FecText(v.fec));
}

std::string_view UpdateKindText(UpdateKind kind) {
  switch (kind) {
    case UpdateKind::kNew:
      return VQ_TRANSLATE_NOOP("CoreText", "new");
    case UpdateKind::kChanged:
      return VQ_TRANSLATE_NOOP("CoreText", "changed");
    case UpdateKind::kVanished:
      return VQ_TRANSLATE_NOOP("CoreText", "vanished");
  }
  return {};
}

std::string ChannelCountText(int channels) {
  if (channels == 0) return TranslatedText(VQ_TRANSLATE_NOOP("CoreText", "no channels"));
  return Plural(channels, VQ_TRANSLATE_NOOP("CoreText", "%d channel"),
                VQ_TRANSLATE_NOOP("CoreText", "%d channels"));
}

std::string UpdateText(const TransponderUpdate& u) {
  // The kind in a column of nine, and at least one space after a longer one.
  std::string text = TranslatedText(std::string(UpdateKindText(u.kind)));
  text.resize(std::max<size_t>(text.size() + 1, 9), ' ');
  switch (u.kind) {
    case UpdateKind::kNew:
      text += TuningText(u.after);
      if (u.dvbS2) text += ", DVB-S2";
      break;
    case UpdateKind::kChanged: {
      const std::string after = TuningText(u.after);
      text += TranslatedFormat(
          VQ_TRANSLATE_NOOP("CoreText", "%s to %s, %s"), TuningText(u.before).c_str(),
          after.substr(after.find(' ') + 1).c_str(), ChannelCountText(u.channels).c_str());
      break;
    }
    case UpdateKind::kVanished:
      text += TuningText(u.before) + ", " + ChannelCountText(u.channels);
      break;
  }
  return text + Source(u);
}

std::string SatelliteTitle(const SatelliteComparison& s) {
  if (s.position == 0)
    return TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "Satellite %d \"%s\""), s.satellite + 1,
                            s.name.c_str());
  return TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "Satellite %d \"%s\" at %s"),
                          s.satellite + 1, s.name.c_str(),
                          EastWestPositionText(s.position).c_str());
}

std::string ComparisonStatusText(const SatelliteComparison& s) {
  const std::string at = EastWestPositionText(s.position);
  switch (s.status) {
    case ComparisonStatus::kNoPosition:
      return TranslatedText(VQ_TRANSLATE_NOOP("CoreText", "no orbital position; left alone"));
    case ComparisonStatus::kNoTable:
      return TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "no scan table for %s; left alone"),
                              at.c_str());
    case ComparisonStatus::kNoReadableTable:
      return TranslatedFormat(
          VQ_TRANSLATE_NOOP("CoreText", "no scan table for %s could be read; left alone"),
          at.c_str());
    case ComparisonStatus::kCompared:
      break;
  }
  if (s.updates.empty()) return TranslatedText(VQ_TRANSLATE_NOOP("CoreText", "no differences"));
  return Plural(static_cast<int>(s.updates.size()), VQ_TRANSLATE_NOOP("CoreText", "%d difference"),
                VQ_TRANSLATE_NOOP("CoreText", "%d differences"));
}

std::vector<std::string> ComparisonLines(const TransponderComparison& comparison) {
  std::vector<std::string> lines;
  if (comparison.satellites.empty()) lines.emplace_back("No satellite is in use.");
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
      lines.emplace_back("  transponders no longer listed are not shown: a table was skipped");
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
  lines.push_back(TranslatedFormat(
      VQ_TRANSLATE_NOOP("CoreText", "Transponders added: %d, changed: %d, removed: %d (with %s)"),
      r.added, r.changed, r.removed, ChannelCountText(r.channelsRemoved).c_str()));
  for (const std::string& line : r.notApplied) lines.push_back("  " + line);
  if (!r.message.empty()) lines.push_back(TranslatedText(r.message));
  return lines;
}

}  // namespace vq
