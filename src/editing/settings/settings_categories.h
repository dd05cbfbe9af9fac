#pragma once
/// @file
/// The settings part of the editing layer: the receiver settings categories,
/// their values and the settings pane's working copy. It builds on the
/// commands and panes parts.
///
/// The receiver settings categories of the settings tab and the
/// configuration fields each one shows.

namespace vq {

class ReceiverConfig;

/// Category codes: the settings category list's item data and the
/// `CurrentSettingsItem` of the editor configuration.
enum SettingsCategoryCode : int {
  kSettingsTv = 0,
  kSettingsLanguage = 1,
  kSettingsTimeDate = 2,
  kSettingsTimer = 3,
  kSettingsParental = 4,
  kSettingsUserInterface = 5,
  kSettingsPower = 6,
  kSettingsNetwork = 7,
  kSettingsOther = 8,
  kSettingsHidden = 9,
};

/// Copies the fields of one category, field by field through the record's
/// accessors, from `from` into `to`. An unknown code copies nothing.
void CopySettingsCategory(const ReceiverConfig& from, ReceiverConfig& to, int category);

}  // namespace vq
