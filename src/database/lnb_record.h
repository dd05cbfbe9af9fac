#pragma once
// View over one stored 32-byte LNB record: the antenna set-up of a satellite
// (LNB type and oscillators, 22 kHz, 12 V, DiSEqC switch and port, tone burst,
// motor type). Bits of the LNB word not named here are carried unchanged.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "image/image_layout.h"

namespace vq {

class LnbRecord {
 public:
  static constexpr size_t kSize = kLnbRecordSize;  // 32
  static constexpr size_t kNameWidth = 14;         // satellite name, in a 16-byte field

  explicit LnbRecord(uint8_t* bytes) : bytes_(bytes) {}
  uint8_t* Bytes() const { return bytes_; }

  // Fills the record with 0xFF, then the reset values of LNB `index`.
  void ResetDefaults(int index);

  std::string GetName() const;
  void SetName(std::string_view name);

  // The satellite number this record belongs to.
  uint16_t GetSatelliteNumber() const;
  void SetSatelliteNumber(uint16_t number);

  uint32_t GetLinkWord() const;
  void SetLinkWord(uint32_t word);

  uint32_t GetLnbWord() const;
  void SetLnbWord(uint32_t word);

  // 0 single, 1 universal.
  uint8_t GetType() const;
  void SetType(uint32_t type);
  std::string_view GetTypeText() const;       // "Single" / "Universal"
  std::string_view GetTypeShortText() const;  // "S" / "U"

  uint16_t GetHighOscillator() const;
  void SetHighOscillator(uint16_t mhz);
  uint16_t GetLowOscillator() const;
  void SetLowOscillator(uint16_t mhz);

  bool Is22kHz() const;
  void Set22kHz(bool on);
  // Any non-zero value of the 2-bit field counts as on; the setter writes 0/1.
  bool Is12V() const;
  void Set12V(bool on);

  // DiSEqC switch type 0..10 (4 bits stored).
  uint8_t GetSwitchType() const;
  void SetSwitchType(uint32_t type);
  std::string_view GetSwitchTypeText() const;
  // Switch port 1..16, stored as port - 1; a port outside 1..16 is ignored.
  int GetSwitchPort() const;
  void SetSwitchPort(int port);

  // 0 off, 1 satellite A, 2 satellite B.
  uint8_t GetToneBurst() const;
  void SetToneBurst(uint32_t value);
  std::string_view GetToneBurstText() const;

  // 0 off, 1 DiSEqC 1.2, 2 USALS.
  uint8_t GetMotorType() const;
  void SetMotorType(uint32_t value);
  std::string_view GetMotorTypeText() const;

  // True when an oscillator in use (low then high for a universal LNB, the
  // high one for a single LNB) can receive `frequencyMHz`.
  bool IsFrequencyInLnbRange(int frequencyMHz) const;

 private:
  uint32_t Bits(unsigned shift, unsigned width) const;
  void PutBits(unsigned shift, unsigned width, uint32_t value);

  uint8_t* bytes_;
};

// True when oscillator `oscillatorMHz` maps `frequencyMHz` into the tuner's
// 950..2150 MHz band (above the signal for C band, below it for Ku band).
bool OscillatorAccepts(int oscillatorMHz, int frequencyMHz);

}  // namespace vq
