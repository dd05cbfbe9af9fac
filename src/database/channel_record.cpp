#include "database/channel_record.h"

#include <cstring>

#include "common/byte_io.h"
#include "common/fixed_text.h"
#include "database/link_word.h"
#include "database/lookup_tables.h"

namespace vq {

namespace {

constexpr size_t kNameOffset = 0;
constexpr size_t kWordOffset = 20;
constexpr size_t kLanguageWordOffset = 24;
constexpr size_t kAudioPidOffset = 28;
constexpr size_t kVideoPidOffset = 40;
constexpr size_t kPcrPidOffset = 42;
constexpr size_t kTeletextPidOffset = 44;
constexpr size_t kAc3PidOffset = 46;
constexpr size_t kPmtPidOffset = 48;
constexpr size_t kProgramIdOffset = 50;
constexpr size_t kFreeNumberOffset = 54;
constexpr size_t kSatelliteLinkOffset = 56;
constexpr size_t kTransponderLinkOffset = 60;
constexpr size_t kReservedByteOffset = 73;
constexpr size_t kEcmPidOffset = 74;

// Channel word bit fields: shift, width.
constexpr unsigned kLockedShift = 0;
constexpr unsigned kSkippedShift = 1;
constexpr unsigned kScrambledShift = 2;
constexpr unsigned kAudioCountShift = 3, kAudioCountWidth = 3;
constexpr unsigned kAudioSelectedShift = 6, kAudioSelectedWidth = 3;
constexpr unsigned kAudioModeShift = 9, kAudioModeWidth = 2;
constexpr unsigned kSubtitleShift = 11, kSubtitleWidth = 8;
constexpr unsigned kAc3LanguageShift = 19, kAc3LanguageWidth = 5;
constexpr unsigned kAc3SelectedShift = 24;
constexpr unsigned kReservedFlagShift = 25;
constexpr unsigned kCasShift = 26, kCasWidth = 6;

// Audio track languages: six 5-bit fields from bit 0.
constexpr unsigned kLanguageWidth = 5;

bool ValidTrack(int i) { return i >= 0 && i < ChannelRecord::kAudioTrackCount; }

}  // namespace


void ChannelRecord::Clear() { std::memset(bytes_, 0xFF, kSize); }

void ChannelRecord::SetDefaults() {
  SetName("New Channel");
  SetLocked(false);
  SetSkipped(false);
  SetScrambled(false);
  SetAudioCount(1);
  SetAudioSelected(0);
  SetAudioMode(0);
  SetSubtitle(0);
  SetAc3Language(0);
  SetAc3Selected(false);
  SetReservedFlag(false);
  SetCas(0);
  for (int i = 0; i < kAudioTrackCount; ++i) {
    SetAudioPid(i, 0);
    SetAudioLanguage(i, kLanguageUnknown);
  }
  SetVideoPid(0);
  SetPcrPid(0);
  SetTeletextPid(0);
  SetAc3Pid(0);
  SetPmtPid(0);
  SetProgramId(0);
  SetType(0);
  SetReservedByte(0);
  SetEcmPid(0);
  SetChannelNumber(kNoNumber);
  SetFreeNumber(kNoNumber);
  SetSatelliteLink(0);
  SetTransponderLink(0);
  for (int g = 0; g < kFavoriteGroups; ++g) SetFavoritePlace(g, 0);
}

std::string ChannelRecord::GetName() const { return ReadFixedText(bytes_ + kNameOffset, kNameWidth); }
void ChannelRecord::SetName(std::string_view name) {
  WriteSlotName(bytes_ + kNameOffset, kNameWidth, name);
}

void ChannelRecord::SetType(uint8_t type) { bytes_[kTypeOffset] = type; }
std::string_view ChannelRecord::GetTypeText() const { return ChannelTypeText(GetType()); }

uint32_t ChannelRecord::GetChannelWord() const { return ReadU32LE(bytes_ + kWordOffset); }
void ChannelRecord::SetChannelWord(uint32_t word) { WriteU32LE(bytes_ + kWordOffset, word); }

uint32_t ChannelRecord::Bits(unsigned shift, unsigned width) const {
  return GetBits(GetChannelWord(), shift, width);
}
void ChannelRecord::PutBits(unsigned shift, unsigned width, uint32_t value) {
  SetChannelWord(SetBits(GetChannelWord(), shift, width, value));
}

bool ChannelRecord::IsLocked() const { return Bits(kLockedShift, 1) != 0; }
void ChannelRecord::SetLocked(bool value) { PutBits(kLockedShift, 1, value ? 1 : 0); }
bool ChannelRecord::IsSkipped() const { return Bits(kSkippedShift, 1) != 0; }
void ChannelRecord::SetSkipped(bool value) { PutBits(kSkippedShift, 1, value ? 1 : 0); }
bool ChannelRecord::IsScrambled() const { return Bits(kScrambledShift, 1) != 0; }
void ChannelRecord::SetScrambled(bool value) { PutBits(kScrambledShift, 1, value ? 1 : 0); }

uint8_t ChannelRecord::GetAudioCount() const {
  return static_cast<uint8_t>(Bits(kAudioCountShift, kAudioCountWidth));
}
void ChannelRecord::SetAudioCount(uint32_t count) { PutBits(kAudioCountShift, kAudioCountWidth, count); }
uint8_t ChannelRecord::GetAudioSelected() const {
  return static_cast<uint8_t>(Bits(kAudioSelectedShift, kAudioSelectedWidth));
}
void ChannelRecord::SetAudioSelected(uint32_t track) {
  PutBits(kAudioSelectedShift, kAudioSelectedWidth, track);
}
uint8_t ChannelRecord::GetAudioMode() const {
  return static_cast<uint8_t>(Bits(kAudioModeShift, kAudioModeWidth));
}
void ChannelRecord::SetAudioMode(uint32_t mode) { PutBits(kAudioModeShift, kAudioModeWidth, mode); }
std::string_view ChannelRecord::GetAudioModeText() const { return AudioModeText(GetAudioMode()); }
uint8_t ChannelRecord::GetSubtitle() const {
  return static_cast<uint8_t>(Bits(kSubtitleShift, kSubtitleWidth));
}
void ChannelRecord::SetSubtitle(uint32_t index) { PutBits(kSubtitleShift, kSubtitleWidth, index); }
uint8_t ChannelRecord::GetAc3Language() const {
  return static_cast<uint8_t>(Bits(kAc3LanguageShift, kAc3LanguageWidth));
}
void ChannelRecord::SetAc3Language(uint32_t language) {
  PutBits(kAc3LanguageShift, kAc3LanguageWidth, language);
}
std::string_view ChannelRecord::GetAc3LanguageText() const { return LanguageText(GetAc3Language()); }
bool ChannelRecord::IsAc3Selected() const { return Bits(kAc3SelectedShift, 1) != 0; }
void ChannelRecord::SetAc3Selected(bool value) { PutBits(kAc3SelectedShift, 1, value ? 1 : 0); }
bool ChannelRecord::GetReservedFlag() const { return Bits(kReservedFlagShift, 1) != 0; }
void ChannelRecord::SetReservedFlag(bool value) { PutBits(kReservedFlagShift, 1, value ? 1 : 0); }
uint8_t ChannelRecord::GetCas() const { return static_cast<uint8_t>(Bits(kCasShift, kCasWidth)); }
void ChannelRecord::SetCas(uint32_t cas) { PutBits(kCasShift, kCasWidth, cas); }
std::string_view ChannelRecord::GetCasText() const { return CasText(GetCas()); }

uint32_t ChannelRecord::GetLanguageWord() const { return ReadU32LE(bytes_ + kLanguageWordOffset); }
void ChannelRecord::SetLanguageWord(uint32_t word) { WriteU32LE(bytes_ + kLanguageWordOffset, word); }

uint16_t ChannelRecord::GetAudioPid(int i) const {
  return ValidTrack(i) ? ReadU16LE(bytes_ + kAudioPidOffset + 2 * static_cast<size_t>(i)) : 0;
}
void ChannelRecord::SetAudioPid(int i, uint16_t pid) {
  if (ValidTrack(i)) WriteU16LE(bytes_ + kAudioPidOffset + 2 * static_cast<size_t>(i), pid);
}

uint8_t ChannelRecord::GetAudioLanguage(int i) const {
  if (!ValidTrack(i)) return kLanguageUnknown;
  return static_cast<uint8_t>(
      GetBits(GetLanguageWord(), kLanguageWidth * static_cast<unsigned>(i), kLanguageWidth));
}
void ChannelRecord::SetAudioLanguage(int i, uint32_t language) {
  if (!ValidTrack(i)) return;
  SetLanguageWord(SetBits(GetLanguageWord(), kLanguageWidth * static_cast<unsigned>(i),
                          kLanguageWidth, language));
}
std::string_view ChannelRecord::GetAudioLanguageText(int i) const {
  return LanguageText(GetAudioLanguage(i));
}

uint16_t ChannelRecord::GetVideoPid() const { return ReadU16LE(bytes_ + kVideoPidOffset); }
void ChannelRecord::SetVideoPid(uint16_t pid) { WriteU16LE(bytes_ + kVideoPidOffset, pid); }
uint16_t ChannelRecord::GetPcrPid() const { return ReadU16LE(bytes_ + kPcrPidOffset); }
void ChannelRecord::SetPcrPid(uint16_t pid) { WriteU16LE(bytes_ + kPcrPidOffset, pid); }
uint16_t ChannelRecord::GetTeletextPid() const { return ReadU16LE(bytes_ + kTeletextPidOffset); }
void ChannelRecord::SetTeletextPid(uint16_t pid) { WriteU16LE(bytes_ + kTeletextPidOffset, pid); }
uint16_t ChannelRecord::GetAc3Pid() const { return ReadU16LE(bytes_ + kAc3PidOffset); }
void ChannelRecord::SetAc3Pid(uint16_t pid) { WriteU16LE(bytes_ + kAc3PidOffset, pid); }
uint16_t ChannelRecord::GetPmtPid() const { return ReadU16LE(bytes_ + kPmtPidOffset); }
void ChannelRecord::SetPmtPid(uint16_t pid) { WriteU16LE(bytes_ + kPmtPidOffset, pid); }
uint16_t ChannelRecord::GetProgramId() const { return ReadU16LE(bytes_ + kProgramIdOffset); }
void ChannelRecord::SetProgramId(uint16_t id) { WriteU16LE(bytes_ + kProgramIdOffset, id); }
uint16_t ChannelRecord::GetEcmPid() const { return ReadU16LE(bytes_ + kEcmPidOffset); }
void ChannelRecord::SetEcmPid(uint16_t pid) { WriteU16LE(bytes_ + kEcmPidOffset, pid); }

void ChannelRecord::SetChannelNumber(uint16_t number) {
  WriteU16LE(bytes_ + kChannelNumberOffset, number);
}
uint16_t ChannelRecord::GetFreeNumber() const { return ReadU16LE(bytes_ + kFreeNumberOffset); }
void ChannelRecord::SetFreeNumber(uint16_t number) { WriteU16LE(bytes_ + kFreeNumberOffset, number); }

uint32_t ChannelRecord::GetSatelliteLink() const { return ReadU32LE(bytes_ + kSatelliteLinkOffset); }
void ChannelRecord::SetSatelliteLink(uint32_t word) { WriteU32LE(bytes_ + kSatelliteLinkOffset, word); }
uint16_t ChannelRecord::GetSatellitePosition() const { return LinkPosition(GetSatelliteLink()); }
void ChannelRecord::SetSatellitePosition(uint16_t position) {
  SetSatelliteLink(WithLinkPosition(GetSatelliteLink(), position));
}
uint16_t ChannelRecord::GetSatelliteKey() const { return LinkKey(GetSatelliteLink()); }

uint32_t ChannelRecord::GetTransponderLink() const {
  return ReadU32LE(bytes_ + kTransponderLinkOffset);
}
void ChannelRecord::SetTransponderLink(uint32_t word) {
  WriteU32LE(bytes_ + kTransponderLinkOffset, word);
}
uint16_t ChannelRecord::GetTransponderPosition() const { return LinkPosition(GetTransponderLink()); }
void ChannelRecord::SetTransponderPosition(uint16_t position) {
  SetTransponderLink(WithLinkPosition(GetTransponderLink(), position));
}
uint16_t ChannelRecord::GetTransponderKey() const { return LinkKey(GetTransponderLink()); }

void ChannelRecord::SetFavoritePlace(int group, uint8_t place) {
  if (group < 0 || group >= kFavoriteGroups) return;
  bytes_[kFavoriteOffset + static_cast<size_t>(group)] = place;
}
bool ChannelRecord::IsFavorite() const {
  for (int g = 0; g < kFavoriteGroups; ++g) {
    if (GetFavoritePlace(g) != 0) return true;
  }
  return false;
}

uint8_t ChannelRecord::GetReservedByte() const { return bytes_[kReservedByteOffset]; }
void ChannelRecord::SetReservedByte(uint8_t value) { bytes_[kReservedByteOffset] = value; }

}  // namespace vq
