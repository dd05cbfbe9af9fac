#include "editing/panes/channel_field.h"

namespace vq {

int ReadChannelField(const ChannelRecord& r, ChannelField field) {
  const int f = static_cast<int>(field);
  if (const int g = FavoriteGroupOf(field); g >= 0) return r.GetFavoritePlace(g) != 0 ? 1 : 0;
  if (f >= static_cast<int>(ChannelField::kTrackLanguage1))
    return r.GetAudioLanguage(f - static_cast<int>(ChannelField::kTrackLanguage1));
  if (f >= static_cast<int>(ChannelField::kTrackPid1))
    return r.GetAudioPid(f - static_cast<int>(ChannelField::kTrackPid1));
  switch (field) {
    case ChannelField::kLocked:
      return r.IsLocked() ? 1 : 0;
    case ChannelField::kScrambled:
      return r.IsScrambled() ? 1 : 0;
    case ChannelField::kSkipped:
      return r.IsSkipped() ? 1 : 0;
    case ChannelField::kCas:
      return r.GetCas();
    case ChannelField::kSubtitle:
      return r.GetSubtitle();
    case ChannelField::kVideoPid:
      return r.GetVideoPid();
    case ChannelField::kPcrPid:
      return r.GetPcrPid();
    case ChannelField::kTeletextPid:
      return r.GetTeletextPid();
    case ChannelField::kPmtPid:
      return r.GetPmtPid();
    case ChannelField::kProgramId:
      return r.GetProgramId();
    case ChannelField::kEcmPid:
      return r.GetEcmPid();
    case ChannelField::kAudioMode:
      return r.GetAudioMode();
    case ChannelField::kAudioCount:
      return r.GetAudioCount();
    case ChannelField::kCurrentTrack:
      return r.IsAc3Selected() ? kAc3Track : r.GetAudioSelected();
    case ChannelField::kAc3Pid:
      return r.GetAc3Pid();
    case ChannelField::kAc3Language:
      return r.GetAc3Language();
    default:
      return 0;
  }
}

void WriteChannelField(ChannelRecord& r, ChannelField field, int value) {
  const int f = static_cast<int>(field);
  const auto word = static_cast<uint32_t>(value);
  const auto u16 = static_cast<uint16_t>(value);
  if (FavoriteGroupOf(field) >= 0) return;
  if (f >= static_cast<int>(ChannelField::kTrackLanguage1)) {
    r.SetAudioLanguage(f - static_cast<int>(ChannelField::kTrackLanguage1), word);
    return;
  }
  if (f >= static_cast<int>(ChannelField::kTrackPid1)) {
    r.SetAudioPid(f - static_cast<int>(ChannelField::kTrackPid1), u16);
    return;
  }
  switch (field) {
    case ChannelField::kLocked:
      r.SetLocked(value != 0);
      break;
    case ChannelField::kScrambled:
      r.SetScrambled(value != 0);
      break;
    case ChannelField::kSkipped:
      r.SetSkipped(value != 0);
      break;
    case ChannelField::kCas:
      r.SetCas(word);
      break;
    case ChannelField::kSubtitle:
      r.SetSubtitle(word);
      break;
    case ChannelField::kVideoPid:
      r.SetVideoPid(u16);
      break;
    case ChannelField::kPcrPid:
      r.SetPcrPid(u16);
      break;
    case ChannelField::kTeletextPid:
      r.SetTeletextPid(u16);
      break;
    case ChannelField::kPmtPid:
      r.SetPmtPid(u16);
      break;
    case ChannelField::kProgramId:
      r.SetProgramId(u16);
      break;
    case ChannelField::kEcmPid:
      r.SetEcmPid(u16);
      break;
    case ChannelField::kAudioMode:
      r.SetAudioMode(word);
      break;
    case ChannelField::kAudioCount:
      r.SetAudioCount(word);
      break;
    case ChannelField::kCurrentTrack:
      // The AC3 flag overrides the selected track, which then keeps its bits.
      r.SetAc3Selected(value == kAc3Track);
      if (value != kAc3Track) r.SetAudioSelected(word);
      break;
    case ChannelField::kAc3Pid:
      r.SetAc3Pid(u16);
      break;
    case ChannelField::kAc3Language:
      r.SetAc3Language(word);
      break;
    default:
      break;
  }
}

}  // namespace vq
