// Damaged and hostile images: every one is refused or loaded as the loading
// rules say, and nothing reads or writes outside its buffers (the suite runs
// under AddressSanitizer and UndefinedBehaviorSanitizer).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>

#include "common/byte_io.h"
#include "support/database_builder.h"
#include "support/image_signing.h"

namespace vq {
namespace {

constexpr size_t kSatelliteFile = kFlashSectorAreaOffset + 160;                // physical 0
constexpr size_t kChannelFile = kFlashSectorAreaOffset + kFlashSectorSize + 160;  // physical 1

class DamagedImage : public ::testing::Test {
 protected:
  void SetUp() override {
    auto db = test::MakeDatabase(kModelFtaCi);
    auto tp = test::AddTransponders(*db, 0, 3);
    test::AddChannels(*db, tp[0], kTv, 4);
    test::AddChannels(*db, tp[2], kRadio, 2);
    db->GetSettings(image);
  }
  // Patches, re-signs and loads; returns the load result.
  bool Load(size_t offset, std::initializer_list<uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<ptrdiff_t>(offset));
    test::ResignImage(image, kLogicalSectorsModel0);
    loaded = std::make_unique<SettingsDatabase>(test::FixedClock);
    loaded->ResetToDefaults(kModelFtaCi, false);
    return loaded->LoadImage(image);
  }
  std::vector<uint8_t> image;
  std::unique_ptr<SettingsDatabase> loaded;
};

TEST_F(DamagedImage, SatelliteNumbersOutOfRangeOrDuplicatedAreRefused) {
  EXPECT_FALSE(Load(kSatelliteFile + 3 * 128 + 22, {64, 0}));
  EXPECT_EQ(loaded->GetModel(), kModelNone);
  SetUp();
  EXPECT_FALSE(Load(kSatelliteFile + 3 * 128 + 22, {4, 0}));
  SetUp();
  EXPECT_FALSE(Load(kSatelliteFile + kLnbTableOffset + 9 * 32 + 28, {0xFF, 0xFF}));
}

TEST_F(DamagedImage, KeysPointingNowhereLeaveRecordsOutOfTheIndex) {
  // Transponder 1 names satellite key 8191; channel 0 names transponder 1499.
  ASSERT_TRUE(Load(kSatelliteFile + kTransponderTableOffset + 36 + 28, {0x00, 0x80, 0xFF, 0x0F}));
  EXPECT_EQ(loaded->GetTransponderTotal(), 2);
  ASSERT_TRUE(Load(kChannelFile + 60, {0x00, 0x80, 0xED, 0x02}));
  EXPECT_EQ(loaded->CountChannels(kAllTypes), 5);
  EXPECT_EQ(loaded->FindChannelNode(0), nullptr);
  std::vector<uint8_t> saved;
  ASSERT_TRUE(loaded->GetSettings(saved));
  EXPECT_EQ(ReadU32LE(&saved[kChannelFile + 60]), ReadU32LE(&image[kChannelFile + 60]))
      << "an unplaced record is kept as it was";
}

TEST_F(DamagedImage, SectorsThatLieAboutThemselvesAreIgnored) {
  // A stored length past the payload, a logical number past the store and a
  // config block length of 864 all make the part invisible: the load fails.
  EXPECT_FALSE(Load(kFlashSectorAreaOffset + kFlashSectorSize + 152, {0x61, 0xFF, 0, 0}));
  SetUp();
  EXPECT_FALSE(Load(kFlashSectorAreaOffset + 144, {6, 0, 0, 0}));
  SetUp();
  EXPECT_FALSE(Load(kEeprom0Offset + 144, {0x60, 0x03, 0, 0}));
  SetUp();
  // A second valid copy of logical 0 with an older generation loses.
  std::copy_n(image.begin() + kFlashSectorAreaOffset, kFlashSectorSize,
              image.begin() + kFlashSectorAreaOffset + 6 * kFlashSectorSize);
  WriteU32LE(&image[kFlashSectorAreaOffset + 6 * kFlashSectorSize + 136], 0);
  EXPECT_TRUE(Load(kFlashSectorAreaOffset + 6 * kFlashSectorSize + 160, {'Z'}));
  EXPECT_EQ(loaded->GetSatelliteNode(0)->GetName(), "Satellite01");
}

// The fuzzer re-signs only what its patches touched; that must equal
// re-signing every block and sector, and change nothing but the checksums
// it reports.
TEST_F(DamagedImage, ResigningThePatchedRangesEqualsResigningEverything) {
  std::mt19937 rng(17);
  for (int round = 0; round < 60; ++round) {
    auto patched = image;
    std::vector<std::pair<size_t, size_t>> patches;
    for (int p = 0; p < 1 + round % 3; ++p) {
      const size_t offset = rng() % patched.size();
      const size_t length = std::min<size_t>(rng() % 300, patched.size() - offset);
      for (size_t i = 0; i < length; ++i) patched[offset + i] = static_cast<uint8_t>(rng());
      patches.emplace_back(offset, length);
      // A short stored length, so that the patched block or sector is signed.
      const size_t sector = kFlashSectorAreaOffset +
                            rng() % (kLogicalSectorsModel0 + 1) * kFlashSectorSize;
      const size_t block = kEeprom0Offset + rng() % 32 * kConfigBlockSize;
      const size_t field = rng() % 2 ? sector + 152 : block + 144;
      WriteU32LE(&patched[field], rng() % 800);
      patches.emplace_back(field, 4);
    }
    auto everything = patched;
    test::ResignImage(everything, kLogicalSectorsModel0);
    auto ranged = patched;
    std::vector<size_t> checksums;
    for (const auto& [offset, length] : patches)
      for (size_t at : test::ResignImage(ranged, kLogicalSectorsModel0, offset, offset + length))
        checksums.push_back(at);
    ASSERT_TRUE(ranged == everything) << "round " << round;
    for (size_t i = 0; i < ranged.size(); ++i) {
      if (ranged[i] == patched[i]) continue;
      ASSERT_TRUE(std::any_of(checksums.begin(), checksums.end(),
                              [i](size_t at) { return i >= at && i < at + 4; }))
          << "round " << round << " byte " << i;
    }
  }
}

TEST(DamagedImageSizes, WrongSizesAndRandomBytesNeverCrash) {
  std::mt19937 rng(7);
  for (size_t size : {size_t{0}, size_t{1}, size_t{40960}, kImageSizeModel0 - 1, kImageSizeModel0,
                      kImageSizeModel1, kImageSizeModel1 + 1}) {
    std::vector<uint8_t> bytes(size);
    for (auto& b : bytes) b = static_cast<uint8_t>(rng());
    for (int32_t model : {kModelFtaCi, kModelPvr}) {
      SettingsDatabase db(test::FixedClock);
      db.ResetToDefaults(model, false);
      EXPECT_FALSE(db.LoadImage(bytes)) << size;
    }
  }
  std::vector<uint8_t> erased(kImageSizeModel1, 0xFF);
  SettingsDatabase db(test::FixedClock);
  db.ResetToDefaults(kModelPvr, false);
  EXPECT_FALSE(db.LoadImage(erased));
  EXPECT_EQ(db.GetModel(), kModelPvr) << "no configuration block: the reset state stays";
}

}  // namespace
}  // namespace vq
