#include "editing/settings/settings_category_list.h"

#include <algorithm>

#include "common/text_translation.h"
#include "editing/settings/settings_categories.h"

namespace vq {

std::vector<int> ListedSettingsCategories(bool networkListed, bool hiddenListed) {
  std::vector<int> listed = {kSettingsTv,    kSettingsLanguage, kSettingsTimeDate,
                             kSettingsTimer, kSettingsParental, kSettingsUserInterface,
                             kSettingsPower};
  if (networkListed) listed.push_back(kSettingsNetwork);
  listed.push_back(kSettingsOther);
  if (hiddenListed) listed.push_back(kSettingsHidden);
  return listed;
}

int SettingsCategoryToSelect(int remembered, const std::vector<int>& listed) {
  const auto has = [&listed](int code) {
    return std::find(listed.begin(), listed.end(), code) != listed.end();
  };
  if (has(remembered)) return remembered;
  if (remembered == kSettingsNetwork && has(kSettingsOther)) return kSettingsOther;
  return listed.empty() ? kSettingsTv : listed.front();
}

std::string_view SettingsCategoryName(int category) {
  static constexpr std::string_view kNames[] = {
      VQ_TRANSLATE_NOOP("CoreText", "TV Settings"),
      VQ_TRANSLATE_NOOP("CoreText", "Language Settings"),
      VQ_TRANSLATE_NOOP("CoreText", "Time/Date Settings"),
      VQ_TRANSLATE_NOOP("CoreText", "Timer Settings"),
      VQ_TRANSLATE_NOOP("CoreText", "Parental Control Settings"),
      VQ_TRANSLATE_NOOP("CoreText", "User Interface Settings"),
      VQ_TRANSLATE_NOOP("CoreText", "Power Management Settings"),
      VQ_TRANSLATE_NOOP("CoreText", "Network Settings"),
      VQ_TRANSLATE_NOOP("CoreText", "Other Settings"),
      VQ_TRANSLATE_NOOP("CoreText", "Hidden Settings"),
  };
  return category >= 0 && category < static_cast<int>(std::size(kNames))
             ? kNames[static_cast<size_t>(category)]
             : std::string_view();
}

}  // namespace vq
