#include "database/lnb_record.h"

#include <cstdio>
#include <cstring>

#include "common/byte_io.h"
#include "common/fixed_text.h"
#include "database/link_word.h"
#include "database/lookup_tables.h"

namespace vq {

namespace {

constexpr size_t kNameOffset = 0;
constexpr size_t kLnbWordOffset = 16;
constexpr size_t kHighOffset = 20;
constexpr size_t kLowOffset = 22;
constexpr size_t kLinkOffset = 24;
constexpr size_t kSatelliteNumberOffset = 28;

// LNB word bit fields: shift, width.
constexpr unsigned kTypeShift = 0, kTypeWidth = 1;
constexpr unsigned k22kHzShift = 2, k22kHzWidth = 1;
constexpr unsigned k12VShift = 3, k12VWidth = 2;
constexpr unsigned kSwitchTypeShift = 7, kSwitchTypeWidth = 4;
constexpr unsigned kSwitchPortShift = 11, kSwitchPortWidth = 4;
constexpr unsigned kToneBurstShift = 18, kToneBurstWidth = 2;
constexpr unsigned kMotorTypeShift = 20, kMotorTypeWidth = 2;

constexpr int kIfLowMHz = 950;
constexpr int kIfHighMHz = 2150;
// Oscillators below this lie above the signal (C band).
constexpr int kHighSideLimitMHz = 6000;

}  // namespace

bool OscillatorAccepts(int oscillatorMHz, int frequencyMHz) {
  if (oscillatorMHz >= kHighSideLimitMHz) {
    return frequencyMHz >= oscillatorMHz + kIfLowMHz && frequencyMHz <= oscillatorMHz + kIfHighMHz;
  }
  return frequencyMHz >= oscillatorMHz - kIfHighMHz && frequencyMHz <= oscillatorMHz - kIfLowMHz;
}

void LnbRecord::ResetDefaults(int index) {
  std::memset(bytes_, 0xFF, kSize);
  char text[24];
  std::snprintf(text, sizeof text, "ANT_%02d", index + 1);
  SetName(text);
  SetLnbWord(0);
  SetHighOscillator(10600);
  SetLowOscillator(9750);
  uint32_t link = GetLinkWord();
  link = WithLinkPosition(link, 0);
  link = WithLinkKey(link, static_cast<uint32_t>(index));
  link = SetBits(link, 30, 2, 0);
  SetLinkWord(link);
  SetSatelliteNumber(static_cast<uint16_t>(index));
}

std::string LnbRecord::GetName() const { return ReadFixedText(bytes_ + kNameOffset, kNameWidth); }
void LnbRecord::SetName(std::string_view name) { WriteFixedText(bytes_ + kNameOffset, kNameWidth, name); }

uint16_t LnbRecord::GetSatelliteNumber() const { return ReadU16LE(bytes_ + kSatelliteNumberOffset); }
void LnbRecord::SetSatelliteNumber(uint16_t number) {
  WriteU16LE(bytes_ + kSatelliteNumberOffset, number);
}

uint32_t LnbRecord::GetLinkWord() const { return ReadU32LE(bytes_ + kLinkOffset); }
void LnbRecord::SetLinkWord(uint32_t word) { WriteU32LE(bytes_ + kLinkOffset, word); }

uint32_t LnbRecord::GetLnbWord() const { return ReadU32LE(bytes_ + kLnbWordOffset); }
void LnbRecord::SetLnbWord(uint32_t word) { WriteU32LE(bytes_ + kLnbWordOffset, word); }

uint32_t LnbRecord::Bits(unsigned shift, unsigned width) const {
  return GetBits(GetLnbWord(), shift, width);
}
void LnbRecord::PutBits(unsigned shift, unsigned width, uint32_t value) {
  SetLnbWord(SetBits(GetLnbWord(), shift, width, value));
}

uint8_t LnbRecord::GetType() const { return static_cast<uint8_t>(Bits(kTypeShift, kTypeWidth)); }
void LnbRecord::SetType(uint32_t type) { PutBits(kTypeShift, kTypeWidth, type); }
std::string_view LnbRecord::GetTypeText() const { return LnbTypeText(GetType()); }
std::string_view LnbRecord::GetTypeShortText() const { return LnbTypeShortText(GetType()); }

uint16_t LnbRecord::GetHighOscillator() const { return ReadU16LE(bytes_ + kHighOffset); }
void LnbRecord::SetHighOscillator(uint16_t mhz) { WriteU16LE(bytes_ + kHighOffset, mhz); }
uint16_t LnbRecord::GetLowOscillator() const { return ReadU16LE(bytes_ + kLowOffset); }
void LnbRecord::SetLowOscillator(uint16_t mhz) { WriteU16LE(bytes_ + kLowOffset, mhz); }

bool LnbRecord::Is22kHz() const { return Bits(k22kHzShift, k22kHzWidth) != 0; }
void LnbRecord::Set22kHz(bool on) { PutBits(k22kHzShift, k22kHzWidth, on ? 1 : 0); }
bool LnbRecord::Is12V() const { return Bits(k12VShift, k12VWidth) != 0; }
void LnbRecord::Set12V(bool on) { PutBits(k12VShift, k12VWidth, on ? 1 : 0); }

uint8_t LnbRecord::GetSwitchType() const {
  return static_cast<uint8_t>(Bits(kSwitchTypeShift, kSwitchTypeWidth));
}
void LnbRecord::SetSwitchType(uint32_t type) { PutBits(kSwitchTypeShift, kSwitchTypeWidth, type); }
std::string_view LnbRecord::GetSwitchTypeText() const { return SwitchTypeText(GetSwitchType()); }

int LnbRecord::GetSwitchPort() const {
  return static_cast<int>(Bits(kSwitchPortShift, kSwitchPortWidth)) + 1;
}
void LnbRecord::SetSwitchPort(int port) {
  if (port < 1 || port > 16) return;
  PutBits(kSwitchPortShift, kSwitchPortWidth, static_cast<uint32_t>(port - 1));
}

uint8_t LnbRecord::GetToneBurst() const {
  return static_cast<uint8_t>(Bits(kToneBurstShift, kToneBurstWidth));
}
void LnbRecord::SetToneBurst(uint32_t value) { PutBits(kToneBurstShift, kToneBurstWidth, value); }
std::string_view LnbRecord::GetToneBurstText() const { return ToneBurstText(GetToneBurst()); }

uint8_t LnbRecord::GetMotorType() const {
  return static_cast<uint8_t>(Bits(kMotorTypeShift, kMotorTypeWidth));
}
void LnbRecord::SetMotorType(uint32_t value) { PutBits(kMotorTypeShift, kMotorTypeWidth, value); }
std::string_view LnbRecord::GetMotorTypeText() const { return MotorTypeText(GetMotorType()); }

bool LnbRecord::IsFrequencyInLnbRange(int frequencyMHz) const {
  if (GetType() == 1 && OscillatorAccepts(GetLowOscillator(), frequencyMHz)) return true;
  return OscillatorAccepts(GetHighOscillator(), frequencyMHz);
}

}  // namespace vq
