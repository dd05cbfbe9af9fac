#include "ui/panes/lookup_option_texts.h"

#include <algorithm>
#include <array>

#include "common/text_translation.h"

namespace vq {
namespace {

// Brand names, standards and numbers read the same in every language and
// are not listed.
constexpr std::array kTranslatedNames = {
    // Languages.
    VQ_TRANSLATE_NOOP("CoreText", "English"),
    VQ_TRANSLATE_NOOP("CoreText", "German"),
    VQ_TRANSLATE_NOOP("CoreText", "French"),
    VQ_TRANSLATE_NOOP("CoreText", "Spanish"),
    VQ_TRANSLATE_NOOP("CoreText", "Italian"),
    VQ_TRANSLATE_NOOP("CoreText", "Portuguese"),
    VQ_TRANSLATE_NOOP("CoreText", "Swedish"),
    VQ_TRANSLATE_NOOP("CoreText", "Danish"),
    VQ_TRANSLATE_NOOP("CoreText", "Dutch"),
    VQ_TRANSLATE_NOOP("CoreText", "Finish"),
    VQ_TRANSLATE_NOOP("CoreText", "Hungarian"),
    VQ_TRANSLATE_NOOP("CoreText", "Norwegian"),
    VQ_TRANSLATE_NOOP("CoreText", "Polish"),
    VQ_TRANSLATE_NOOP("CoreText", "Romanian"),
    VQ_TRANSLATE_NOOP("CoreText", "Slovenian"),
    VQ_TRANSLATE_NOOP("CoreText", "Russian"),
    VQ_TRANSLATE_NOOP("CoreText", "Turkish"),
    VQ_TRANSLATE_NOOP("CoreText", "Arabic"),
    VQ_TRANSLATE_NOOP("CoreText", "Greek"),
    VQ_TRANSLATE_NOOP("CoreText", "Czech"),
    VQ_TRANSLATE_NOOP("CoreText", "China"),
    VQ_TRANSLATE_NOOP("CoreText", "Korea"),
    VQ_TRANSLATE_NOOP("CoreText", "Japanese"),
    VQ_TRANSLATE_NOOP("CoreText", "Persian"),
    VQ_TRANSLATE_NOOP("CoreText", "Latin"),
    VQ_TRANSLATE_NOOP("CoreText", "Bengali"),
    VQ_TRANSLATE_NOOP("CoreText", "Tamil"),
    VQ_TRANSLATE_NOOP("CoreText", "Hebrew"),
    VQ_TRANSLATE_NOOP("CoreText", "Bulgarian"),
    VQ_TRANSLATE_NOOP("CoreText", "Urdo"),
    VQ_TRANSLATE_NOOP("CoreText", "Ukrainian"),
    VQ_TRANSLATE_NOOP("CoreText", "Unknown"),
    // Conditional access.
    VQ_TRANSLATE_NOOP("CoreText", "Free"),
    // Timer modes.
    VQ_TRANSLATE_NOOP("CoreText", "Not Defined"),
    VQ_TRANSLATE_NOOP("CoreText", "Sleep"),
    VQ_TRANSLATE_NOOP("CoreText", "Wakeup"),
    VQ_TRANSLATE_NOOP("CoreText", "Once"),
    VQ_TRANSLATE_NOOP("CoreText", "Daily"),
    VQ_TRANSLATE_NOOP("CoreText", "Weekly"),
    // Weekdays of weekly timers.
    VQ_TRANSLATE_NOOP("CoreText", "Mon"),
    VQ_TRANSLATE_NOOP("CoreText", "Tue"),
    VQ_TRANSLATE_NOOP("CoreText", "Wed"),
    VQ_TRANSLATE_NOOP("CoreText", "Thu"),
    VQ_TRANSLATE_NOOP("CoreText", "Fri"),
    VQ_TRANSLATE_NOOP("CoreText", "Sat"),
    VQ_TRANSLATE_NOOP("CoreText", "Sun"),
    // Connection modes and the functions of the F1 button.
    VQ_TRANSLATE_NOOP("CoreText", "Manual"),
    VQ_TRANSLATE_NOOP("CoreText", "Sleep Timer"),
    VQ_TRANSLATE_NOOP("CoreText", "Find"),
    VQ_TRANSLATE_NOOP("CoreText", "Fav List"),
    VQ_TRANSLATE_NOOP("CoreText", "Zoom"),
    // LNB types and tone bursts.
    VQ_TRANSLATE_NOOP("CoreText", "Single"),
    VQ_TRANSLATE_NOOP("CoreText", "Universal"),
    VQ_TRANSLATE_NOOP("CoreText", "Satellite A"),
    VQ_TRANSLATE_NOOP("CoreText", "Satellite B"),
    // Polarisations, switch types, audio modes, answers.
    VQ_TRANSLATE_NOOP("CoreText", "Auto"),
    VQ_TRANSLATE_NOOP("CoreText", "Horizontal"),
    VQ_TRANSLATE_NOOP("CoreText", "Vertical"),
    VQ_TRANSLATE_NOOP("CoreText", "Off"),
    VQ_TRANSLATE_NOOP("CoreText", "Left"),
    VQ_TRANSLATE_NOOP("CoreText", "Right"),
    VQ_TRANSLATE_NOOP("CoreText", "Yes"),
    VQ_TRANSLATE_NOOP("CoreText", "No"),
};

}  // namespace

std::string LookupText(std::string_view text) {
  const std::string name(text);
  const bool listed =
      std::find(kTranslatedNames.begin(), kTranslatedNames.end(), text) != kTranslatedNames.end();
  return listed ? TranslatedText(name) : name;
}

std::vector<std::string> LookupOptions(int count, std::string_view (*text)(int), int first) {
  std::vector<std::string> options;
  for (int i = first; i < count; ++i) options.emplace_back(text(i));
  return options;
}

}  // namespace vq
