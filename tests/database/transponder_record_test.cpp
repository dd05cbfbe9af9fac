#include "database/transponder_record.h"

#include <gtest/gtest.h>

#include <array>

namespace vq {
namespace {

using Bytes = std::array<uint8_t, TransponderRecord::kSize>;

Bytes Erased() {
  Bytes bytes;
  bytes.fill(0xFF);
  return bytes;
}

TEST(TransponderRecordTest, FreeWhenFirstWordIsErased) {
  Bytes bytes{};
  TransponderRecord record(bytes.data());
  EXPECT_FALSE(record.IsFree());
  bytes[0] = bytes[1] = bytes[2] = bytes[3] = 0xFF;  // the rest stays 0
  EXPECT_TRUE(record.IsFree());
  bytes[3] = 0xFE;
  EXPECT_FALSE(record.IsFree());
  record.Clear();
  EXPECT_EQ(bytes, Erased());
}

TEST(TransponderRecordTest, DefaultsOverAnErasedRecord) {
  Bytes bytes = Erased();
  TransponderRecord record(bytes.data());
  record.SetDefaults();
  EXPECT_FALSE(record.IsFree());
  EXPECT_EQ(record.GetName(), "New Network");
  EXPECT_EQ(bytes[12], 0xFF);  // behind the terminator
  EXPECT_EQ(record.GetFrequency(), 11000);
  EXPECT_EQ(record.GetSymbolRate(), 27500);
  EXPECT_EQ(record.GetSymbolRateText(), "27500 Kb/s");
  EXPECT_EQ(record.GetPolarizationText(), "Horizontal");
  EXPECT_EQ(record.GetFecText(), "Auto");
  EXPECT_EQ(record.GetFtaOnlyText(), "No");
  EXPECT_EQ(record.GetEcmChannelId(), 0u);
  EXPECT_EQ(record.GetTpId(), 0);
  EXPECT_EQ(record.GetNetworkId(), 0);
  EXPECT_EQ(record.GetEcmCasId(), 0);
  EXPECT_EQ(record.GetLinkWord(), 0u);
  EXPECT_EQ(record.GetNumber(), 0xFFFF);
  // Bits 5 and 31 keep the erased fill.
  EXPECT_EQ(record.GetTransponderWord(), 0x80000000u | 0x20u | (5u << 2) | 1u);
}

TEST(TransponderRecordTest, WordBitFieldsOnLiteralBytes) {
  Bytes bytes{};
  // Word 0xC0000039: pol 1, FEC 6 (no text), bit 5, ECM ID 0x800000, bit 31.
  bytes[20] = 0x39;
  bytes[23] = 0xC0;
  TransponderRecord record(bytes.data());
  EXPECT_EQ(record.GetPolarization(), 1);
  EXPECT_EQ(record.GetPolarizationShortText(), "H");
  EXPECT_EQ(record.GetFec(), 6);
  EXPECT_EQ(record.GetFecText(), "");
  EXPECT_FALSE(record.IsFtaOnly());
  EXPECT_EQ(record.GetEcmChannelId(), 0x800000u);

  record.SetFtaOnly(true);
  EXPECT_EQ(bytes[20], 0x79);
  record.SetPolarization(7);  // masked to 2 bits
  EXPECT_EQ(record.GetPolarization(), 3);
  EXPECT_EQ(record.GetPolarizationText(), "");
}

TEST(TransponderRecordTest, EcmChannelIdIsMaskedAndKeepsOtherBits) {
  Bytes bytes{};
  bytes[20] = 0x55;  // bits 0..6: 1010101
  TransponderRecord record(bytes.data());
  record.SetEcmChannelId(0x1FFFFFF);
  EXPECT_EQ(record.GetEcmChannelId(), 0xFFFFFFu);
  EXPECT_EQ(record.GetTransponderWord(), 0x7FFFFF80u | 0x55u);  // bit 31 still 0

  bytes[23] |= 0x80;
  record.SetEcmChannelId(0);
  EXPECT_EQ(record.GetTransponderWord(), 0x80000055u);
}

TEST(TransponderRecordTest, LittleEndianFieldsAndPosition) {
  Bytes bytes = Erased();
  TransponderRecord record(bytes.data());
  record.SetTpId(0x0102);
  record.SetNetworkId(0x0304);
  record.SetNumber(0x0506);
  record.SetEcmCasId(0x0708);
  EXPECT_EQ(bytes[24], 0x02);
  EXPECT_EQ(bytes[25], 0x01);
  EXPECT_EQ(bytes[26], 0x04);
  EXPECT_EQ(bytes[32], 0x06);
  EXPECT_EQ(bytes[35], 0x07);

  record.SetLinkWord(0);
  record.SetSatelliteKey(3);
  record.SetPosition(0xFFFF);  // 13 bits only
  EXPECT_EQ(record.GetLinkWord(), (3u << 15) | 0x1FFFu);
  EXPECT_EQ(record.GetPosition(), 0x1FFF);
  EXPECT_EQ(record.GetSatelliteKey(), 3);

  record.SetName("ABCDEFGHIJKLMNOP");
  EXPECT_EQ(record.GetName(), "ABCDEFGHIJKLMN");
  EXPECT_EQ(bytes[14], 0xFF);
}

}  // namespace
}  // namespace vq
