#pragma once
/// @file
/// The property pane of the channels selected in the channel list.

#include <array>
#include <optional>
#include <string>

#include "editing/panes/channel_commit.h"
#include "editing/panes/channel_draft.h"
#include "ui/panes/channel_pane_texts.h"
#include "ui/panes/draft_pane.h"

namespace vq {

/// Shows every editable field of one channel, or the fields several
/// channels share (a check box whose channels differ is indeterminate, a
/// differing value empty), its favourite groups and, read-only, its
/// transponder and satellite. Values go into a ChannelDraft, which the
/// commit flow writes.
class ChannelPane final : public DraftPane<ChannelDraft, ChannelField, CommitChannelDraft> {
 public:
  using DraftPane::DraftPane;

 private:
  void Describe() override;
  void Refresh() override;
  void RefreshTracks();
  /// Summary of track t (0..5 or kAc3Track).
  std::string TrackText(int track) const;
  std::string Summary(int groupRow) const override;
  bool TakeValue(const GridNotification& note) override;

  bool LoadTexts(EditingView& view) override;
  ChannelPlaceTexts place_;
  std::array<std::string, ChannelRecord::kFavoriteGroups> groupNames_;
};

}  // namespace vq
