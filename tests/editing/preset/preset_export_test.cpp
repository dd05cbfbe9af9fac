#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <string>

#include "common/byte_io.h"
#include "common/byte_sum.h"
#include "editing/preset/preset_data.h"
#include "editing/preset/preset_file.h"
#include "editing/preset/preset_format.h"
#include "support/database_builder.h"

namespace vq {
namespace {

using namespace preset;

std::string TextAt(const std::vector<uint8_t>& bytes, size_t at) {
  return std::string(reinterpret_cast<const char*>(&bytes[at]));
}

// The PresetData inside an exported file, decompressed by hand.
std::vector<uint8_t> Inflate(const std::vector<uint8_t>& file) {
  const size_t stream = kStreamOffset + kMemberHeaderSize + kMemberName.size() + 1;
  std::vector<uint8_t> data(ReadU32LE(&file[kDataLengthOffset]));
  uLongf length = data.size();
  EXPECT_EQ(uncompress(data.data(), &length, &file[stream],
                       ReadU32LE(&file[kStreamLengthOffset]) - (stream - kStreamOffset)),
            Z_OK);
  EXPECT_EQ(length, data.size());
  return data;
}

TEST(PresetExport, HundredTranspondersMakeTheDocumentedFile) {
  auto db = test::MakeDatabase(kModelFtaCi);
  test::AddTransponders(*db, 3, 60);
  test::AddTransponders(*db, 40, 40);
  std::vector<uint8_t> file;
  ASSERT_TRUE(ExportPreset(*db, file).Ok());

  ASSERT_EQ(file.size(), 65536u);
  EXPECT_EQ(ReadU32LE(&file[kDataLengthOffset]), 10460u + 800u);
  const uint8_t head[] = {0x01, 0x02, 0x7F, 0xE8, 0x00, 0x00, 0x00, 0x80};
  EXPECT_EQ(std::memcmp(file.data(), head, sizeof head), 0);
  EXPECT_EQ(file[37], 8);
  EXPECT_EQ(ReadU32BE(&file[39]), 65408u);
  EXPECT_EQ(ReadU32BE(&file[44]), ByteSum32(&file[128], 65408));
  EXPECT_EQ(TextAt(file, 128), "PRESD00");
  EXPECT_EQ(ReadU32LE(&file[136]), 6u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[140]), 8), "        ");

  const uint32_t streamLength = ReadU32LE(&file[kStreamLengthOffset]);
  EXPECT_EQ(ReadU32LE(&file[kStreamSumOffset]), ByteSum32(&file[160], streamLength));
  const uint8_t member[] = {0x1F, 0x8B, 8, 8, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(std::memcmp(&file[160], member, sizeof member), 0);
  EXPECT_EQ(TextAt(file, 170), "By_PreProg.bin");
  for (size_t i = 160 + streamLength; i < file.size(); ++i) ASSERT_EQ(file[i], 0) << i;
  EXPECT_EQ(Inflate(file), EncodePresetData(CollectPresetContent(*db)));
}

TEST(PresetExport, PvrModelCodeAndNoModel) {
  std::vector<uint8_t> file;
  ASSERT_TRUE(ExportPreset(*test::MakeDatabase(kModelPvr), file).Ok());
  EXPECT_EQ(ReadU32BE(&file[2]) >> 16, 0x7FCDu);
  EXPECT_EQ(file[3], 0xCD);

  SettingsDatabase empty(test::FixedClock);
  std::vector<uint8_t> untouched = {1, 2, 3};
  const PresetExportResult result = ExportPreset(empty, untouched);
  EXPECT_EQ(result.status, PresetExportStatus::kNoModel);
  EXPECT_FALSE(result.Message().empty());
  EXPECT_EQ(untouched, (std::vector<uint8_t>{1, 2, 3}));
}

TEST(PresetExport, DataLayoutOfSectionsAndRecords) {
  auto db = test::MakeDatabase(kModelFtaCi);
  SatelliteNode& sat = *db->GetSatelliteNode(2);
  sat.SetName("Astra 19.2E");
  sat.Satellite().SetPosition(-50);
  sat.Satellite().SetMotorIndex(7);
  sat.Lnb().Set12V(true);
  test::AddTransponders(*db, 5, 1);
  test::AddTransponders(*db, 2, 2);
  // Moving satellite 2's second transponder first: export follows positions.
  db->MoveTransponderInSatellite(db->GetSatelliteNode(2)->GetTransponder(1), 0);
  const std::vector<uint8_t> data = EncodePresetData(CollectPresetContent(*db));

  EXPECT_EQ(std::string(reinterpret_cast<const char*>(data.data()), 4), "ucr.");
  EXPECT_EQ(ReadU32LE(&data[4]), 4u);
  EXPECT_EQ(TextAt(data, 76), "KORVA-NETIX 1 Preprogram Data");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&data[156]), 20), std::string(20, '*'));
  EXPECT_EQ(TextAt(data, 176), " Mass Production Test Data XXXX");
  for (size_t c = 0; c < 4; ++c) EXPECT_EQ(ReadU32LE(&data[236 + 4 * c]), 2u);
  EXPECT_EQ(TextAt(data, 252 + 11), "ANT NO");
  EXPECT_EQ(TextAt(data, 252 + 56 + 124 + 8), "SAT NO");
  EXPECT_EQ(TextAt(data, 252 + 56 + 248 + 16 + 32 + 10), "CHAN NO");

  const size_t section = 636;
  EXPECT_EQ(TextAt(data, section + 20), " Quorvanta PreSet Data XXXX");
  EXPECT_EQ(ReadU32LE(&data[section + 80]), 64u);
  EXPECT_EQ(ReadU32LE(&data[section + 84]), 64u);
  EXPECT_EQ(ReadU32LE(&data[section + 88]), 3u);
  EXPECT_EQ(ReadU32LE(&data[section + 92]), 0u);
  const size_t antenna = section + 96 + 2 * 28;
  EXPECT_EQ(data[antenna], 2);
  EXPECT_EQ(ReadU16LE(&data[antenna + 2]), 10600);
  EXPECT_EQ(ReadU16LE(&data[antenna + 4]), 9750);
  EXPECT_EQ(data[antenna + 9], 1);
  EXPECT_EQ(TextAt(data, antenna + 11), "Astra 19.2E");
  const size_t satellite = section + 96 + 64 * 28 + 2 * 124;
  EXPECT_EQ(data[satellite + 3], 7);
  EXPECT_EQ(static_cast<int16_t>(ReadU16LE(&data[satellite + 6])), -50);
  EXPECT_EQ(static_cast<int16_t>(ReadU16LE(&data[satellite + 120])), -50);
  EXPECT_EQ(TextAt(data, satellite + 8), "Astra 19.2E");
  EXPECT_EQ(TextAt(data, satellite + 24 + 12), "PRE_CHAN_1");

  const size_t transponders = section + 96 + 64 * (28 + 124);
  EXPECT_EQ(data.size(), transponders + 3 * 8);
  const uint16_t expected[][2] = {{10710, 2}, {10700, 2}, {10700, 5}};
  for (size_t i = 0; i < 3; ++i) {
    const uint8_t* record = &data[transponders + 8 * i];
    EXPECT_EQ(ReadU16LE(record), expected[i][0]);
    EXPECT_EQ(ReadU16LE(record + 2), 27500);
    EXPECT_EQ(record[4], expected[i][1]);
    EXPECT_EQ(record[5], 5);  // FEC Auto
    EXPECT_EQ(record[6], 1);  // horizontal
    EXPECT_EQ(record[7], 0);
  }
}

}  // namespace
}  // namespace vq
