#include "database/satellite_record.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "database/lnb_record.h"

namespace vq {
namespace {

TEST(SatelliteRecordTest, ResetWritesNameNumberLinkAndPredefinedChannels) {
  std::array<uint8_t, SatelliteRecord::kSize> bytes{};
  SatelliteRecord record(bytes.data());
  record.ResetDefaults(4);

  EXPECT_EQ(record.GetName(), "Satellite05");
  EXPECT_EQ(bytes[11], 0);     // terminator
  EXPECT_EQ(bytes[12], 0xFF);  // fill behind it
  EXPECT_EQ(bytes[20], 0xFF);
  EXPECT_EQ(bytes[21], 0xFF);
  EXPECT_EQ(bytes[22], 4);
  EXPECT_EQ(bytes[23], 0);
  // Bits 0..12 clear, key 4 at 15..27, 30..31 clear, 13..14 and 28..29 set.
  EXPECT_EQ(record.GetLinkWord(), 0x30000000u | (4u << 15) | 0x6000u);
  EXPECT_EQ(record.GetPosition(), 0);
  EXPECT_EQ(bytes[30], 0xFF);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(record.GetPredefinedName(k), "PRE_CHAN_" + std::to_string(k + 1));
    EXPECT_EQ(record.GetPredefinedFrequency(k), 0);
    EXPECT_EQ(record.GetPredefinedPcrPid(k), 0);
  }
}

TEST(SatelliteRecordTest, FieldsAreLittleEndianAtTheirOffsets) {
  std::array<uint8_t, SatelliteRecord::kSize> bytes{};
  bytes[22] = 0x3F;
  bytes[28] = 0x3E;  // 0xFF3E = -194
  bytes[29] = 0xFF;
  bytes[32 + 32 + 0] = 0x10;  // predefined 2 frequency 0x2B10 = 11024
  bytes[32 + 32 + 1] = 0x2B;
  bytes[96 + 4] = 2;          // predefined 3 vertical
  SatelliteRecord record(bytes.data());
  EXPECT_EQ(record.GetNumber(), 63);
  EXPECT_EQ(record.GetPosition(), -194);
  EXPECT_EQ(record.GetPositionText(), "19.4W");
  EXPECT_EQ(record.GetEastWestText(), "West");
  EXPECT_EQ(record.GetPredefinedFrequency(1), 11024);
  EXPECT_EQ(record.GetPredefinedPolarizationText(2), "Vertical");
  EXPECT_EQ(record.GetPredefinedPolarizationShortText(2), "V");

  record.SetPredefinedAudioPid(0, 0x1234);
  EXPECT_EQ(bytes[32 + 8], 0x34);
  EXPECT_EQ(bytes[32 + 9], 0x12);
}

TEST(SatelliteRecordTest, BadPredefinedIndexIsIgnored) {
  std::array<uint8_t, SatelliteRecord::kSize> bytes;
  bytes.fill(0xAB);
  const auto before = bytes;
  SatelliteRecord record(bytes.data());
  record.SetPredefinedFrequency(3, 1);
  record.SetPredefinedFrequency(-1, 1);
  record.SetPredefinedName(3, "X");
  EXPECT_EQ(bytes, before);
  EXPECT_EQ(record.GetPredefinedVideoPid(3), 0);
  EXPECT_EQ(record.GetPredefinedName(-1), "");
  EXPECT_EQ(record.GetPredefinedPolarizationText(5), "");
}

TEST(SatelliteRecordTest, NamesAreCutToTheirWidth) {
  std::array<uint8_t, SatelliteRecord::kSize> bytes;
  bytes.fill(0xFF);
  SatelliteRecord record(bytes.data());
  record.SetName("ABCDEFGHIJKLMNOP");  // 16 characters
  EXPECT_EQ(record.GetName(), "ABCDEFGHIJKLMN");
  EXPECT_EQ(bytes[14], 0xFF);  // no terminator
  EXPECT_EQ(bytes[20], 0xFF);  // motor index untouched

  record.SetPredefinedName(0, "0123456789012345678901");
  EXPECT_EQ(record.GetPredefinedName(0), "01234567890123456789");
  EXPECT_EQ(bytes[64], 0xFF);  // next predefined channel untouched
}

TEST(LnbRecordTest, ResetWritesOscillatorsAndLink) {
  std::array<uint8_t, LnbRecord::kSize> bytes{};
  LnbRecord lnb(bytes.data());
  lnb.ResetDefaults(9);
  EXPECT_EQ(lnb.GetName(), "ANT_10");
  EXPECT_EQ(lnb.GetLnbWord(), 0u);
  EXPECT_EQ(bytes[20], 0x68);  // 10600 = 0x2968
  EXPECT_EQ(bytes[21], 0x29);
  EXPECT_EQ(lnb.GetLowOscillator(), 9750);
  EXPECT_EQ(lnb.GetLinkWord(), 0x30006000u | (9u << 15));
  EXPECT_EQ(lnb.GetSatelliteNumber(), 9);
  EXPECT_EQ(bytes[30], 0xFF);
  EXPECT_EQ(bytes[31], 0xFF);
}

TEST(LnbRecordTest, LnbWordBitFields) {
  // type 1, 22 kHz, 12 V = 2, switch type 10, port field 15, burst 2, motor 2,
  // plus unknown bits 1, 5, 6, 15..17 and 31.
  const uint32_t word = 0x1u | 0x2u | 0x4u | (2u << 3) | 0x60u | (10u << 7) | (15u << 11) |
                        (7u << 15) | (2u << 18) | (2u << 20) | 0x80000000u;
  std::array<uint8_t, LnbRecord::kSize> bytes{};
  bytes[16] = static_cast<uint8_t>(word);
  bytes[17] = static_cast<uint8_t>(word >> 8);
  bytes[18] = static_cast<uint8_t>(word >> 16);
  bytes[19] = static_cast<uint8_t>(word >> 24);
  LnbRecord lnb(bytes.data());
  EXPECT_EQ(lnb.GetType(), 1);
  EXPECT_EQ(lnb.GetTypeText(), "Universal");
  EXPECT_TRUE(lnb.Is22kHz());
  EXPECT_TRUE(lnb.Is12V());  // any non-zero value
  EXPECT_EQ(lnb.GetSwitchTypeText(), "10 Port");
  EXPECT_EQ(lnb.GetSwitchPort(), 16);
  EXPECT_EQ(lnb.GetToneBurstText(), "Satellite B");
  EXPECT_EQ(lnb.GetMotorTypeText(), "USALS");

  lnb.SetType(0);
  lnb.Set22kHz(false);
  lnb.Set12V(true);
  lnb.SetSwitchType(0);
  lnb.SetSwitchPort(1);
  lnb.SetToneBurst(3);
  lnb.SetMotorType(1);
  const uint32_t unknown = 0x2u | 0x60u | (7u << 15) | 0x80000000u;
  EXPECT_EQ(lnb.GetLnbWord(), unknown | (1u << 3) | (3u << 18) | (1u << 20));
  EXPECT_EQ(lnb.GetToneBurstText(), "");
  EXPECT_EQ(lnb.GetSwitchPort(), 1);

  lnb.SetSwitchPort(0);  // out of range: ignored
  lnb.SetSwitchPort(17);
  EXPECT_EQ(lnb.GetSwitchPort(), 1);
  lnb.SetSwitchType(11);
  EXPECT_EQ(lnb.GetSwitchTypeText(), "");
}

TEST(LnbRecordTest, FrequencyRange) {
  std::array<uint8_t, LnbRecord::kSize> bytes{};
  LnbRecord lnb(bytes.data());
  lnb.ResetDefaults(0);
  lnb.SetType(1);
  for (int f : {10700, 11000, 11900, 11550, 12750}) EXPECT_TRUE(lnb.IsFrequencyInLnbRange(f)) << f;
  for (int f : {10699, 12751}) EXPECT_FALSE(lnb.IsFrequencyInLnbRange(f)) << f;

  lnb.SetType(0);  // single: only the high oscillator
  EXPECT_FALSE(lnb.IsFrequencyInLnbRange(11000));
  EXPECT_TRUE(lnb.IsFrequencyInLnbRange(11550));

  lnb.SetHighOscillator(5150);  // C band, below the signal
  EXPECT_TRUE(lnb.IsFrequencyInLnbRange(3000));
  EXPECT_TRUE(lnb.IsFrequencyInLnbRange(4200));
  EXPECT_FALSE(lnb.IsFrequencyInLnbRange(2999));
  EXPECT_FALSE(lnb.IsFrequencyInLnbRange(4201));
}

}  // namespace
}  // namespace vq
