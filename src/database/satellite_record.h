#pragma once
// View over one stored 128-byte satellite record: name, motor position index,
// number, link word, orbital position and three predefined test channels.
// The view does not own the bytes; every accessor works in place.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "database/predefined_layout.h"
#include "image/image_layout.h"

namespace vq {

class SatelliteRecord {
 public:
  static constexpr size_t kSize = kSatelliteRecordSize;  // 128
  static constexpr size_t kNameWidth = 14;
  static constexpr int kPredefinedCount = 3;
  static constexpr size_t kPredefinedNameWidth = predefined::kNameWidth;

  explicit SatelliteRecord(uint8_t* bytes) : bytes_(bytes) {}
  uint8_t* Bytes() const { return bytes_; }

  // Fills the record with 0xFF, then the reset values of satellite `index`.
  void ResetDefaults(int index);

  // Name, at most 14 characters (the LNB name is the caller's business).
  std::string GetName() const;
  void SetName(std::string_view name);

  // Motor position index: 1..254 stored position, 0 and 255 none.
  uint8_t GetMotorIndex() const;
  void SetMotorIndex(uint8_t index);

  uint16_t GetNumber() const;
  void SetNumber(uint16_t number);

  uint32_t GetLinkWord() const;
  void SetLinkWord(uint32_t word);

  // Orbital position in tenths of a degree, east positive.
  int16_t GetPosition() const;
  void SetPosition(int16_t tenths);
  std::string GetPositionText() const;        // "19.2E", "5.0W"
  bool SetPositionText(std::string_view text);  // false leaves it unchanged
  std::string_view GetEastWestText() const;     // "East" / "West"
  std::string_view GetEastWestShortText() const;  // "E" / "W"

  // Predefined channel k = 0..2. Bad k: getters give 0 / "", setters do nothing.
  uint16_t GetPredefinedFrequency(int k) const;
  void SetPredefinedFrequency(int k, uint16_t mhz);
  uint16_t GetPredefinedSymbolRate(int k) const;
  void SetPredefinedSymbolRate(int k, uint16_t ksps);
  uint16_t GetPredefinedPolarization(int k) const;  // 0 Auto, 1 H, 2 V
  void SetPredefinedPolarization(int k, uint16_t value);
  std::string_view GetPredefinedPolarizationText(int k) const;
  std::string_view GetPredefinedPolarizationShortText(int k) const;
  uint16_t GetPredefinedVideoPid(int k) const;
  void SetPredefinedVideoPid(int k, uint16_t pid);
  uint16_t GetPredefinedAudioPid(int k) const;
  void SetPredefinedAudioPid(int k, uint16_t pid);
  uint16_t GetPredefinedPcrPid(int k) const;
  void SetPredefinedPcrPid(int k, uint16_t pid);
  std::string GetPredefinedName(int k) const;
  void SetPredefinedName(int k, std::string_view name);

 private:
  // Start of predefined channel k, or nullptr when k is out of range.
  uint8_t* Predefined(int k) const;
  uint16_t ReadPredefined(int k, size_t offset) const;
  void WritePredefined(int k, size_t offset, uint16_t value);

  uint8_t* bytes_;
};

}  // namespace vq
