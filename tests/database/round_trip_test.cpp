#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>

#include "database/index_observer.h"
#include "database/link_word.h"
#include "support/random_database.h"

namespace vq {
namespace {

using test::MakeDatabase;
using test::MakeRandomDatabase;

// First differing offset of two byte ranges, as hex text, or "" when equal.
std::string FirstDifference(std::span<const uint8_t> a, std::span<const uint8_t> b) {
  if (a.size() != b.size()) return "sizes " + std::to_string(a.size()) + " vs " + std::to_string(b.size());
  const auto [pa, pb] = std::mismatch(a.begin(), a.end(), b.begin());
  if (pa == a.end()) return "";
  std::ostringstream out;
  out << "offset 0x" << std::hex << (pa - a.begin()) << ": " << int(*pa) << " vs " << int(*pb);
  return out.str();
}

// The index as text: every node's slots, transponders and channels in order.
std::string DescribeIndex(const SettingsDatabase& db) {
  std::ostringstream out;
  for (int s = 0; s < kSatelliteCount; ++s) {
    const SatelliteNode* node = db.GetSatelliteNode(s);
    out << 's' << node->GetTableIndex() << '/' << node->GetLnbTableIndex() << ':';
    for (int t = 0; t < node->GetTransponderCount(); ++t) {
      const TransponderNode* tp = node->GetTransponder(t);
      out << 't' << tp->GetTableIndex() << '(';
      for (int c = 0; c < tp->GetChannelCount(); ++c) out << tp->GetChannel(c)->GetTableIndex() << ',';
      out << ')';
    }
    out << '\n';
  }
  return out.str();
}

std::unique_ptr<SettingsDatabase> Reload(std::span<const uint8_t> image, int32_t model) {
  auto db = std::make_unique<SettingsDatabase>(test::FixedClock);
  db->ResetToDefaults(model, false);
  EXPECT_TRUE(db->LoadImage(image));
  return db;
}

void ExpectSameTables(SettingsDatabase& a, SettingsDatabase& b) {
  EXPECT_EQ(a.GetModel(), b.GetModel());
  EXPECT_EQ(a.GetExtendedConfig(), b.GetExtendedConfig());
  EXPECT_EQ(FirstDifference(a.SatelliteTable(), b.SatelliteTable()), "");
  EXPECT_EQ(FirstDifference(a.LnbTable(), b.LnbTable()), "");
  EXPECT_EQ(FirstDifference(a.TransponderTable(), b.TransponderTable()), "");
  const size_t channelBytes = static_cast<size_t>(a.GetChannelCapacity()) * kChannelRecordSize;
  EXPECT_EQ(FirstDifference(a.ChannelTable().first(channelBytes), b.ChannelTable().first(channelBytes)), "");
  // The allocation hints are worked out afresh by every load.
  std::array<uint8_t, kConfigRecordSize> ca, cb;
  std::memcpy(ca.data(), a.GetConfigBytes(), ca.size());
  std::memcpy(cb.data(), b.GetConfigBytes(), cb.size());
  std::fill(ca.begin() + 428, ca.begin() + 432, 0);
  std::fill(cb.begin() + 428, cb.begin() + 432, 0);
  const size_t configBytes = a.GetExtendedConfig() ? kConfigRecordSize : kConfigRecordShortSize;
  EXPECT_EQ(FirstDifference(std::span(ca).first(configBytes), std::span(cb).first(configBytes)), "");
  EXPECT_EQ(DescribeIndex(a), DescribeIndex(b));
}

class RoundTrip : public ::testing::TestWithParam<std::tuple<int32_t, unsigned>> {};

TEST_P(RoundTrip, SaveThenLoadGivesBackTheTablesAndIndex) {
  const auto [model, seed] = GetParam();
  auto db = MakeRandomDatabase(model, seed);
  std::vector<uint8_t> image;
  ASSERT_TRUE(db->GetSettings(image));
  auto loaded = Reload(image, model);
  ExpectSameTables(*db, *loaded);

  std::vector<uint8_t> again;
  ASSERT_TRUE(loaded->GetSettings(again));
  auto third = Reload(again, model);
  std::vector<uint8_t> thrice;
  ASSERT_TRUE(third->GetSettings(thrice));
  EXPECT_EQ(FirstDifference(again, thrice), "");
}

INSTANTIATE_TEST_SUITE_P(BothModels, RoundTrip,
                         ::testing::Combine(::testing::Values(kModelFtaCi, kModelPvr),
                                            ::testing::Values(1u, 2u, 3u, 4u)));

class CountingObserver : public IndexObserver {
 public:
  void ChannelsDeleting(const std::vector<ChannelNode*>&) override {}
  void TranspondersDeleting(const std::vector<TransponderNode*>&) override {}
  void IndexResetting() override { ++resets; }
  int resets = 0;
};

// Swapping two databases of either model exchanges their images, indexes
// and nodes; both stay fully editable and save what the other saved before.
TEST(SwapContent, ExchangesImagesIndexesAndNodes) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    const int32_t modelA = seed % 2 ? kModelPvr : kModelFtaCi;
    const int32_t modelB = seed % 3 ? kModelFtaCi : kModelPvr;
    auto a = MakeRandomDatabase(modelA, seed);
    auto b = MakeRandomDatabase(modelB, seed + 100);
    CountingObserver seesA, seesB;
    a->SetIndexObserver(&seesA);
    b->SetIndexObserver(&seesB);
    std::vector<uint8_t> imageA, imageB;
    ASSERT_TRUE(a->GetSettings(imageA));
    ASSERT_TRUE(b->GetSettings(imageB));
    const std::string indexA = DescribeIndex(*a), indexB = DescribeIndex(*b);
    std::vector<ChannelNode*> nodesB;
    b->CollectChannels(nodesB, kAllTypes, kFilterNone);

    a->SwapContent(*b);
    EXPECT_EQ(seesA.resets, 1);
    EXPECT_EQ(seesB.resets, 1);
    EXPECT_EQ(a->GetModel(), modelB);
    EXPECT_EQ(DescribeIndex(*a), indexB);
    EXPECT_EQ(DescribeIndex(*b), indexA);
    for (ChannelNode* node : nodesB) ASSERT_EQ(a->FindChannelNode(node->GetTableIndex()), node);
    std::vector<uint8_t> savedA, savedB;
    ASSERT_TRUE(a->GetSettings(savedA));
    ASSERT_TRUE(b->GetSettings(savedB));
    EXPECT_EQ(FirstDifference(savedA, imageB), "") << seed;
    EXPECT_EQ(FirstDifference(savedB, imageA), "") << seed;

    // Edits after the swap land in the right tables: a reload sees them.
    if (!nodesB.empty()) {
      nodesB.back()->Record().SetName("Swapped");
      a->DeleteChannels({nodesB.front()});
      ASSERT_TRUE(a->GetSettings(savedA));
      auto reloaded = Reload(savedA, modelB);
      ExpectSameTables(*a, *reloaded);
    }
    a->SetIndexObserver(nullptr);
    b->SetIndexObserver(nullptr);
  }
}

TEST(RoundTripFiles, ResaveOfAProgramMadeFileIsByteExact) {
  test::RandomDatabaseOptions noDeletes;
  noDeletes.deletes = false;
  auto db = MakeRandomDatabase(kModelPvr, 11, noDeletes);
  std::vector<uint8_t> first;
  ASSERT_TRUE(db->GetSettings(first));
  std::vector<uint8_t> second;
  ASSERT_TRUE(Reload(first, kModelPvr)->GetSettings(second));
  EXPECT_EQ(FirstDifference(first, second), "");
}

TEST(RoundTripFiles, EditingAChannelRewritesOnlyItsSector) {
  auto db = MakeRandomDatabase(kModelPvr, 5);
  std::vector<uint8_t> image;
  ASSERT_TRUE(db->GetSettings(image));
  std::vector<ChannelNode*> channels;
  db->CollectChannels(channels, kAllTypes, kFilterNone);
  ASSERT_FALSE(channels.empty());
  channels.front()->Record().SetName("Edited");
  std::vector<uint8_t> edited;
  ASSERT_TRUE(db->GetSettings(edited));
  EXPECT_EQ(Reload(edited, kModelPvr)->FindChannelNode(channels.front()->GetTableIndex())
                ->Record().GetName(), "Edited");
}

// Moving satellites around must keep each one with its own LNB record,
// transponders and channels through a save and reload.
TEST(SatelliteIdentity, SurvivesMovesSaveAndReload) {
  auto db = MakeDatabase(kModelPvr);
  for (int s = 0; s < 6; ++s) {
    SatelliteNode* node = db->GetSatelliteNode(s);
    node->SetName("X" + std::to_string(s));
    node->Lnb().SetHighOscillator(static_cast<uint16_t>(10000 + s));
    auto tps = test::AddTransponders(*db, s, s + 1);
    for (TransponderNode* t : tps) {
      t->Record().SetFrequency(static_cast<uint16_t>(11000 + s));
      test::AddChannels(*db, t, kTv, 2);
    }
  }
  db->MoveSatellite(db->GetSatelliteNode(0), 4);
  db->MoveSatellite(db->GetSatelliteNode(5), 1);
  db->MoveSatellite(db->GetSatelliteNode(3), 3);
  db->MoveSatellite(db->GetSatelliteNode(2), 63);
  std::vector<std::string> order;
  for (int s = 0; s < 64; ++s) order.push_back(db->GetSatelliteNode(s)->GetName());

  std::vector<uint8_t> image;
  ASSERT_TRUE(db->GetSettings(image));
  auto loaded = Reload(image, kModelPvr);
  for (int s = 0; s < 64; ++s) {
    const SatelliteNode* node = loaded->GetSatelliteNode(s);
    ASSERT_EQ(node->GetName(), order[s]) << s;
    EXPECT_EQ(node->GetNumber(), s);
    if (order[s].size() != 2 || order[s][0] != 'X') continue;
    const int original = order[s][1] - '0';
    EXPECT_EQ(node->Lnb().GetHighOscillator(), 10000 + original) << order[s];
    ASSERT_EQ(node->GetTransponderCount(), original + 1) << order[s];
    for (int t = 0; t < node->GetTransponderCount(); ++t) {
      EXPECT_EQ(node->GetTransponder(t)->Record().GetFrequency(), 11000 + original);
      EXPECT_EQ(node->GetTransponder(t)->GetChannelCount(), 2);
    }
  }
  EXPECT_EQ(DescribeIndex(*db), DescribeIndex(*loaded));
}

}  // namespace
}  // namespace vq
