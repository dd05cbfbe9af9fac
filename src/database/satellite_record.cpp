#include "database/satellite_record.h"

#include <cstdio>
#include <cstring>

#include "common/byte_io.h"
#include "common/fixed_text.h"
#include "database/link_word.h"
#include "database/lookup_tables.h"
#include "database/position_text.h"

namespace vq {

namespace {

constexpr size_t kNameOffset = 0;
constexpr size_t kMotorIndexOffset = 20;
constexpr size_t kNumberOffset = 22;
constexpr size_t kLinkOffset = 24;
constexpr size_t kPositionOffset = 28;
constexpr size_t kPredefinedOffset = 32;

}  // namespace

void SatelliteRecord::ResetDefaults(int index) {
  std::memset(bytes_, 0xFF, kSize);
  char text[24];
  std::snprintf(text, sizeof text, "Satellite%02d", index + 1);
  SetName(text);
  bytes_[kMotorIndexOffset] = 0xFF;
  SetNumber(static_cast<uint16_t>(index));
  // Clear position, key and type bits; bits 13..14 and 28..29 keep the fill.
  uint32_t link = GetLinkWord();
  link = WithLinkPosition(link, 0);
  link = WithLinkKey(link, static_cast<uint32_t>(index));
  link = SetBits(link, 30, 2, 0);
  SetLinkWord(link);
  SetPosition(0);
  for (int k = 0; k < kPredefinedCount; ++k) {
    std::snprintf(text, sizeof text, "PRE_CHAN_%d", k + 1);
    SetPredefinedName(k, text);
    SetPredefinedFrequency(k, 0);
    SetPredefinedSymbolRate(k, 0);
    SetPredefinedPolarization(k, 0);
    SetPredefinedVideoPid(k, 0);
    SetPredefinedAudioPid(k, 0);
    SetPredefinedPcrPid(k, 0);
  }
}

std::string SatelliteRecord::GetName() const { return ReadFixedText(bytes_ + kNameOffset, kNameWidth); }
void SatelliteRecord::SetName(std::string_view name) {
  WriteFixedText(bytes_ + kNameOffset, kNameWidth, name);
}

uint8_t SatelliteRecord::GetMotorIndex() const { return bytes_[kMotorIndexOffset]; }
void SatelliteRecord::SetMotorIndex(uint8_t index) { bytes_[kMotorIndexOffset] = index; }

uint16_t SatelliteRecord::GetNumber() const { return ReadU16LE(bytes_ + kNumberOffset); }
void SatelliteRecord::SetNumber(uint16_t number) { WriteU16LE(bytes_ + kNumberOffset, number); }

uint32_t SatelliteRecord::GetLinkWord() const { return ReadU32LE(bytes_ + kLinkOffset); }
void SatelliteRecord::SetLinkWord(uint32_t word) { WriteU32LE(bytes_ + kLinkOffset, word); }

int16_t SatelliteRecord::GetPosition() const {
  return static_cast<int16_t>(ReadU16LE(bytes_ + kPositionOffset));
}
void SatelliteRecord::SetPosition(int16_t tenths) {
  WriteU16LE(bytes_ + kPositionOffset, static_cast<uint16_t>(tenths));
}

std::string SatelliteRecord::GetPositionText() const { return EastWestPositionText(GetPosition()); }

bool SatelliteRecord::SetPositionText(std::string_view text) {
  int16_t position = 0;
  if (!ParsePositionText(text, 'E', 'W', position)) return false;
  SetPosition(position);
  return true;
}

std::string_view SatelliteRecord::GetEastWestText() const { return EastWestText(GetPosition()); }
std::string_view SatelliteRecord::GetEastWestShortText() const {
  return EastWestShortText(GetPosition());
}

uint8_t* SatelliteRecord::Predefined(int k) const {
  if (k < 0 || k >= kPredefinedCount) return nullptr;
  return bytes_ + kPredefinedOffset + static_cast<size_t>(k) * predefined::kSize;
}

uint16_t SatelliteRecord::ReadPredefined(int k, size_t offset) const {
  const uint8_t* channel = Predefined(k);
  return channel ? ReadU16LE(channel + offset) : 0;
}

void SatelliteRecord::WritePredefined(int k, size_t offset, uint16_t value) {
  if (uint8_t* channel = Predefined(k)) WriteU16LE(channel + offset, value);
}

uint16_t SatelliteRecord::GetPredefinedFrequency(int k) const {
  return ReadPredefined(k, predefined::kFrequency);
}
void SatelliteRecord::SetPredefinedFrequency(int k, uint16_t mhz) {
  WritePredefined(k, predefined::kFrequency, mhz);
}
uint16_t SatelliteRecord::GetPredefinedSymbolRate(int k) const {
  return ReadPredefined(k, predefined::kSymbolRate);
}
void SatelliteRecord::SetPredefinedSymbolRate(int k, uint16_t ksps) {
  WritePredefined(k, predefined::kSymbolRate, ksps);
}
uint16_t SatelliteRecord::GetPredefinedPolarization(int k) const {
  return ReadPredefined(k, predefined::kPolarization);
}
void SatelliteRecord::SetPredefinedPolarization(int k, uint16_t value) {
  WritePredefined(k, predefined::kPolarization, value);
}
std::string_view SatelliteRecord::GetPredefinedPolarizationText(int k) const {
  return Predefined(k) ? PolarizationText(GetPredefinedPolarization(k)) : std::string_view();
}
std::string_view SatelliteRecord::GetPredefinedPolarizationShortText(int k) const {
  return Predefined(k) ? PolarizationShortText(GetPredefinedPolarization(k)) : std::string_view();
}
uint16_t SatelliteRecord::GetPredefinedVideoPid(int k) const {
  return ReadPredefined(k, predefined::kVideoPid);
}
void SatelliteRecord::SetPredefinedVideoPid(int k, uint16_t pid) {
  WritePredefined(k, predefined::kVideoPid, pid);
}
uint16_t SatelliteRecord::GetPredefinedAudioPid(int k) const {
  return ReadPredefined(k, predefined::kAudioPid);
}
void SatelliteRecord::SetPredefinedAudioPid(int k, uint16_t pid) {
  WritePredefined(k, predefined::kAudioPid, pid);
}
uint16_t SatelliteRecord::GetPredefinedPcrPid(int k) const {
  return ReadPredefined(k, predefined::kPcrPid);
}
void SatelliteRecord::SetPredefinedPcrPid(int k, uint16_t pid) {
  WritePredefined(k, predefined::kPcrPid, pid);
}

std::string SatelliteRecord::GetPredefinedName(int k) const {
  const uint8_t* channel = Predefined(k);
  return channel ? ReadFixedText(channel + predefined::kName, kPredefinedNameWidth) : std::string();
}

void SatelliteRecord::SetPredefinedName(int k, std::string_view name) {
  if (uint8_t* channel = Predefined(k))
    WriteFixedText(channel + predefined::kName, kPredefinedNameWidth, name);
}

}  // namespace vq
