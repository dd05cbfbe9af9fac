#include <gtest/gtest.h>

#include <array>
#include <random>

#include "common/byte_io.h"
#include "common/byte_sum.h"
#include "common/fixed_text.h"

namespace vq {
namespace {

TEST(ByteIo, ReadsAndWritesBothByteOrders) {
  std::array<uint8_t, 4> b{};
  WriteU32LE(b.data(), 0x11223344u);
  EXPECT_EQ(b, (std::array<uint8_t, 4>{0x44, 0x33, 0x22, 0x11}));
  EXPECT_EQ(ReadU32BE(b.data()), 0x44332211u);
  WriteU16BE(b.data(), 0x7FE0);
  EXPECT_EQ(b[0], 0x7F);
  EXPECT_EQ(b[1], 0xE0);
  EXPECT_EQ(ReadU16LE(b.data()), 0xE07F);
}

TEST(ByteIo, BitFieldSetterMasksAndKeepsOtherBits) {
  EXPECT_EQ(SetBits(0xFFFFFFFFu, 7, 24, 0x1FFFFFF), 0xFFFFFFFFu);
  EXPECT_EQ(SetBits(0xFFFFFFFFu, 7, 24, 0), 0x8000007Fu);
  EXPECT_EQ(GetBits(0x80000000u, 31, 1), 1u);
  EXPECT_EQ(SetBits(0, 0, 32, 0xDEADBEEF), 0xDEADBEEFu);
}

TEST(ByteSum32, WrapsModulo2To32) {
  std::array<uint8_t, 3> bytes{0xFF, 0xFF, 0x02};
  EXPECT_EQ(ByteSum32(bytes.data(), bytes.size()), 0x200u);
  std::vector<uint8_t> big(0x01010102, 0xFF);  // 0xFF * n overflows 32 bits
  EXPECT_EQ(ByteSum32(big.data(), big.size()),
            static_cast<uint32_t>(0xFFull * big.size()));
}

// The sum is taken eight bytes at a time; any start, length and content
// must give the plain byte-by-byte sum.
TEST(ByteSum32, EqualsThePlainSumAtEveryStartAndLength) {
  std::mt19937 rng(3);
  std::vector<uint8_t> bytes(5000);
  for (int round = 0; round < 200; ++round) {
    const uint8_t high = round % 2 ? 0xFF : static_cast<uint8_t>(rng());
    for (uint8_t& b : bytes) b = rng() % 3 ? high : static_cast<uint8_t>(rng());
    const size_t start = rng() % 16;
    const size_t length = round < 40 ? static_cast<size_t>(round) : rng() % (bytes.size() - start);
    uint32_t plain = 0;
    for (size_t i = start; i < start + length; ++i) plain += bytes[i];
    ASSERT_EQ(ByteSum32(bytes.data() + start, length), plain) << start << " " << length;
  }
}

TEST(FixedText, ShortTextKeepsBytesBehindTerminator) {
  std::array<uint8_t, 20> field;
  field.fill(0xFF);
  WriteFixedText(field.data(), 14, "Astra");
  EXPECT_EQ(field[5], 0);
  EXPECT_EQ(field[6], 0xFF);
  EXPECT_EQ(ReadFixedText(field.data(), 14), "Astra");
}

TEST(FixedText, FullWidthTextHasNoTerminatorAndLongerIsCut) {
  std::array<uint8_t, 20> field;
  field.fill(0xFF);
  WriteFixedText(field.data(), 14, "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(field[13], 'N');
  EXPECT_EQ(field[14], 0xFF);
  EXPECT_EQ(ReadFixedText(field.data(), 14), "ABCDEFGHIJKLMN");
}

}  // namespace
}  // namespace vq
