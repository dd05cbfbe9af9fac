#pragma once
/// @file
/// The property pane of the receiver settings category chosen on the
/// settings tab.

#include <cstdint>
#include <string>
#include <vector>

#include "editing/settings/settings_draft.h"
#include "ui/panes/property_pane.h"
#include "ui/panes/settings_pane_rows.h"

namespace vq {

/// Shows the rows of one settings category (the editor configuration's
/// CurrentSettingsItem) over a SettingsDraft, a copy of the configuration
/// record; the commit writes that category back. Each category is one
/// group that stays open, except the timers: eight timers that fold, each
/// with its mode in the group's value cell, its start editor following
/// the mode and its channel chosen in the "Select Channel" dialog.
class SettingsPane : public PropertyPane {
 public:
  using PropertyPane::PropertyPane;

  void Commit(bool asking) override;
  const SettingsDraft& Draft() const { return draft_; }

 protected:
  bool Load() override;
  void Describe() override;
  void Refresh() override;
  std::string Summary(int groupRow) const override;
  std::string ExpandedText(int groupRow) const override;
  bool TakeValue(const GridNotification& note) override;

 private:
  bool TakeRowValue(const GridNotification& note);
  void DescribeTimers();
  void RefreshTimer(int t);
  void ShowDateTime(int row, const std::string& format, const std::string& text);
  bool TakeTimerValue(int t, int part, const GridNotification& note);
  bool TakeText(const settings_rows::SettingRow& row);
  const settings_rows::SettingRow* RowOf(int row) const;

  SettingsDraft draft_;
  std::vector<settings_rows::SettingGroup> groups_;
  std::vector<settings_rows::SettingRow> rows_;
  std::int32_t open_ = 1;  ///< the category's own groups are built open
};

}  // namespace vq
