#pragma once
// View over one stored 36-byte transponder record: network name, frequency,
// symbol rate, the packed transponder word (polarisation, FEC, FTA only, ECM
// channel ID), identifiers, link word and transponder number. A record whose
// first four bytes are 0xFF is a free slot. Bits 5 and 31 of the transponder
// word are carried unchanged.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "image/image_layout.h"

namespace vq {

class TransponderRecord {
 public:
  static constexpr size_t kSize = kTransponderRecordSize;  // 36
  static constexpr size_t kNameWidth = 14;
  static constexpr uint16_t kNoNumber = 0xFFFF;

  explicit TransponderRecord(uint8_t* bytes) : bytes_(bytes) {}
  uint8_t* Bytes() const { return bytes_; }

  bool IsFree() const;
  // Sets all 36 bytes to 0xFF.
  void Clear();
  // Writes the values of a new transponder over the present bytes; bytes
  // without a default (name tail, word bits 5 and 31) keep what they hold.
  void SetDefaults();

  std::string GetName() const;
  // A name that starts with four 0xFF bytes is stored with '?' first: the
  // name is the record's in-use marker and must not mark it free.
  void SetName(std::string_view name);

  uint16_t GetFrequency() const;
  void SetFrequency(uint16_t mhz);
  uint16_t GetSymbolRate() const;
  void SetSymbolRate(uint16_t ksps);
  std::string GetSymbolRateText() const;  // "%d Kb/s"

  uint32_t GetTransponderWord() const;
  void SetTransponderWord(uint32_t word);

  // 0 Auto, 1 Horizontal, 2 Vertical (2 bits stored).
  uint8_t GetPolarization() const;
  void SetPolarization(uint32_t value);
  std::string_view GetPolarizationText() const;
  std::string_view GetPolarizationShortText() const;
  // 0 "1/2" .. 4 "7/8", 5 "Auto" (3 bits stored).
  uint8_t GetFec() const;
  void SetFec(uint32_t value);
  std::string_view GetFecText() const;
  bool IsFtaOnly() const;
  void SetFtaOnly(bool value);
  std::string_view GetFtaOnlyText() const;  // "Yes" / "No"
  // 24-bit ECM channel ID in bits 7..30.
  uint32_t GetEcmChannelId() const;
  void SetEcmChannelId(uint32_t id);

  uint16_t GetTpId() const;
  void SetTpId(uint16_t id);
  uint16_t GetNetworkId() const;
  void SetNetworkId(uint16_t id);
  uint16_t GetEcmCasId() const;
  void SetEcmCasId(uint16_t id);

  // Link word: bits 0..12 position inside the satellite, 15..27 satellite key.
  uint32_t GetLinkWord() const;
  void SetLinkWord(uint32_t word);
  uint16_t GetPosition() const;
  void SetPosition(uint16_t position);  // bits 0..12 only
  uint16_t GetSatelliteKey() const;
  void SetSatelliteKey(uint16_t key);   // bits 15..27 only

  // Place in the list of all transponders.
  uint16_t GetNumber() const;
  void SetNumber(uint16_t number);

 private:
  uint32_t Bits(unsigned shift, unsigned width) const;
  void PutBits(unsigned shift, unsigned width, uint32_t value);

  uint8_t* bytes_;
};

}  // namespace vq
