// The counts the index keeps as channels come and go, and batches of bulk
// edits, which must leave exactly the bytes the same calls leave one by one.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "support/random_database.h"

namespace vq {
namespace {

// The counts of every node and of the database, against a walk over the
// records; "" when they all agree.
std::string CountMismatch(const SettingsDatabase& db) {
  std::array<int, 3> total{};
  for (int s = 0; s < kSatelliteCount; ++s) {
    const SatelliteNode* satellite = db.GetSatelliteNode(s);
    std::array<int, 3> inSatellite{};
    for (int t = 0; t < satellite->GetTransponderCount(); ++t) {
      const TransponderNode* transponder = satellite->GetTransponder(t);
      std::array<int, 3> inTransponder{};
      for (int c = 0; c < transponder->GetChannelCount(); ++c) {
        const int type = transponder->GetChannel(c)->Record().GetType();
        if (type >= kTv && type <= kData) ++inTransponder[static_cast<size_t>(type)];
      }
      for (int type = kTv; type <= kData; ++type) {
        const auto k = static_cast<size_t>(type);
        if (transponder->CountChannelsByType().Of(type) != inTransponder[k])
          return "transponder " + std::to_string(transponder->GetTableIndex());
        inSatellite[k] += inTransponder[k];
      }
    }
    for (int type = kTv; type <= kAllTypes; ++type) {
      int expected = 0;
      for (int k = kTv; k <= kData; ++k)
        if (TypeMatches(k, type)) expected += inSatellite[static_cast<size_t>(k)];
      if (satellite->CountChannels(type) != expected) return "satellite " + std::to_string(s);
    }
    for (size_t k = 0; k < 3; ++k) total[k] += inSatellite[k];
  }
  for (int type = kTv; type <= kData; ++type)
    if (db.CountChannels(type) != total[static_cast<size_t>(type)]) return "database";
  return "";
}

// One random edit, the same on every database it is given: channels and
// transponders are named by table slot so that two databases built alike
// take the same steps.
class RandomEdits {
 public:
  explicit RandomEdits(unsigned seed) : rng_(seed) {}

  std::string Step(SettingsDatabase& db) {
    std::vector<ChannelNode*> channels;
    db.CollectChannels(channels, kAllTypes, kFilterNone);
    std::vector<TransponderNode*> transponders;
    db.CollectTransponders(transponders, -1);
    const unsigned kind = rng_() % 100;
    if (kind < 40 && !transponders.empty()) {
      const int type = static_cast<int>(rng_() % 3);
      db.AddChannel(transponders[rng_() % transponders.size()], type, nullptr);
      return "add channel";
    }
    if (kind < 45) {
      db.AddTransponder(db.GetSatelliteNode(static_cast<int>(rng_() % kSatelliteCount)), nullptr);
      return "add transponder";
    }
    if (channels.empty() || transponders.empty()) return "nothing";
    ChannelNode* channel = channels[rng_() % channels.size()];
    if (kind < 70) {
      ChannelRecord r = channel->Record();
      const bool scrambled = r.IsScrambled();
      r.SetScrambled(!scrambled);
      if (scrambled)
        db.LeaveScrambledList(channel);
      else
        db.LeaveFreeList(channel);
      return "refile";
    }
    if (kind < 78) {
      std::vector<ChannelNode*> doomed;
      for (ChannelNode* c : channels)
        if (rng_() % 8 == 0) doomed.push_back(c);
      db.DeleteChannels(doomed);
      return "delete channels";
    }
    if (kind < 81) {
      db.DeleteTransponders({transponders[rng_() % transponders.size()]});
      return "delete transponder";
    }
    if (kind < 88) {
      const int type = channel->Record().GetType();
      const int filter = static_cast<int>(rng_() % 3);
      std::vector<ChannelNode*> order;
      db.CollectChannels(order, type, filter);
      std::shuffle(order.begin(), order.end(), rng_);
      db.ReorderChannels(type, filter, -1, order);
      return "reorder";
    }
    if (kind < 94) {
      db.MoveChannelFreeNumber(channel, static_cast<int>(rng_() % 64));
      db.MoveChannelScrambledNumber(channel, static_cast<int>(rng_() % 64));
      return "move in its list";
    }
    db.MoveChannelNumber(channel, static_cast<int>(rng_() % 64));
    return "move";
  }

 private:
  std::mt19937 rng_;
};

TEST(IndexCounts, EqualARecountAfterEveryRandomEdit) {
  for (unsigned seed = 1; seed <= 4; ++seed) {
    auto db = test::MakeRandomDatabase(seed % 2 ? kModelPvr : kModelFtaCi, seed,
                                       {.transponders = 60, .channels = 300});
    RandomEdits edits(seed);
    ASSERT_EQ(CountMismatch(*db), "");
    for (int step = 0; step < 400; ++step) {
      const std::string what = edits.Step(*db);
      ASSERT_EQ(CountMismatch(*db), "") << "seed " << seed << " step " << step << ": " << what;
    }
    // A model switch moves channels between slots and drops some.
    db->ChangeModel(db->GetModel() == kModelPvr ? kModelFtaCi : kModelPvr);
    ASSERT_EQ(CountMismatch(*db), "") << "seed " << seed << " after the model switch";
  }
}

// A batch counts the free and scrambled lists once. Damaged files hold lists
// that are not dense (gaps, repeated numbers), which a batch must number
// exactly as the walk it saves would.
TEST(ChannelBatch, LeavesTheBytesOfTheSameEditsOneByOne) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    auto single = test::MakeRandomDatabase(kModelPvr, seed, {.transponders = 60, .channels = 300});
    auto batched = test::MakeRandomDatabase(kModelPvr, seed, {.transponders = 60, .channels = 300});
    if (seed % 2 == 0) {
      std::mt19937 rng(seed);
      std::vector<ChannelNode*> a, b;
      single->CollectChannels(a, kAllTypes, kFilterNone);
      batched->CollectChannels(b, kAllTypes, kFilterNone);
      for (size_t i = 0; i < a.size(); i += 1 + rng() % 5) {
        const auto number = static_cast<uint16_t>(a[i]->Record().GetFreeNumber() + rng() % 7);
        a[i]->Record().SetFreeNumber(number);
        b[i]->Record().SetFreeNumber(number);
      }
    }
    RandomEdits singleEdits(seed), batchedEdits(seed);
    for (int round = 0; round < 8; ++round) {
      ChannelBatch outer(*batched);
      std::optional<ChannelBatch> inner;
      if (round % 2) inner.emplace(*batched);
      for (int step = 0; step < 60; ++step) {
        const std::string what = singleEdits.Step(*single);
        batchedEdits.Step(*batched);
        ASSERT_TRUE(std::ranges::equal(single->ChannelTable(), batched->ChannelTable()))
            << "seed " << seed << " round " << round << " step " << step << ": " << what;
      }
    }
  }
}

}  // namespace
}  // namespace vq
