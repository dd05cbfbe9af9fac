#include <gtest/gtest.h>

#include "common/byte_io.h"
#include "editing/preset/preset_data.h"
#include "editing/preset/preset_envelope.h"
#include "editing/preset/preset_file.h"

namespace vq {
namespace {

constexpr size_t kSection1 = 156;
constexpr size_t kSection2 = 636;

PresetContent SmallContent() {
  PresetContent content;
  content.antennas.resize(3);
  content.satellites.resize(3);
  content.satellites[1].name = "Thor";
  content.transponders.push_back({11000, 27500, 1, 2, 1});
  return content;
}

// Reads PresetData through a correctly wrapped file.
std::string_view ReadData(const std::vector<uint8_t>& data, uint32_t version = 6) {
  std::vector<uint8_t> file;
  EXPECT_EQ(WrapPresetData(kModelFtaCi, version, data, file), PresetExportStatus::kOk);
  PresetContent content;
  return ReadPresetFile(file, content).Message();
}

std::vector<uint8_t> Patched(size_t offset, uint32_t value) {
  std::vector<uint8_t> data = EncodePresetData(SmallContent());
  WriteU32LE(&data[offset], value);
  return data;
}

constexpr std::string_view kCorrupted = "Preset File is corrupted!";

TEST(PresetHostileData, SignaturesAndSectionHeadersAreChecked) {
  const std::vector<uint8_t> valid = EncodePresetData(SmallContent());
  EXPECT_EQ(ReadData(valid), "");
  for (size_t at : {size_t{0}, size_t{76}, size_t{104}, kSection1 + 19, kSection2}) {
    std::vector<uint8_t> data = valid;
    data[at] ^= 1;
    EXPECT_EQ(ReadData(data), kCorrupted) << at;
  }
  EXPECT_EQ(ReadData({'u', 'c', 'r'}), kCorrupted);
  EXPECT_EQ(ReadData(std::vector<uint8_t>(valid.begin(), valid.begin() + 100)), kCorrupted);
}

TEST(PresetHostileData, SignaturePlaceIsBounded) {
  EXPECT_EQ(ReadData(Patched(4, 0xFFFFFFFF)), kCorrupted);
  EXPECT_EQ(ReadData(Patched(4, 0xFFFFFFB8)), kCorrupted);  // 72 + n wraps in 32 bits
  // The signature moved to the very end of the data, without a section after it.
  std::vector<uint8_t> data(72 + 4 + 30, 0);
  std::copy_n("ucr.", 4, data.begin());
  WriteU32LE(&data[4], 4);
  std::copy_n("KORVA-NETIX 1 Preprogram Data", 29, data.begin() + 76);
  EXPECT_EQ(ReadData(data), kCorrupted);
  data.pop_back();  // now the text has no terminator either
  EXPECT_EQ(ReadData(data), kCorrupted);
}

TEST(PresetHostileData, CountsBeyondTheDataAreRefused) {
  for (size_t count = 0; count < 4; ++count) {
    EXPECT_EQ(ReadData(Patched(kSection1 + 80 + 4 * count, 0xFFFFFFFF)), kCorrupted);
    EXPECT_EQ(ReadData(Patched(kSection1 + 80 + 4 * count, 3)), kCorrupted);
    EXPECT_EQ(ReadData(Patched(kSection2 + 80 + 4 * count, 0x40000000)), kCorrupted);
  }
  // Section 2 claims one more transponder than the data holds.
  EXPECT_EQ(ReadData(Patched(kSection2 + 88, 2)), kCorrupted);
  // Cut in the middle of the last record.
  std::vector<uint8_t> data = EncodePresetData(SmallContent());
  data.pop_back();
  EXPECT_EQ(ReadData(data), kCorrupted);
}

TEST(PresetHostileData, SatelliteNameMustEndInsideItsField) {
  std::vector<uint8_t> data = EncodePresetData(SmallContent());
  const size_t name = kSection2 + 96 + 3 * 28 + 124 + 8;
  for (size_t i = 0; i < 15; ++i) data[name + i] = 'A';
  EXPECT_EQ(ReadData(data), kCorrupted);
  data[name + 14] = 0;
  PresetContent content;
  std::vector<uint8_t> file;
  ASSERT_EQ(WrapPresetData(kModelFtaCi, 6, data, file), PresetExportStatus::kOk);
  ASSERT_TRUE(ReadPresetFile(file, content).Ok());
  EXPECT_EQ(content.satellites[1].name, std::string(14, 'A'));
}

TEST(PresetHostileData, VersionDecidesTheSatelliteRecordSize) {
  // Data laid out for version 6 does not line up when the file says 5.
  EXPECT_EQ(ReadData(EncodePresetData(SmallContent()), 5), kCorrupted);
  PresetContent old = SmallContent();
  old.version = 5;
  EXPECT_EQ(ReadData(EncodePresetData(old), 5), "");
  EXPECT_EQ(ReadData(EncodePresetData(old), 6), kCorrupted);
}

}  // namespace
}  // namespace vq
