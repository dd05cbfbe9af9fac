#pragma once
// View over one stored 76-byte channel record: name, the packed channel word
// (flags, audio, subtitle, AC3, CAS), audio track languages and PIDs, the
// other PIDs, numbers, links to satellite and transponder, favourite places,
// type and ECM PID. A record whose first four bytes are 0xFF is a free slot.
// Setters mask values to their field width; all other bits are kept.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/byte_io.h"
#include "image/image_layout.h"

namespace vq {

class ChannelRecord {
 public:
  static constexpr size_t kSize = kChannelRecordSize;  // 76
  static constexpr size_t kNameWidth = 20;
  static constexpr int kAudioTrackCount = 6;
  static constexpr int kFavoriteGroups = kFavoriteGroupCount;
  // A member's favourite place byte is kFavoritePlaceBase + its index, so a
  // group holds as many members as that byte has places left.
  static constexpr int kFavoritePlaceBase = 128;
  static constexpr int kFavoriteGroupCapacity = 256 - kFavoritePlaceBase;
  static constexpr uint16_t kNoNumber = 0xFFFF;

  explicit ChannelRecord(uint8_t* bytes) : bytes_(bytes) {}
  uint8_t* Bytes() const { return bytes_; }

  // The accessors called in loops over all channels are defined here, so
  // that they inline there.
  bool IsFree() const { return ReadU32LE(bytes_) == 0xFFFFFFFFu; }
  // Sets all 76 bytes to 0xFF.
  void Clear();
  // Writes the values of a new channel over the present bytes; the name tail
  // and bits 30..31 of the language word keep what they hold.
  void SetDefaults();

  std::string GetName() const;
  // A name that starts with four 0xFF bytes is stored with '?' first: the
  // name is the record's in-use marker and must not mark it free.
  void SetName(std::string_view name);

  // 0 TV, 1 radio, 2 data (byte 72).
  uint8_t GetType() const { return bytes_[kTypeOffset]; }
  void SetType(uint8_t type);
  std::string_view GetTypeText() const;

  uint32_t GetChannelWord() const;
  void SetChannelWord(uint32_t word);

  bool IsLocked() const;
  void SetLocked(bool value);
  bool IsSkipped() const;
  void SetSkipped(bool value);
  bool IsScrambled() const;
  void SetScrambled(bool value);
  uint8_t GetAudioCount() const;       // 1..6
  void SetAudioCount(uint32_t count);
  uint8_t GetAudioSelected() const;    // 0..5
  void SetAudioSelected(uint32_t track);
  uint8_t GetAudioMode() const;        // 0 Stereo, 1 Left, 2 Right, 3 Mono
  void SetAudioMode(uint32_t mode);
  std::string_view GetAudioModeText() const;
  uint8_t GetSubtitle() const;         // 0..255
  void SetSubtitle(uint32_t index);
  uint8_t GetAc3Language() const;      // language table index
  void SetAc3Language(uint32_t language);
  std::string_view GetAc3LanguageText() const;
  // When set, the AC3 track is the current audio and the selected track
  // field is not used.
  bool IsAc3Selected() const;
  void SetAc3Selected(bool value);
  bool GetReservedFlag() const;
  void SetReservedFlag(bool value);
  uint8_t GetCas() const;              // CAS table index, 0 "Free"
  void SetCas(uint32_t cas);
  std::string_view GetCasText() const;

  // Audio tracks i = 0..5. Bad i: PID 0, language 31; setters do nothing.
  uint32_t GetLanguageWord() const;
  void SetLanguageWord(uint32_t word);
  uint16_t GetAudioPid(int i) const;
  void SetAudioPid(int i, uint16_t pid);
  uint8_t GetAudioLanguage(int i) const;
  void SetAudioLanguage(int i, uint32_t language);
  std::string_view GetAudioLanguageText(int i) const;

  uint16_t GetVideoPid() const;
  void SetVideoPid(uint16_t pid);
  uint16_t GetPcrPid() const;
  void SetPcrPid(uint16_t pid);
  uint16_t GetTeletextPid() const;
  void SetTeletextPid(uint16_t pid);
  uint16_t GetAc3Pid() const;
  void SetAc3Pid(uint16_t pid);
  uint16_t GetPmtPid() const;
  void SetPmtPid(uint16_t pid);
  uint16_t GetProgramId() const;
  void SetProgramId(uint16_t id);
  uint16_t GetEcmPid() const;
  void SetEcmPid(uint16_t pid);

  // Channel number with the type offset (radio 16384 + n, data 32768 + n).
  uint16_t GetChannelNumber() const { return ReadU16LE(bytes_ + kChannelNumberOffset); }
  void SetChannelNumber(uint16_t number);
  // Place in the free or the scrambled list of its type, with the offset.
  uint16_t GetFreeNumber() const;
  void SetFreeNumber(uint16_t number);

  // Satellite link: bits 0..12 place in the satellite, 15..27 satellite key,
  // 30..31 channel type. The position setters write bits 0..12 only.
  uint32_t GetSatelliteLink() const;
  void SetSatelliteLink(uint32_t word);
  uint16_t GetSatellitePosition() const;
  void SetSatellitePosition(uint16_t position);
  uint16_t GetSatelliteKey() const;
  // Transponder link: the same layout with the transponder key.
  uint32_t GetTransponderLink() const;
  void SetTransponderLink(uint32_t word);
  uint16_t GetTransponderPosition() const;
  void SetTransponderPosition(uint16_t position);
  uint16_t GetTransponderKey() const;

  // Favourite place in group g = 0..7: 0 none, kFavoritePlaceBase + k for
  // the member at index k.
  // Bad g: 0, setter does nothing.
  uint8_t GetFavoritePlace(int group) const {
    if (group < 0 || group >= kFavoriteGroups) return 0;
    return bytes_[kFavoriteOffset + static_cast<size_t>(group)];
  }
  void SetFavoritePlace(int group, uint8_t place);
  bool IsFavorite() const;

  uint8_t GetReservedByte() const;
  void SetReservedByte(uint8_t value);

 private:
  static constexpr size_t kChannelNumberOffset = 52;
  static constexpr size_t kFavoriteOffset = 64;
  static constexpr size_t kTypeOffset = 72;

  uint32_t Bits(unsigned shift, unsigned width) const;
  void PutBits(unsigned shift, unsigned width, uint32_t value);

  uint8_t* bytes_;
};

}  // namespace vq
