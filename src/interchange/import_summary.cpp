#include "interchange/import_summary.h"

#include <map>

#include "common/translated_format.h"

namespace vq {
namespace {

constexpr size_t kLinesShown = 10;

std::string LineList(const std::vector<int>& lines) {
  std::string numbers;
  for (size_t i = 0; i < lines.size() && i < kLinesShown; ++i) {
    if (i > 0) numbers += ", ";
    numbers += std::to_string(lines[i]);
  }
  if (lines.size() == 1)
    return TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "line %s"), numbers.c_str());
  if (lines.size() <= kLinesShown)
    return TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "lines %s"), numbers.c_str());
  return TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "lines %s and %zu more"), numbers.c_str(),
                          lines.size() - kLinesShown);
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
    lines.push_back(
        TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "Satellites added: %d"), s.satellitesAdded));
  lines.push_back(
      TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "Transponders added: %d (%d already there)"),
                       s.transpondersAdded, s.transpondersPresent));
  if (s.dvbS2TranspondersAdded > 0)
    lines.push_back(TranslatedFormat(
        VQ_TRANSLATE_NOOP("CoreText",
                          "DVB-S2 transponders among them: %d (the transponder record cannot "
                          "mark DVB-S2)"),
        s.dvbS2TranspondersAdded));
  lines.push_back(TranslatedFormat(
      VQ_TRANSLATE_NOOP("CoreText", "Channels added: %d TV, %d radio, %d data (%d already there)"),
      s.channelsAdded[0], s.channelsAdded[1], s.channelsAdded[2], s.channelsPresent));
  if (s.favoritePlacesAdded > 0)
    lines.push_back(TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "Favourite places added: %d"),
                                     s.favoritePlacesAdded));
  if (s.replacedCharacters > 0)
    lines.push_back(TranslatedFormat(
        VQ_TRANSLATE_NOOP("CoreText", "Characters without a Latin-1 form, replaced by '?': %d"),
        s.replacedCharacters));
  const std::vector<std::string> skipped =
      SkippedLines(VQ_TRANSLATE_NOOP("CoreText", "Skipped: %d"), s.skipped);
  lines.insert(lines.end(), skipped.begin(), skipped.end());
  if (!s.message.empty()) lines.push_back(TranslatedText(s.message));
  return lines;
}

std::vector<std::string> SkippedLines(const char* heading,
                                      const std::vector<SkippedEntry>& skipped) {
  std::vector<std::string> lines;
  if (skipped.empty()) return lines;
  lines.push_back(TranslatedFormat(heading, static_cast<int>(skipped.size())));
  std::vector<std::string> reasons;
  std::map<std::string, std::vector<int>> linesOf;
  for (const SkippedEntry& e : skipped) {
    if (!linesOf.count(e.reason)) reasons.push_back(e.reason);
    std::vector<int>& of = linesOf[e.reason];
    if (e.line > 0) of.push_back(e.line);
  }
  for (const std::string& reason : reasons) {
    const std::vector<int>& of = linesOf[reason];
    lines.push_back("  " + TranslatedText(reason) + (of.empty() ? "" : " (" + LineList(of) + ")"));
  }
  return lines;
}

}  // namespace vq
