#pragma once
/// @file
/// The property pane of the channels selected in the channel list.

#include <array>
#include <optional>
#include <string>

#include "editing/panes/channel_draft.h"
#include "ui/panes/channel_pane_texts.h"
#include "ui/panes/property_pane.h"

namespace vq {

/// Shows every editable field of one channel, or the fields several
/// channels share (a check box whose channels differ is indeterminate, a
/// differing value empty), its favourite groups and, read-only, its
/// transponder and satellite. Values go into a ChannelDraft, which the
/// commit flow writes.
class ChannelPane : public PropertyPane {
 public:
  using PropertyPane::PropertyPane;

  void Commit(bool asking) override;
  const ChannelDraft& Draft() const { return draft_; }

 protected:
  bool Load() override;
  void Describe() override;
  void Refresh() override;
  std::string Summary(int groupRow) const override;
  bool TakeValue(const GridNotification& note) override;

 private:
  std::optional<int> Shared(ChannelField field) const;
  void RefreshTracks();
  /// Summary of track t (0..5 or kAc3Track).
  std::string TrackText(int track) const;

  ChannelDraft draft_;
  ChannelPlaceTexts place_;
  std::array<std::string, ChannelRecord::kFavoriteGroups> groupNames_;
};

}  // namespace vq
