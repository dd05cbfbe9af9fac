#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "editing/preset/preset_data.h"
#include "editing/preset/preset_envelope.h"
#include "editing/preset/preset_file.h"
#include "support/random_database.h"

namespace vq {
namespace {

// One satellite's transponders by position: frequency, rate, polarisation, FEC.
std::vector<std::array<int, 4>> TranspondersOf(const SatelliteNode& node) {
  std::vector<const TransponderNode*> list;
  for (int i = 0; i < node.GetTransponderCount(); ++i) list.push_back(node.GetTransponder(i));
  std::stable_sort(list.begin(), list.end(), [](auto a, auto b) {
    return a->Record().GetPosition() < b->Record().GetPosition();
  });
  std::vector<std::array<int, 4>> fields;
  for (const TransponderNode* t : list) {
    const TransponderRecord r = t->Record();
    fields.push_back({r.GetFrequency(), r.GetSymbolRate(), r.GetPolarization(), r.GetFec()});
  }
  return fields;
}

void ExpectSameSatellite(const SatelliteNode& a, const SatelliteNode& b) {
  const SatelliteRecord sa = a.Satellite(), sb = b.Satellite();
  EXPECT_EQ(a.GetName(), b.GetName());
  EXPECT_EQ(sa.GetPosition(), sb.GetPosition());
  EXPECT_EQ(sa.GetMotorIndex(), sb.GetMotorIndex());
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(sa.GetPredefinedName(k), sb.GetPredefinedName(k));
    EXPECT_EQ(sa.GetPredefinedFrequency(k), sb.GetPredefinedFrequency(k));
    EXPECT_EQ(sa.GetPredefinedSymbolRate(k), sb.GetPredefinedSymbolRate(k));
    EXPECT_EQ(sa.GetPredefinedPolarization(k), sb.GetPredefinedPolarization(k));
    EXPECT_EQ(sa.GetPredefinedVideoPid(k), sb.GetPredefinedVideoPid(k));
    EXPECT_EQ(sa.GetPredefinedAudioPid(k), sb.GetPredefinedAudioPid(k));
    EXPECT_EQ(sa.GetPredefinedPcrPid(k), sb.GetPredefinedPcrPid(k));
  }
  const LnbRecord la = a.Lnb(), lb = b.Lnb();
  EXPECT_EQ(la.GetType(), lb.GetType());
  EXPECT_EQ(la.GetHighOscillator(), lb.GetHighOscillator());
  EXPECT_EQ(la.GetLowOscillator(), lb.GetLowOscillator());
  EXPECT_EQ(la.Is22kHz(), lb.Is22kHz());
  EXPECT_EQ(la.Is12V(), lb.Is12V());
  EXPECT_EQ(TranspondersOf(a), TranspondersOf(b));
}

PresetContent ReadBack(const std::vector<uint8_t>& file) {
  PresetContent content;
  EXPECT_TRUE(ReadPresetFile(file, content).Ok());
  return content;
}

TEST(PresetImport, ExportThenImportGivesTheSameSatellitesAndTransponders) {
  for (int32_t model : {kModelFtaCi, kModelPvr}) {
    auto source = test::MakeRandomDatabase(model, 7u + static_cast<unsigned>(model));
    source->GetSatelliteNode(0)->Satellite().SetPosition(192);
    source->GetSatelliteNode(63)->Satellite().SetPosition(-50);
    std::vector<uint8_t> file;
    ASSERT_TRUE(ExportPreset(*source, file).Ok());

    // The target starts as the other model, full of channels.
    auto target = test::MakeRandomDatabase(1 - model, 99);
    ASSERT_TRUE(ImportPreset(ReadBack(file), *target).Ok());

    EXPECT_EQ(target->GetModel(), model);
    EXPECT_EQ(target->CountChannels(kAllTypes), 0);
    EXPECT_EQ(target->GetTransponderTotal(), source->GetTransponderTotal());
    EXPECT_EQ(target->GetSatelliteNode(0)->Satellite().GetPosition(), 192);
    EXPECT_EQ(target->GetSatelliteNode(63)->Satellite().GetPosition(), -50);
    for (int s = 0; s < kSatelliteCount; ++s) {
      SCOPED_TRACE(s);
      ExpectSameSatellite(*source->GetSatelliteNode(s), *target->GetSatelliteNode(s));
    }
    // The default configuration, apart from the slot hint the additions moved.
    auto expected = test::MakeDatabase(model);
    expected->GetConfigRecord().SetTransponderHint(target->GetConfigRecord().GetTransponderHint());
    EXPECT_EQ(std::memcmp(target->GetConfigBytes(), expected->GetConfigBytes(), kConfigRecordSize),
              0);
  }
}

TEST(PresetImport, VersionFiveReadsShortSatelliteRecordsWithoutPositions) {
  auto source = test::MakeRandomDatabase(kModelFtaCi, 3);
  PresetContent content = CollectPresetContent(*source);
  content.version = 5;
  const std::vector<uint8_t> data = EncodePresetData(content);
  EXPECT_EQ(data.size(), 10460u - 66 * 4 + 8 * content.transponders.size());
  std::vector<uint8_t> file;
  ASSERT_EQ(WrapPresetData(kModelFtaCi, 5, data, file), PresetExportStatus::kOk);

  auto target = test::MakeDatabase(kModelPvr);
  ASSERT_TRUE(ImportPreset(ReadBack(file), *target).Ok());
  EXPECT_EQ(target->GetModel(), kModelFtaCi);
  for (int s = 0; s < kSatelliteCount; ++s) {
    SCOPED_TRACE(s);
    EXPECT_EQ(target->GetSatelliteNode(s)->Satellite().GetPosition(), 0);
    source->GetSatelliteNode(s)->Satellite().SetPosition(0);
    ExpectSameSatellite(*source->GetSatelliteNode(s), *target->GetSatelliteNode(s));
  }
}

TEST(PresetImport, TranspondersBeyondTheTableKeepThoseThatFitted) {
  PresetContent content;
  content.model = kModelPvr;
  content.satellites.resize(1);
  content.satellites[0].name = "Hot Bird";
  for (int i = 0; i < 1700; ++i)
    content.transponders.push_back({static_cast<uint16_t>(10700 + i), 27500,
                                    static_cast<uint8_t>(i % 70), 2, 2});
  auto db = test::MakeDatabase(kModelFtaCi);
  const PresetImportResult result = ImportPreset(content, *db);
  EXPECT_EQ(result.status, PresetImportStatus::kNoSpace);
  EXPECT_EQ(result.Message(), "No space left for the transponders!");
  EXPECT_EQ(db->GetModel(), kModelPvr);
  EXPECT_EQ(db->GetSatelliteNode(0)->GetName(), "Hot Bird");
  EXPECT_EQ(db->GetTransponderTotal(), kTransponderCapacity);
  // Records naming satellite numbers 64..69 are skipped, not counted.
  EXPECT_EQ(db->GetSatelliteNode(1)->GetTransponder(0)->Record().GetFrequency(), 10701);
  EXPECT_EQ(db->GetSatelliteNode(0)->GetTransponder(1)->Record().GetFrequency(), 10770);
}

TEST(PresetImport, ContentWithoutModelLeavesTheTargetAlone) {
  auto db = test::MakeRandomDatabase(kModelFtaCi, 5);
  const std::vector<uint8_t> before(db->TransponderTable().begin(), db->TransponderTable().end());
  PresetContent content;
  content.model = kModelNone;
  EXPECT_EQ(ImportPreset(content, *db).Message(), "File is corrupted!");
  EXPECT_TRUE(std::equal(before.begin(), before.end(), db->TransponderTable().begin()));
}

TEST(PresetImport, OnlyTheFirstSixtyFourAntennasAndSatellitesCount) {
  PresetContent content;
  content.antennas.resize(70);
  content.satellites.resize(70);
  content.antennas[69].highOscillator = 5150;
  content.satellites[63].name = "Last";
  content.transponders.push_back({12000, 22000, 63, 1, 2});
  std::vector<uint8_t> file;
  ASSERT_EQ(WrapPresetData(kModelFtaCi, 6, EncodePresetData(content), file),
            PresetExportStatus::kOk);
  const PresetContent read = ReadBack(file);
  EXPECT_EQ(read.antennas.size(), 64u);
  EXPECT_EQ(read.satellites.size(), 64u);
  EXPECT_EQ(read.satellites[63].name, "Last");
  ASSERT_EQ(read.transponders.size(), 1u);
  EXPECT_EQ(read.transponders[0].frequency, 12000);
  EXPECT_EQ(read.transponders[0].satellite, 63);
}

}  // namespace
}  // namespace vq
