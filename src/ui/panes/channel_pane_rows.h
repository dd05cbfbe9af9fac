#pragma once
/// @file
/// Row ids of the channel pane and the channel field each value row edits.

#include <optional>

#include "editing/panes/channel_field.h"

namespace vq::channel_rows {

/// Groups are the rows ending in 0; tracks, languages and favourites come
/// in runs (track t, group g counted from 0).
enum Row : int {
  kGeneral = 100,
  kNumber,
  kName,
  kLocked,
  kScrambled,
  kSkipped,
  kCas,
  kSubtitle,
  kIds = 110,
  kVideoPid,
  kPcrPid,
  kTeletextPid,
  kPmtPid,
  kProgramId,
  kEcmPid,
  kAudio = 120,
  kAudioMode,
  kAudioCount,
  kTrack1 = 130,
  kAc3Group = kTrack1 + ChannelRecord::kAudioTrackCount,
  kTrackPid1 = 140,
  kAc3Pid = kTrackPid1 + ChannelRecord::kAudioTrackCount,
  kTrackLanguage1 = 150,
  kAc3Language = kTrackLanguage1 + ChannelRecord::kAudioTrackCount,
  kFavorites = 160,
  kFavorite1,
  kTransponder = 170,
  kFrequency,
  kSymbolRate,
  kPolarization,
  kTransponderChannels,
  kSatellite = 180,
  kSatelliteName,
  kPosition,
  kTransponders,
  kSatelliteChannels,
};

/// The field the value cell of `row` edits; none for groups, "Number",
/// "Name", the track choices and read-only rows.
std::optional<ChannelField> FieldOfRow(int row);
/// The row that shows `field`; -1 for the current track, which the track
/// sub-groups' radios show.
int RowOfField(ChannelField field);
/// The track (0..5, or vq::kAc3Track) whose sub-group `row` is; -1 for
/// other rows.
int TrackOfGroupRow(int row);

}  // namespace vq::channel_rows
