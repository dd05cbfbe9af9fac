#include "interchange/import_summary.h"

#include <algorithm>

#include "common/translated_format.h"

namespace vq {
namespace {

constexpr size_t kLinesShown = 10;

std::string LineList(const SkipList::Reason& reason) {
  const std::vector<int>& lines = reason.lines;
  std::string numbers;
  for (size_t i = 0; i < lines.size() && i < kLinesShown; ++i) {
    if (i > 0) numbers += ", ";
    numbers += std::to_string(lines[i]);
  }
  // Entries without a line (or beyond the kept ones) still count as more.
  const size_t shown = std::min(lines.size(), kLinesShown);
  if (reason.count == 1)
    return TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "line %s"), numbers.c_str());
  if (reason.count <= shown)
    return TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "lines %s"), numbers.c_str());
  return TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "lines %s and %zu more"), numbers.c_str(),
                          reason.count - shown);
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

std::vector<std::string> SkippedLines(const char* heading, const SkipList& skipped) {
  std::vector<std::string> lines;
  if (skipped.empty()) return lines;
  lines.push_back(TranslatedFormat(heading, static_cast<int>(skipped.size())));
  for (const SkipList::Reason& reason : skipped.Reasons())
    lines.push_back("  " + TranslatedText(reason.text) +
                    (reason.lines.empty() ? "" : " (" + LineList(reason) + ")"));
  return lines;
}

}  // namespace vq
