#pragma once
/// @file
/// Which receiver settings categories the category list shows, and which
/// one a remembered category code lands on.

#include <string_view>
#include <vector>

namespace vq {

/// The categories listed, in list order: the seven fixed ones, "Network
/// Settings" while the network settings are in use, "Other Settings", and
/// "Hidden Settings" once revealed.
std::vector<int> ListedSettingsCategories(bool networkListed, bool hiddenListed);

/// The listed category to select for a remembered code. Code 7 has also
/// been read as "Other Settings", so a 7 while the network category is not
/// listed lands there; any other code not listed lands on the first one.
int SettingsCategoryToSelect(int remembered, const std::vector<int>& listed);

/// The list text of a category code ("TV Settings", ...), empty for others.
std::string_view SettingsCategoryName(int category);

}  // namespace vq
