#include "ui/panes/channel_pane_rows.h"

#include <array>
#include <utility>

namespace vq::channel_rows {
namespace {

constexpr std::array<std::pair<int, ChannelField>, 15> kFixedRows = {{
    {kLocked, ChannelField::kLocked},
    {kScrambled, ChannelField::kScrambled},
    {kSkipped, ChannelField::kSkipped},
    {kCas, ChannelField::kCas},
    {kSubtitle, ChannelField::kSubtitle},
    {kVideoPid, ChannelField::kVideoPid},
    {kPcrPid, ChannelField::kPcrPid},
    {kTeletextPid, ChannelField::kTeletextPid},
    {kPmtPid, ChannelField::kPmtPid},
    {kProgramId, ChannelField::kProgramId},
    {kEcmPid, ChannelField::kEcmPid},
    {kAudioMode, ChannelField::kAudioMode},
    {kAudioCount, ChannelField::kAudioCount},
    {kAc3Pid, ChannelField::kAc3Pid},
    {kAc3Language, ChannelField::kAc3Language},
}};

constexpr int kTracks = ChannelRecord::kAudioTrackCount;

}  // namespace

std::optional<ChannelField> FieldOfRow(int row) {
  for (const auto& [fixed, field] : kFixedRows)
    if (fixed == row) return field;
  if (row >= kTrackPid1 && row < kTrackPid1 + kTracks) return TrackPid(row - kTrackPid1);
  if (row >= kTrackLanguage1 && row < kTrackLanguage1 + kTracks)
    return TrackLanguage(row - kTrackLanguage1);
  if (row >= kFavorite1 && row < kFavorite1 + ChannelRecord::kFavoriteGroups)
    return Favorite(row - kFavorite1);
  return std::nullopt;
}

int RowOfField(ChannelField field) {
  for (const auto& [row, fixed] : kFixedRows)
    if (fixed == field) return row;
  if (field == ChannelField::kCurrentTrack) return -1;
  const int f = static_cast<int>(field);
  if (const int g = FavoriteGroupOf(field); g >= 0) return kFavorite1 + g;
  if (f >= static_cast<int>(ChannelField::kTrackLanguage1))
    return kTrackLanguage1 + f - static_cast<int>(ChannelField::kTrackLanguage1);
  return kTrackPid1 + f - static_cast<int>(ChannelField::kTrackPid1);
}

int TrackOfGroupRow(int row) {
  if (row >= kTrack1 && row < kTrack1 + kTracks) return row - kTrack1;
  return row == kAc3Group ? vq::kAc3Track : -1;
}

}  // namespace vq::channel_rows
