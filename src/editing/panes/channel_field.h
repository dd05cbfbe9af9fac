#pragma once
/// @file
/// The editable fields of a channel as the channel pane shows them, read and
/// written as whole numbers on a stored record.

#include "database/channel_record.h"

namespace vq {

/// A channel field the pane edits. The track, language and favourite fields
/// come in runs; use TrackPid(i), TrackLanguage(i) and Favorite(g).
enum class ChannelField : int {
  kLocked,
  kScrambled,
  kSkipped,
  kCas,
  kSubtitle,
  kVideoPid,
  kPcrPid,
  kTeletextPid,
  kPmtPid,
  kProgramId,
  kEcmPid,
  kAudioMode,
  kAudioCount,
  kCurrentTrack,  ///< 0..5 for tracks 1..6, kAc3Track for the AC3 track
  kAc3Pid,
  kAc3Language,
  kTrackPid1,
  kTrackLanguage1 = kTrackPid1 + ChannelRecord::kAudioTrackCount,
  kFavorite1 = kTrackLanguage1 + ChannelRecord::kAudioTrackCount,
  kCount = kFavorite1 + ChannelRecord::kFavoriteGroups,
};

inline constexpr int kChannelFieldCount = static_cast<int>(ChannelField::kCount);
/// The value of kCurrentTrack that names the AC3 track; the stored track
/// index (three bits) never takes it.
inline constexpr int kAc3Track = 8;

constexpr ChannelField TrackPid(int track) {
  return static_cast<ChannelField>(static_cast<int>(ChannelField::kTrackPid1) + track);
}
constexpr ChannelField TrackLanguage(int track) {
  return static_cast<ChannelField>(static_cast<int>(ChannelField::kTrackLanguage1) + track);
}
constexpr ChannelField Favorite(int group) {
  return static_cast<ChannelField>(static_cast<int>(ChannelField::kFavorite1) + group);
}
/// The favourite group of a favourite field, or -1.
constexpr int FavoriteGroupOf(ChannelField field) {
  const int g = static_cast<int>(field) - static_cast<int>(ChannelField::kFavorite1);
  return g >= 0 && g < ChannelRecord::kFavoriteGroups ? g : -1;
}

/// The field's value in a record; a favourite field reads 1 for a member.
int ReadChannelField(const ChannelRecord& record, ChannelField field);
/// Writes a value into a record; the setters mask it to the field's width.
/// Favourite fields are not written here: membership changes go through the
/// database's favourite operations.
void WriteChannelField(ChannelRecord& record, ChannelField field, int value);

}  // namespace vq
