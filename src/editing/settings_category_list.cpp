#include "editing/settings_category_list.h"

#include <algorithm>

#include "editing/settings_categories.h"

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
      "TV Settings",
      "Language Settings",
      "Time/Date Settings",
      "Timer Settings",
      "Parental Control Settings",
      "User Interface Settings",
      "Power Management Settings",
      "Network Settings",
      "Other Settings",
      "Hidden Settings",
  };
  return category >= 0 && category < static_cast<int>(std::size(kNames))
             ? kNames[static_cast<size_t>(category)]
             : std::string_view();
}

}  // namespace vq
