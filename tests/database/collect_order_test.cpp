// The sorted collections and the favourite counts on random databases whose
// numbers are dense, duplicated or scattered over the whole 16-bit range:
// each must agree with a plain walk over the index and a stable sort.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "database/link_word.h"
#include "support/random_database.h"

namespace vq {
namespace {

// Every channel in index order: satellites, transponders, channels.
std::vector<ChannelNode*> IndexOrder(const SettingsDatabase& db) {
  std::vector<ChannelNode*> channels;
  for (int s = 0; s < kSatelliteCount; ++s) {
    const SatelliteNode* satellite = db.GetSatelliteNode(s);
    for (int t = 0; t < satellite->GetTransponderCount(); ++t) {
      const TransponderNode* transponder = satellite->GetTransponder(t);
      for (int c = 0; c < transponder->GetChannelCount(); ++c)
        channels.push_back(transponder->GetChannel(c));
    }
  }
  return channels;
}

// Numbers from 0..span-1: a span below the channel count gives duplicates,
// one of 65536 scatters them.
void ScatterNumbers(SettingsDatabase& db, std::mt19937& rng, int span) {
  for (ChannelNode* c : IndexOrder(db)) {
    ChannelRecord r = c->Record();
    r.SetChannelNumber(static_cast<uint16_t>(rng() % static_cast<unsigned>(span)));
    r.SetFreeNumber(static_cast<uint16_t>(rng() % static_cast<unsigned>(span)));
    r.SetSatellitePosition(static_cast<uint16_t>(rng() % static_cast<unsigned>(std::min(span, 8192))));
    for (int g = 0; g < kFavoriteGroupCount; ++g)
      r.SetFavoritePlace(g, rng() % 3 == 0 ? static_cast<uint8_t>(128 + rng() % 128) : 0);
  }
}

// The satellite the lists of satellite `number` show: the first one set up
// with that number.
const SatelliteNode* FirstNumbered(const SettingsDatabase& db, int number) {
  for (int s = 0; s < kSatelliteCount; ++s) {
    const SatelliteNode* satellite = db.GetSatelliteNode(s);
    if (satellite->HasSatellite() && satellite->GetNumber() == number) return satellite;
  }
  return nullptr;
}

std::vector<ChannelNode*> Expected(const SettingsDatabase& db, int type, int filter,
                                   int satellite) {
  std::vector<ChannelNode*> list;
  for (ChannelNode* c : IndexOrder(db)) {
    const ChannelRecord r = c->Record();
    if (!TypeMatches(r.GetType(), type)) continue;
    if (filter == kFilterFree && r.IsScrambled()) continue;
    if (filter == kFilterScrambled && !r.IsScrambled()) continue;
    if (filter == kFilterSatellite && c->GetTransponder()->GetSatellite() != FirstNumbered(db, satellite))
      continue;
    list.push_back(c);
  }
  auto key = [filter](const ChannelNode* c) -> uint32_t {
    const ChannelRecord r = c->Record();
    if (filter == kFilterFree || filter == kFilterScrambled) return r.GetFreeNumber();
    if (filter == kFilterSatellite)
      return (static_cast<uint32_t>(r.GetType()) << 16) | LinkPosition(r.GetSatelliteLink());
    return r.GetChannelNumber();
  };
  std::stable_sort(list.begin(), list.end(),
                   [&](const ChannelNode* a, const ChannelNode* b) { return key(a) < key(b); });
  return list;
}

TEST(CollectOrder, ChannelsFollowAStableSortOfTheirNumbersForEveryFilter) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    std::mt19937 rng(seed);
    auto db = test::MakeRandomDatabase(kModelPvr, seed, {.transponders = 150, .channels = 900});
    // Unchanged numbers (dense), heavy duplicates, and scattered ones.
    if (seed % 3 == 1) ScatterNumbers(*db, rng, 40);
    if (seed % 3 == 2) ScatterNumbers(*db, rng, 65536);
    std::vector<int> satellites;
    for (int s = 0; s < kSatelliteCount; s += 9)
      if (db->GetSatelliteNode(s)->HasSatellite())
        satellites.push_back(db->GetSatelliteNode(s)->GetNumber());
    for (int type = kTv; type <= kAllTypes; ++type) {
      for (int filter : {int{kFilterNone}, int{kFilterFree}, int{kFilterScrambled}}) {
        std::vector<ChannelNode*> list;
        db->CollectChannels(list, type, filter);
        ASSERT_EQ(list, Expected(*db, type, filter, -1))
            << "seed " << seed << " type " << type << " filter " << filter;
      }
      for (int number : satellites) {
        std::vector<ChannelNode*> list;
        db->CollectChannels(list, type, kFilterSatellite, number);
        ASSERT_EQ(list, Expected(*db, type, kFilterSatellite, number))
            << "seed " << seed << " type " << type << " satellite " << number;
      }
    }
  }
}

TEST(CollectOrder, AReorderTakesExactlyThePermutationsOfTheList) {
  for (unsigned seed = 1; seed <= 10; ++seed) {
    std::mt19937 rng(seed);
    auto db = test::MakeRandomDatabase(kModelPvr, seed, {.transponders = 60, .channels = 400});
    // A twin with the same slots: its nodes look like members by slot only.
    auto twin = test::MakeRandomDatabase(kModelPvr, seed, {.transponders = 60, .channels = 400});
    const int type = static_cast<int>(seed % 2);
    std::vector<ChannelNode*> list;
    db->CollectChannels(list, type, kFilterNone);
    std::vector<ChannelNode*> twins;
    twin->CollectChannels(twins, type, kFilterNone);
    ASSERT_GT(list.size(), 2u);
    ASSERT_EQ(list.size(), twins.size());
    std::shuffle(list.begin(), list.end(), rng);
    const size_t at = rng() % list.size();
    std::vector<std::vector<ChannelNode*>> wrong(4, list);
    wrong[0][at] = twins[at];                   // a stranger with a member's slot
    wrong[1][at] = wrong[1][(at + 1) % list.size()];  // one twice, one missing
    wrong[2][at] = nullptr;
    wrong[3].pop_back();
    for (const auto& order : wrong) {
      std::vector<ChannelNode*> before;
      db->CollectChannels(before, type, kFilterNone);
      EXPECT_FALSE(db->ReorderChannels(type, kFilterNone, -1, order)) << "seed " << seed;
      std::vector<ChannelNode*> after;
      db->CollectChannels(after, type, kFilterNone);
      EXPECT_EQ(after, before);
    }
    ASSERT_TRUE(db->ReorderChannels(type, kFilterNone, -1, list));
    std::vector<ChannelNode*> now;
    db->CollectChannels(now, type, kFilterNone);
    EXPECT_EQ(now, list);
  }
}

TEST(CollectOrder, GroupCountsInOneWalkMatchTheCountsPerGroup) {
  for (unsigned seed = 1; seed <= 8; ++seed) {
    std::mt19937 rng(seed);
    auto db = test::MakeRandomDatabase(kModelPvr, seed, {.transponders = 100, .channels = 700});
    // Damaged places (equal, beyond the capacity) count like any other.
    if (seed % 2) ScatterNumbers(*db, rng, 200);
    // Counted again after deletions and transponder deletions, which free
    // table slots in the middle.
    for (int round = 0; round < 3; ++round) {
      const FavoriteGroupCounts counts = db->CountFavoriteGroups();
      for (int g = 0; g < kFavoriteGroupCount; ++g) {
        const auto at = static_cast<size_t>(g);
        EXPECT_EQ(counts.all[at], db->CountFavoriteMembers(g)) << "seed " << seed << " group " << g;
        EXPECT_EQ(counts.tv[at], db->CollectFavoriteMembers(g, nullptr, kTv));
        EXPECT_EQ(counts.radio[at], db->CollectFavoriteMembers(g, nullptr, kRadio));
      }
      std::vector<ChannelNode*> channels;
      db->CollectChannels(channels, kAllTypes, kFilterNone);
      std::vector<ChannelNode*> doomed;
      for (ChannelNode* c : channels)
        if (rng() % 4 == 0) doomed.push_back(c);
      db->DeleteChannels(doomed);
      std::vector<TransponderNode*> transponders;
      for (int t = 0; t < db->GetSatelliteNode(0)->GetTransponderCount(); t += 3)
        transponders.push_back(db->GetSatelliteNode(0)->GetTransponder(t));
      db->DeleteTransponders(transponders);
    }
  }
  const FavoriteGroupCounts empty = test::MakeDatabase(kModelPvr)->CountFavoriteGroups();
  EXPECT_EQ(empty.all, (std::array<int, kFavoriteGroupCount>{}));
}

}  // namespace
}  // namespace vq
