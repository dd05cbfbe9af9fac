#include "image/flash_block_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "common/byte_io.h"
#include "common/byte_sum.h"
#include "image/image_layout.h"

namespace vq {
namespace {

constexpr int kN = kLogicalSectorsModel0;

std::vector<uint8_t> Erased(size_t size = kImageSizeModel0) {
  return std::vector<uint8_t>(size, 0xFF);
}

std::vector<uint8_t> Pattern(size_t length, uint8_t seed) {
  std::vector<uint8_t> bytes(length);
  for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<uint8_t>(seed + i * 7);
  return bytes;
}

size_t BlockBase(int number) {
  return number < 32 ? kEeprom0Offset + number * kConfigBlockSize
                     : kEeprom1Offset + (number - 32) * kConfigBlockSize;
}
uint32_t BlockState(const std::vector<uint8_t>& image, int number) {
  return ReadU32LE(&image[BlockBase(number) + 136]);
}

// A valid block written by hand, independent of the store's writer.
void PutBlock(std::vector<uint8_t>& image, int number, uint32_t state, uint8_t fill) {
  const size_t base = BlockBase(number);
  std::memcpy(&image[base + 128], number < 32 ? "EEPROM0" : "EEPROM1", 8);
  std::memset(&image[base + 160], fill, 16);
  WriteU32LE(&image[base + 136], state);
  WriteU32LE(&image[base + 144], 16);
  WriteU32LE(&image[base + 140], ByteSum32(&image[base + 160], 16));
}

size_t SectorBase(int p) { return kFlashSectorAreaOffset + p * kFlashSectorSize; }
uint32_t Generation(const std::vector<uint8_t>& image, int p) {
  return ReadU32LE(&image[SectorBase(p) + 136]);
}

// A valid flash sector written by hand: `length` payload bytes of `fill`.
void PutSector(std::vector<uint8_t>& image, int p, uint32_t logical, uint32_t generation,
               uint8_t fill, uint32_t length = 100, uint32_t state = kSectorValid) {
  const size_t base = SectorBase(p);
  std::memcpy(&image[base + 128], "FLASH00", 7);
  std::memset(&image[base + 160], fill, length);
  WriteU32LE(&image[base + 136], generation);
  WriteU32LE(&image[base + 140], state);
  WriteU32LE(&image[base + 144], logical);
  WriteU32LE(&image[base + 148], ByteSum32(&image[base + 160], length));
  WriteU32LE(&image[base + 152], length);
}

TEST(ConfigStore, WritesRotateThroughBothAreasAndReadBackTheLatest) {
  auto image = Erased();
  std::vector<uint8_t> record(kConfigRecordSize);
  EXPECT_EQ(FindCurrentConfigBlock(image), -1);
  EXPECT_EQ(ReadConfigRecord(image, record), 0u);
  for (int write = 0; write < 2 * 40 + 1; ++write) {
    const auto payload = Pattern(kConfigRecordSize, static_cast<uint8_t>(write));
    ASSERT_EQ(WriteConfigRecord(image, payload.data(), payload.size()), kConfigRecordSize);
    ASSERT_EQ(FindCurrentConfigBlock(image), write % 40) << "write " << write;
    ASSERT_EQ(ReadConfigRecord(image, record), kConfigRecordSize);
    ASSERT_EQ(record, payload) << "write " << write;

    if (write == 0) {  // EEPROM0 formatted, EEPROM1 untouched
      EXPECT_EQ(BlockState(image, 0), kBlockValid);
      for (int b = 1; b < 32; ++b) EXPECT_EQ(BlockState(image, b), kBlockFormatted);
      EXPECT_EQ(BlockState(image, 32), kBlockErased);
    }
    if (write == 32) {  // moved to EEPROM1, EEPROM0 closed
      EXPECT_EQ(BlockState(image, 31), kBlockValidLast);
      EXPECT_EQ(BlockState(image, 30), kBlockValid);
      EXPECT_EQ(BlockState(image, 32), kBlockValid);
      for (int b = 33; b < 40; ++b) EXPECT_EQ(BlockState(image, b), kBlockFormatted);
    }
    if (write == 40) {  // back in a reformatted EEPROM0, EEPROM1 closed
      EXPECT_EQ(BlockState(image, 39), kBlockValidLast);
      EXPECT_EQ(BlockState(image, 31), kBlockFormatted);
    }
  }
}

TEST(ConfigStore, FullEeprom0IsCurrentOnlyWhenEeprom1WasClosed) {
  auto image = Erased();
  FormatConfigArea(image, ConfigArea::kEeprom0);
  FormatConfigArea(image, ConfigArea::kEeprom1);
  PutBlock(image, 31, kBlockValid, 1);
  PutBlock(image, 39, kBlockValidLast, 2);
  EXPECT_EQ(FindCurrentConfigBlock(image), 31);
  PutBlock(image, 39, kBlockValid, 2);
  EXPECT_EQ(FindCurrentConfigBlock(image), 39);

  // EEPROM0 partly filled with formatted blocks above: EEPROM0 is being filled.
  FormatConfigArea(image, ConfigArea::kEeprom0);
  PutBlock(image, 4, kBlockValid, 3);
  EXPECT_EQ(FindCurrentConfigBlock(image), 4);
  // No formatted block above it: the EEPROM1 block wins.
  for (int b = 5; b < 32; ++b) WriteU32LE(&image[BlockBase(b) + 136], kBlockFailed);
  EXPECT_EQ(FindCurrentConfigBlock(image), 39);
}

TEST(ConfigStore, DamagedBlocksAreInvisibleAndSkippedByTheWriter) {
  auto image = Erased();
  const auto first = Pattern(100, 1);
  const auto second = Pattern(100, 2);
  WriteConfigRecord(image, first.data(), first.size());
  WriteConfigRecord(image, second.data(), second.size());
  image[BlockBase(1) + 160] ^= 0x01;  // checksum no longer matches
  EXPECT_EQ(FindCurrentConfigBlock(image), 0);

  // Block 1 is no longer formatted, so the next write goes to block 2.
  WriteConfigRecord(image, second.data(), second.size());
  EXPECT_EQ(FindCurrentConfigBlock(image), 2);

  const size_t block2 = BlockBase(2);  // length out of range, checksum to match it
  WriteU32LE(&image[block2 + 144], 864);
  WriteU32LE(&image[block2 + 140], ByteSum32(&image[block2 + 160], 864));
  EXPECT_EQ(FindCurrentConfigBlock(image), 0);
}

TEST(ConfigStore, RejectsBadArgumentsAndCopiesOnlyWhatFits) {
  auto image = Erased();
  const auto payload = Pattern(864, 0);
  EXPECT_EQ(WriteConfigRecord(image, nullptr, 10), 0u);
  EXPECT_EQ(WriteConfigRecord(image, payload.data(), 864), 0u);
  EXPECT_EQ(image, Erased());
  EXPECT_EQ(WriteConfigRecord(image, payload.data(), 863), 863u);
  std::vector<uint8_t> shortRecord(4);
  EXPECT_EQ(ReadConfigRecord(image, shortRecord), 863u);
  EXPECT_EQ(shortRecord, Pattern(4, 0));
}

TEST(SectorMap, HigherGenerationWinsAndEqualOnesGoToTheLowerIndex) {
  struct Case {
    uint32_t genAt1, genAt4;
    int expected;
  };
  for (const Case c : {Case{8, 9, 4}, Case{9, 8, 1}, Case{9, 9, 1}, Case{0xFFFFFFFF, 1, 1}}) {
    auto image = Erased();
    PutSector(image, 1, 3, c.genAt1, 0x11);
    PutSector(image, 4, 3, c.genAt4, 0x44);
    EXPECT_EQ(BuildSectorMap(image, kN), (std::vector<int>{-1, -1, -1, c.expected, -1, -1}));
    std::vector<uint8_t> buffer(100);
    EXPECT_EQ(ReadFlashFile(image, buffer.data(), buffer.size(), 3, kN), 100u);
    EXPECT_EQ(buffer[0], c.expected == 1 ? 0x11 : 0x44);
  }
}

TEST(SectorMap, InvalidSectorsAreIgnored) {
  auto image = Erased();
  PutSector(image, 0, 0, 1, 0x10, 100, kSectorWriteBegun);
  PutSector(image, 1, 1, 1, 0x10);
  image[SectorBase(1) + 160] = 0;    // bad checksum
  PutSector(image, 2, kN, 1, 0x10);  // no such logical sector
  PutSector(image, 3, 3, 1, 0x10);
  WriteU32LE(&image[SectorBase(3) + 152], 65377);  // too long
  PutSector(image, 4, 4, 1, 0x10);
  image[SectorBase(4) + 134] = '1';  // signature
  EXPECT_EQ(BuildSectorMap(image, kN), std::vector<int>(kN, -1));
  EXPECT_EQ(FindFreeSector(image, kN), 0);

  // An intact sector counts for the generation whatever its state.
  PutSector(image, 5, 2, 50, 0x10, 100, kSectorWriteBegun);
  EXPECT_EQ(NextGeneration(image, 0, kN), 51u);
  EXPECT_EQ(NextGeneration(image, 5, kN), 2u);
}

class FlashFile : public ::testing::Test {
 protected:
  std::vector<uint8_t> image = Erased();
  std::vector<uint8_t> channels = Pattern(ChannelFileSize(kChannelCapacityModel0), 5);

  std::vector<uint8_t> ReadChannels() {
    std::vector<uint8_t> buffer(channels.size());
    EXPECT_EQ(ReadFlashFile(image, buffer.data(), buffer.size(), 1, kN), buffer.size());
    return buffer;
  }
};

TEST_F(FlashFile, OnlyChangedChunksMoveToTheFreeSector) {
  const auto satellites = Pattern(kSatelliteFileSize, 3);
  ASSERT_EQ(WriteFlashFile(image, satellites.data(), satellites.size(), 0, kN), satellites.size());
  ASSERT_EQ(WriteFlashFile(image, channels.data(), channels.size(), 1, kN), channels.size());
  for (int p = 0; p < kN; ++p) EXPECT_EQ(Generation(image, p), static_cast<uint32_t>(p + 1));
  EXPECT_EQ(BuildSectorMap(image, kN), (std::vector<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(FindFreeSector(image, kN), kN);
  EXPECT_EQ(ReadChannels(), channels);
  const auto before = image;
  EXPECT_EQ(WriteFlashFile(image, channels.data(), channels.size(), 1, kN), 0u);
  EXPECT_EQ(image, before);

  channels[2 * kFlashSectorPayload + 5] ^= 0xFF;  // chunk 2 = logical 3
  EXPECT_EQ(WriteFlashFile(image, channels.data(), channels.size(), 1, kN), kFlashSectorPayload);
  EXPECT_EQ(BuildSectorMap(image, kN), (std::vector<int>{0, 1, 2, 6, 4, 5}));
  EXPECT_EQ(Generation(image, 6), 7u);
  EXPECT_EQ(ReadChannels(), channels);

  // The old copy's sector is the free one for the next change.
  const size_t lastChunk = channels.size() - 4 * kFlashSectorPayload;
  channels.back() ^= 0xFF;
  EXPECT_EQ(WriteFlashFile(image, channels.data(), channels.size(), 1, kN), lastChunk);
  EXPECT_EQ(BuildSectorMap(image, kN), (std::vector<int>{0, 1, 2, 6, 4, 3}));
  EXPECT_EQ(ReadChannels(), channels);
}

TEST_F(FlashFile, ExhaustedGenerationRenumbersTheOthers) {
  PutSector(image, 0, 0, 0xFFFFFFFF, 0x10);
  PutSector(image, 1, 1, 0x123, 0x10);
  PutSector(image, 2, 2, 0x1A, 0x10);
  const auto chunk = Pattern(100, 9);
  EXPECT_EQ(WriteFlashFile(image, chunk.data(), chunk.size(), 3, kN), 100u);
  EXPECT_EQ(Generation(image, 3), 16u);
  EXPECT_EQ(Generation(image, 0), 15u);
  EXPECT_EQ(Generation(image, 1), 3u);
  EXPECT_EQ(Generation(image, 2), 10u);
  EXPECT_EQ(BuildSectorMap(image, kN), (std::vector<int>{0, 1, 2, 3, -1, -1}));
}

// A store in any state: sectors erased, half written, damaged, naming
// logical sectors outside the store, with generations near the wrap.
std::vector<uint8_t> RandomStore(std::mt19937& rng) {
  auto image = Erased();
  auto pick = [&rng](uint32_t below) { return static_cast<uint32_t>(rng() % below); };
  for (int p = 0; p <= kN; ++p) {
    if (pick(5) == 0) continue;
    const uint32_t generation = pick(3) == 0 ? 0xFFFFFFFFu - pick(3) : pick(40);
    PutSector(image, p, pick(kN + 2), generation, static_cast<uint8_t>(rng()), 1 + pick(300),
              pick(6) == 0 ? kSectorWriteBegun : kSectorValid);
    if (pick(8) == 0) image[SectorBase(p) + 160] ^= 1;
  }
  return image;
}

TEST(FlashFileProperty, WritingAFileAtOnceEqualsWritingItChunkByChunk) {
  std::mt19937 rng(41);
  for (int round = 0; round < 40; ++round) {
    auto whole = RandomStore(rng);
    auto chunked = whole;
    const int first = static_cast<int>(rng() % (kN + 2)) - 1;
    std::vector<uint8_t> data = Pattern(1 + rng() % (3 * kFlashSectorPayload), 0);
    // Two writes: the second changes a byte here and there, so that some
    // chunks are unchanged and stay where the first write put them.
    for (int pass = 0; pass < 2; ++pass) {
      for (int flips = 0; flips < 2; ++flips) data[rng() % data.size()] ^= 0x5A;
      const size_t done = WriteFlashFile(whole, data.data(), data.size(), first, kN);
      size_t doneByChunk = 0;
      for (size_t at = 0, k = 0; at < data.size(); at += kFlashSectorPayload, ++k) {
        const size_t length = std::min(kFlashSectorPayload, data.size() - at);
        doneByChunk += WriteFlashFile(chunked, data.data() + at, length,
                                      first + static_cast<int>(k), kN);
      }
      ASSERT_EQ(done, doneByChunk) << "round " << round << " pass " << pass;
      ASSERT_TRUE(whole == chunked) << "round " << round << " pass " << pass;
    }
  }
}

TEST_F(FlashFile, UnmappedSectorsReadAsErasedAndOverlongOnesFail) {
  PutSector(image, 0, 1, 1, 0x22, 50);
  std::vector<uint8_t> buffer(kFlashSectorPayload + 50, 0);
  // Logical 0 is missing: 0xFF and nothing counted; logical 1 follows.
  EXPECT_EQ(ReadFlashFile(image, buffer.data(), buffer.size(), 0, kN), 50u);
  EXPECT_EQ(buffer[0], 0xFF);
  EXPECT_EQ(buffer[kFlashSectorPayload - 1], 0xFF);
  EXPECT_EQ(buffer[kFlashSectorPayload], 0x22);

  std::vector<uint8_t> tight(49);
  EXPECT_EQ(ReadFlashFile(image, tight.data(), tight.size(), 1, kN), 0u);
  EXPECT_EQ(ReadFlashFile(image, buffer.data(), 0, 1, kN), 0u);
}

TEST_F(FlashFile, LogicalSectorsOutsideTheStoreAreNeverWrittenNorRead) {
  const auto data = Pattern(2 * kFlashSectorPayload, 1);
  EXPECT_EQ(WriteFlashFile(image, data.data(), data.size(), kN - 1, kN), kFlashSectorPayload);
  EXPECT_EQ(WriteFlashFile(image, data.data(), data.size(), -1, kN), kFlashSectorPayload);
  for (int p = 0; p <= kN; ++p) {
    const uint32_t logical = ReadU32LE(&image[SectorBase(p) + 144]);
    EXPECT_TRUE(logical == 0xFFFFFFFFu || logical < static_cast<uint32_t>(kN)) << p;
  }

  std::vector<uint8_t> buffer(data.size());
  EXPECT_EQ(ReadFlashFile(image, buffer.data(), buffer.size(), kN - 1, kN), kFlashSectorPayload);
  EXPECT_EQ(buffer.back(), 0xFF);
}

TEST(FlashBlockStore, TooSmallImagesAreRefusedSafely) {
  const auto data = Pattern(1000, 1);
  std::vector<uint8_t> record(kConfigRecordSize);
  for (size_t size :
       {size_t{0}, size_t{100}, kEeprom1Size, kFlashSectorAreaOffset, kImageSizeModel0 - 1}) {
    auto image = Erased(size);
    std::vector<uint8_t> buffer(1000, 0);
    EXPECT_EQ(ReadFlashFile(image, buffer.data(), buffer.size(), 0, kN), 0u);
    // A map that names a sector outside the image reads nothing from it.
    EXPECT_EQ(ReadFlashFile(image, std::vector<int>{kN}, buffer.data(), buffer.size(), 0), 0u);
    EXPECT_EQ(WriteFlashFile(image, data.data(), data.size(), 0, kN), 0u);
    EXPECT_EQ(FindFreeSector(image, kN), -1);
    EXPECT_TRUE(BuildSectorMap(image, kN).empty());
    EXPECT_EQ(ReadConfigRecord(image, record), 0u);
    FormatConfigArea(image, ConfigArea::kEeprom0);
    EraseSectors(image, 2, kN + 3, kN);
    if (size < kFlashSectorAreaOffset) {
      EXPECT_EQ(WriteConfigRecord(image, data.data(), 10), 0u);
      EXPECT_EQ(FindCurrentConfigBlock(image), -1);
    }
  }
  auto image = Erased();
  EXPECT_EQ(FindFreeSector(image, 0), -1);
  EXPECT_EQ(WriteFlashFile(image, data.data(), 0, 0, kN), 0u);
}

TEST(FlashBlockStore, EraseSectorsCoversExactlyTheNamedSectors) {
  struct Case {
    int first, count;
    size_t begin, end;
  };
  const size_t sector6 = kFlashSectorAreaOffset + 2 * kFlashSectorSize;
  for (const Case c : {Case{2, 1, 0, 8192}, Case{2, 2, 0, 40960}, Case{3, 2, 8192, 106496},
                       Case{6, 1, sector6, sector6 + kFlashSectorSize},
                       Case{kN + 4, 1, kImageSizeModel0 - kFlashSectorSize, kImageSizeModel0},
                       Case{kN + 4, 2, 0, 0}, Case{1, 1, 0, 0}, Case{4, 0, 0, 0}}) {
    std::vector<uint8_t> image(kImageSizeModel0, 0);
    EraseSectors(image, c.first, c.count, kN);
    size_t erased = 0;
    for (uint8_t byte : image) erased += byte == 0xFF;
    EXPECT_EQ(erased, c.end - c.begin) << c.first << "," << c.count;
    EXPECT_EQ(image[c.begin], c.end > c.begin ? 0xFF : 0);
  }
}

}  // namespace
}  // namespace vq
