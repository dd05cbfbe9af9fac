#include "interchange/import_summary.h"

#include <map>

namespace vq {
namespace {

constexpr size_t kLinesShown = 10;

std::string LineList(const std::vector<int>& lines) {
  std::string text = lines.size() == 1 ? "line " : "lines ";
  for (size_t i = 0; i < lines.size() && i < kLinesShown; ++i) {
    if (i > 0) text += ", ";
    text += std::to_string(lines[i]);
  }
  if (lines.size() > kLinesShown)
    text += " and " + std::to_string(lines.size() - kLinesShown) + " more";
  return text;
}

}  // namespace

bool ImportSummary::Changed() const {
  return satellitesAdded > 0 || transpondersAdded > 0 || ChannelsAdded() > 0 ||
         favoritePlacesAdded > 0;
}

bool ImportSummary::Used() const {
  return Changed() || transpondersPresent > 0 || channelsPresent > 0;
}

std::vector<std::string> SummaryLines(const ImportSummary& s) {
  std::vector<std::string> lines;
  if (s.satellitesAdded > 0)
    lines.push_back("Satellites added: " + std::to_string(s.satellitesAdded));
  lines.push_back("Transponders added: " + std::to_string(s.transpondersAdded) + " (" +
                  std::to_string(s.transpondersPresent) + " already there)");
  if (s.dvbS2TranspondersAdded > 0)
    lines.push_back("DVB-S2 transponders among them: " + std::to_string(s.dvbS2TranspondersAdded) +
                    " (the transponder record cannot mark DVB-S2)");
  lines.push_back("Channels added: " + std::to_string(s.channelsAdded[0]) + " TV, " +
                  std::to_string(s.channelsAdded[1]) + " radio, " +
                  std::to_string(s.channelsAdded[2]) + " data (" +
                  std::to_string(s.channelsPresent) + " already there)");
  if (s.favoritePlacesAdded > 0)
    lines.push_back("Favourite places added: " + std::to_string(s.favoritePlacesAdded));
  if (s.replacedCharacters > 0)
    lines.push_back("Characters without a Latin-1 form, replaced by '?': " +
                    std::to_string(s.replacedCharacters));
  const std::vector<std::string> skipped = SkippedLines("Skipped", s.skipped);
  lines.insert(lines.end(), skipped.begin(), skipped.end());
  if (!s.message.empty()) lines.push_back(s.message);
  return lines;
}

std::vector<std::string> SkippedLines(const std::string& title,
                                      const std::vector<SkippedEntry>& skipped) {
  std::vector<std::string> lines;
  if (skipped.empty()) return lines;
  lines.push_back(title + ": " + std::to_string(skipped.size()));
  std::vector<std::string> reasons;
  std::map<std::string, std::vector<int>> linesOf;
  for (const SkippedEntry& e : skipped) {
    if (!linesOf.count(e.reason)) reasons.push_back(e.reason);
    std::vector<int>& of = linesOf[e.reason];
    if (e.line > 0) of.push_back(e.line);
  }
  for (const std::string& reason : reasons) {
    const std::vector<int>& of = linesOf[reason];
    lines.push_back("  " + reason + (of.empty() ? "" : " (" + LineList(of) + ")"));
  }
  return lines;
}

}  // namespace vq
