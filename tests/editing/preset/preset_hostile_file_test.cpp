#include <gtest/gtest.h>
#include <zlib.h>

#include "common/byte_io.h"
#include "editing/preset/preset_data.h"
#include "editing/preset/preset_envelope.h"
#include "editing/preset/preset_file.h"
#include "editing/preset/preset_format.h"
#include "editing/preset_test_support.h"
#include "support/database_builder.h"

namespace vq {
namespace {

using namespace preset;

std::vector<uint8_t> ValidFile() {
  auto db = test::MakeDatabase(kModelFtaCi);
  test::AddTransponders(*db, 1, 30);
  std::vector<uint8_t> file;
  EXPECT_TRUE(ExportPreset(*db, file).Ok());
  return file;
}

std::string_view Read(const std::vector<uint8_t>& file) {
  PresetContent content;
  content.version = 99;
  const PresetImportResult result = ReadPresetFile(file, content);
  EXPECT_TRUE(result.Ok() || content.version == 99) << "output changed by a failed read";
  return result.Message();
}

constexpr std::string_view kPresetCorrupted = "Preset File is corrupted!";

TEST(PresetHostileFile, AnyChangedStreamByteFailsTheSum) {
  const std::vector<uint8_t> valid = ValidFile();
  const uint32_t length = ReadU32LE(&valid[kStreamLengthOffset]);
  for (size_t i = kStreamOffset; i < kStreamOffset + length; ++i) {
    std::vector<uint8_t> file = valid;
    file[i] ^= 0x5A;
    ASSERT_EQ(Read(file), kPresetCorrupted) << i;
  }
  EXPECT_EQ(Read(valid), "");
}

TEST(PresetHostileFile, ModelByteAndShortFiles) {
  std::vector<uint8_t> file = ValidFile();
  file[3] = 0xE0;
  EXPECT_EQ(Read(file), "File is corrupted!");
  EXPECT_EQ(Read({}), "File is corrupted!");
  EXPECT_EQ(Read({1, 2, 0x7F}), "File is corrupted!");
  EXPECT_EQ(Read({1, 2, 0x7F, 0xCD}), kPresetCorrupted);
  file = ValidFile();
  file.resize(159);
  EXPECT_EQ(Read(file), kPresetCorrupted);
}

TEST(PresetHostileFile, EnvelopeLengthsAreBounded) {
  const std::vector<uint8_t> valid = ValidFile();
  const uint32_t length = ReadU32LE(&valid[kStreamLengthOffset]);
  const auto patched = [&](size_t offset, uint32_t value, size_t size = kFileSize) {
    std::vector<uint8_t> file = valid;
    WriteU32LE(&file[offset], value);
    test::ResignPresetFile(file);
    file.resize(size);
    return Read(file);
  };
  std::vector<uint8_t> file = valid;
  file[130] = 'X';
  EXPECT_EQ(Read(file), kPresetCorrupted);
  EXPECT_EQ(patched(kStreamLengthOffset, 0), kPresetCorrupted);
  EXPECT_EQ(patched(kStreamLengthOffset, 65377), kPresetCorrupted);
  EXPECT_EQ(patched(kStreamLengthOffset, 0xFFFFFFFF), kPresetCorrupted);
  EXPECT_EQ(patched(kStreamLengthOffset, length, kStreamOffset + length - 1), kPresetCorrupted);
  EXPECT_EQ(patched(kStreamLengthOffset, length - 4), kPresetCorrupted);  // truncated stream
  EXPECT_EQ(patched(kDataLengthOffset, 0xFFFFFFFF), kPresetCorrupted);
  EXPECT_EQ(patched(kDataLengthOffset, 0), kPresetCorrupted);
  EXPECT_EQ(patched(kDataLengthOffset, 10460 + 240 - 1), kPresetCorrupted);
  EXPECT_EQ(patched(kDataLengthOffset, 10460 + 240 + 1), kPresetCorrupted);
  // Trailing zero bytes inside the stated length are tolerated; the file
  // need not be longer than its stream.
  EXPECT_EQ(patched(kStreamLengthOffset, length + 3), "");
  EXPECT_EQ(patched(kStreamLengthOffset, length, kStreamOffset + length), "");
}

TEST(PresetHostileFile, ZlibBombStopsAtTheStatedLength) {
  const std::vector<uint8_t> zeros(8u << 20, 0);
  std::vector<uint8_t> file;
  ASSERT_EQ(WrapPresetData(kModelPvr, 6, zeros, file), PresetExportStatus::kOk);
  EXPECT_EQ(Read(file), kPresetCorrupted);  // states 8 MiB: never allocated
  WriteU32LE(&file[kDataLengthOffset], 20000);
  test::ResignPresetFile(file);
  EXPECT_EQ(Read(file), kPresetCorrupted);  // inflates past its stated length
}

// Builds a file whose stream area is `member` followed by the zlib stream.
std::vector<uint8_t> WithMemberHeader(const std::vector<uint8_t>& member) {
  std::vector<uint8_t> file = ValidFile();
  const size_t oldHeader = kMemberHeaderSize + kMemberName.size() + 1;
  const uint32_t length = ReadU32LE(&file[kStreamLengthOffset]);
  std::vector<uint8_t> area(member);
  area.insert(area.end(), file.begin() + kStreamOffset + oldHeader,
              file.begin() + kStreamOffset + length);
  std::fill(file.begin() + kStreamOffset, file.end(), 0);
  std::copy(area.begin(), area.end(), file.begin() + kStreamOffset);
  WriteU32LE(&file[kStreamLengthOffset], static_cast<uint32_t>(area.size()));
  test::ResignPresetFile(file);
  return file;
}

TEST(PresetHostileFile, MemberHeaderFieldsAreSkippedWithinTheArea) {
  // Extra field, name, comment and header CRC are all skipped.
  EXPECT_EQ(Read(WithMemberHeader({0x1F, 0x8B, 8, 0x1E, 0, 0, 0, 0, 0, 0, 3, 0, 'x', 'y', 'z',
                                   'n', 0, 'c', 0, 0xAB, 0xCD})),
            "");
  EXPECT_EQ(Read(WithMemberHeader({0, 0, 8, 0, 0, 0, 0, 0, 0, 0})), "");
  EXPECT_EQ(Read(WithMemberHeader({0x1F, 0x8B, 9, 0, 0, 0, 0, 0, 0, 0})), kPresetCorrupted);
  EXPECT_EQ(Read(WithMemberHeader({0x1F, 0x8B, 8, 0x20, 0, 0, 0, 0, 0, 0})), kPresetCorrupted);
  EXPECT_EQ(Read(WithMemberHeader({0x1F, 0x8B, 8, 0x04, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF})),
            kPresetCorrupted);

  // A name without terminator runs to the end of the area.
  std::vector<uint8_t> file = ValidFile();
  WriteU32LE(&file[kStreamLengthOffset], kMemberHeaderSize + 10);
  test::ResignPresetFile(file);
  EXPECT_EQ(Read(file), kPresetCorrupted);
  WriteU32LE(&file[kStreamLengthOffset], kMemberHeaderSize);
  test::ResignPresetFile(file);
  EXPECT_EQ(Read(file), kPresetCorrupted);
}

}  // namespace
}  // namespace vq
