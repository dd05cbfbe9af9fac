#include "database/transponder_record.h"

#include <cstdio>
#include <cstring>

#include "common/byte_io.h"
#include "common/fixed_text.h"
#include "database/link_word.h"
#include "database/lookup_tables.h"

namespace vq {

namespace {

constexpr size_t kNameOffset = 0;
constexpr size_t kFrequencyOffset = 16;
constexpr size_t kSymbolRateOffset = 18;
constexpr size_t kWordOffset = 20;
constexpr size_t kTpIdOffset = 24;
constexpr size_t kNetworkIdOffset = 26;
constexpr size_t kLinkOffset = 28;
constexpr size_t kNumberOffset = 32;
constexpr size_t kEcmCasIdOffset = 34;

// Transponder word bit fields: shift, width. Bits 5 and 31 are not ours.
constexpr unsigned kPolarizationShift = 0, kPolarizationWidth = 2;
constexpr unsigned kFecShift = 2, kFecWidth = 3;
constexpr unsigned kFtaShift = 6, kFtaWidth = 1;
constexpr unsigned kEcmChannelShift = 7, kEcmChannelWidth = 24;

}  // namespace

bool TransponderRecord::IsFree() const { return ReadU32LE(bytes_) == 0xFFFFFFFFu; }

void TransponderRecord::Clear() { std::memset(bytes_, 0xFF, kSize); }

void TransponderRecord::SetDefaults() {
  SetName("New Network");
  SetFrequency(11000);
  SetSymbolRate(27500);
  SetPolarization(1);
  SetFec(5);
  SetFtaOnly(false);
  SetEcmChannelId(0);
  SetTpId(0);
  SetNetworkId(0);
  SetLinkWord(0);
  SetNumber(kNoNumber);
  SetEcmCasId(0);
}

std::string TransponderRecord::GetName() const {
  return ReadFixedText(bytes_ + kNameOffset, kNameWidth);
}
void TransponderRecord::SetName(std::string_view name) {
  WriteSlotName(bytes_ + kNameOffset, kNameWidth, name);
}

uint16_t TransponderRecord::GetFrequency() const { return ReadU16LE(bytes_ + kFrequencyOffset); }
void TransponderRecord::SetFrequency(uint16_t mhz) { WriteU16LE(bytes_ + kFrequencyOffset, mhz); }
uint16_t TransponderRecord::GetSymbolRate() const { return ReadU16LE(bytes_ + kSymbolRateOffset); }
void TransponderRecord::SetSymbolRate(uint16_t ksps) { WriteU16LE(bytes_ + kSymbolRateOffset, ksps); }

std::string TransponderRecord::GetSymbolRateText() const {
  char text[24];
  std::snprintf(text, sizeof text, "%d Kb/s", GetSymbolRate());
  return text;
}

uint32_t TransponderRecord::GetTransponderWord() const { return ReadU32LE(bytes_ + kWordOffset); }
void TransponderRecord::SetTransponderWord(uint32_t word) { WriteU32LE(bytes_ + kWordOffset, word); }

uint32_t TransponderRecord::Bits(unsigned shift, unsigned width) const {
  return GetBits(GetTransponderWord(), shift, width);
}
void TransponderRecord::PutBits(unsigned shift, unsigned width, uint32_t value) {
  SetTransponderWord(SetBits(GetTransponderWord(), shift, width, value));
}

uint8_t TransponderRecord::GetPolarization() const {
  return static_cast<uint8_t>(Bits(kPolarizationShift, kPolarizationWidth));
}
void TransponderRecord::SetPolarization(uint32_t value) {
  PutBits(kPolarizationShift, kPolarizationWidth, value);
}
std::string_view TransponderRecord::GetPolarizationText() const {
  return PolarizationText(GetPolarization());
}
std::string_view TransponderRecord::GetPolarizationShortText() const {
  return PolarizationShortText(GetPolarization());
}

uint8_t TransponderRecord::GetFec() const { return static_cast<uint8_t>(Bits(kFecShift, kFecWidth)); }
void TransponderRecord::SetFec(uint32_t value) { PutBits(kFecShift, kFecWidth, value); }
std::string_view TransponderRecord::GetFecText() const { return FecText(GetFec()); }

bool TransponderRecord::IsFtaOnly() const { return Bits(kFtaShift, kFtaWidth) != 0; }
void TransponderRecord::SetFtaOnly(bool value) { PutBits(kFtaShift, kFtaWidth, value ? 1 : 0); }
std::string_view TransponderRecord::GetFtaOnlyText() const { return YesNoText(IsFtaOnly()); }

uint32_t TransponderRecord::GetEcmChannelId() const {
  return Bits(kEcmChannelShift, kEcmChannelWidth);
}
void TransponderRecord::SetEcmChannelId(uint32_t id) {
  PutBits(kEcmChannelShift, kEcmChannelWidth, id);
}

uint16_t TransponderRecord::GetTpId() const { return ReadU16LE(bytes_ + kTpIdOffset); }
void TransponderRecord::SetTpId(uint16_t id) { WriteU16LE(bytes_ + kTpIdOffset, id); }
uint16_t TransponderRecord::GetNetworkId() const { return ReadU16LE(bytes_ + kNetworkIdOffset); }
void TransponderRecord::SetNetworkId(uint16_t id) { WriteU16LE(bytes_ + kNetworkIdOffset, id); }
uint16_t TransponderRecord::GetEcmCasId() const { return ReadU16LE(bytes_ + kEcmCasIdOffset); }
void TransponderRecord::SetEcmCasId(uint16_t id) { WriteU16LE(bytes_ + kEcmCasIdOffset, id); }

uint32_t TransponderRecord::GetLinkWord() const { return ReadU32LE(bytes_ + kLinkOffset); }
void TransponderRecord::SetLinkWord(uint32_t word) { WriteU32LE(bytes_ + kLinkOffset, word); }
uint16_t TransponderRecord::GetPosition() const { return LinkPosition(GetLinkWord()); }
void TransponderRecord::SetPosition(uint16_t position) {
  SetLinkWord(WithLinkPosition(GetLinkWord(), position));
}
uint16_t TransponderRecord::GetSatelliteKey() const { return LinkKey(GetLinkWord()); }
void TransponderRecord::SetSatelliteKey(uint16_t key) { SetLinkWord(WithLinkKey(GetLinkWord(), key)); }

uint16_t TransponderRecord::GetNumber() const { return ReadU16LE(bytes_ + kNumberOffset); }
void TransponderRecord::SetNumber(uint16_t number) { WriteU16LE(bytes_ + kNumberOffset, number); }

}  // namespace vq
