// Comparisons of generated databases of both models: equal to themselves,
// exactly the planted differences, and take-overs that leave A equal to B,
// keep every invariant and undo byte for byte.
#include <gtest/gtest.h>

#include <numeric>

#include "compare/database_comparison.h"
#include "compare_test_support.h"
#include "editing/history/change_history.h"
#include "editing/history/history_step.h"
#include "invariant_checks.h"

namespace vq::test {
namespace {

std::vector<size_t> AllIndexes(const DatabaseComparison& c) {
  std::vector<size_t> all(c.differences.size());
  std::iota(all.begin(), all.end(), 0);
  return all;
}

std::string Describe(const DatabaseComparison& c) {
  std::string text;
  for (const Difference& d : c.differences) {
    text += std::to_string(static_cast<int>(d.subject)) + "/" +
            std::to_string(static_cast<int>(d.kind)) + " " + d.what;
    for (const FieldChange& f : d.fields)
      text += " | " + f.field + ": " + f.before + " -> " + f.after;
    text += "\n";
    if (text.size() > 4000) break;
  }
  return text;
}

class ComparisonTest : public ::testing::TestWithParam<int32_t> {};

TEST_P(ComparisonTest, ADatabaseEqualsItselfAndItsCopy) {
  for (unsigned seed = 1; seed <= 4; ++seed) {
    auto a = MakeRandomDatabase(GetParam(), seed);
    EXPECT_TRUE(CompareDatabases(*a, *a).Equal()) << seed;
    auto b = CopyDatabase(*a);
    const DatabaseComparison c = CompareDatabases(*a, *b);
    EXPECT_TRUE(c.Equal()) << seed << "\n" << Describe(c);
    EXPECT_EQ(c.channelPairs.size(), AllChannels(*a).size());
  }
}

// k channels added, renamed, re-tuned and moved give exactly k differences,
// each naming its channel.
TEST_P(ComparisonTest, PlantedChannelChangesAreExactlyTheDifferences) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    std::mt19937 rng(seed * 7919);
    auto a = MakeRandomDatabase(GetParam(), seed, {.transponders = 120, .channels = 900});
    auto b = CopyDatabase(*a);
    std::set<uint16_t> used;
    std::set<uint16_t> changed, placed, added;
    const int k = 2 + static_cast<int>(rng() % 6);
    for (int i = 0; i < k; ++i) {
      const int type = static_cast<int>(rng() % 2);
      std::vector<ChannelNode*> list = AllChannels(*b, type);
      // Moved channels come from the first half of their list and go to its
      // end, so the unmoved ones after them keep the longest common order.
      const size_t half = list.size() / 2;
      ChannelNode* c = list[rng() % half];
      if (used.count(c->GetTableIndex()) || !HasOwnServiceId(*c)) {
        --i;
        continue;
      }
      used.insert(c->GetTableIndex());
      switch (rng() % 4) {
        case 0: {
          ChannelNode* n = nullptr;
          ASSERT_TRUE(b->AddChannel(c->GetTransponder(), type, &n));
          RandomiseChannel(rng, n->Record());
          n->Record().SetName(FreshName(rng));
          n->Record().SetProgramId(UnusedServiceId(rng, *c->GetTransponder()));
          used.insert(n->GetTableIndex());
          added.insert(n->GetTableIndex());
          break;
        }
        case 1:
          c->Record().SetName(FreshName(rng));
          changed.insert(c->GetTableIndex());
          break;
        case 2:
          c->Record().SetVideoPid(static_cast<uint16_t>(c->Record().GetVideoPid() ^ 0x11));
          changed.insert(c->GetTableIndex());
          break;
        case 3:
          b->MoveChannelNumber(c, static_cast<int>(list.size()));
          placed.insert(c->GetTableIndex());
          break;
      }
    }
    const DatabaseComparison cmp = CompareDatabases(*a, *b);
    ASSERT_EQ(cmp.differences.size(), static_cast<size_t>(k)) << seed << "\n" << Describe(cmp);
    for (const Difference& d : cmp.differences) {
      ASSERT_EQ(d.subject, DiffSubject::kChannel) << d.what;
      const auto b_slot = static_cast<uint16_t>(d.b);
      switch (d.kind) {
        case DiffKind::kOnlyInB:
          EXPECT_TRUE(added.count(b_slot)) << d.what;
          break;
        case DiffKind::kChanged:
          EXPECT_TRUE(changed.count(b_slot)) << d.what;
          ASSERT_EQ(d.fields.size(), 1u);
          break;
        case DiffKind::kPlaced:
          EXPECT_TRUE(placed.count(b_slot)) << d.what;
          EXPECT_EQ(d.list, kChannelNumbers);
          break;
        default:
          ADD_FAILURE() << d.what;
      }
    }
  }
}

// B is A after random edits of every kind. Taking over everything leaves A
// equal to B with every invariant kept, as one history step that undoes and
// redoes byte for byte; taking over all but the placements leaves only
// placements.
TEST_P(ComparisonTest, TakingOverEverythingMakesAEqualToB) {
  for (unsigned seed = 1; seed <= 8; ++seed) {
    std::mt19937 rng(seed);
    auto a = MakeRandomDatabase(GetParam(), seed, {.transponders = 150, .channels = 1000});
    auto b = CopyDatabase(*a);
    MutateRandomly(rng, *b, 20 + static_cast<int>(rng() % 60));
    ASSERT_TRUE(InvariantProblems(*b).empty());
    const DatabaseComparison cmp = CompareDatabases(*a, *b);

    auto partial = CopyDatabase(*a);
    std::vector<size_t> unplaced;
    for (size_t i = 0; i < cmp.differences.size(); ++i)
      if (cmp.differences[i].kind != DiffKind::kPlaced) unplaced.push_back(i);
    TakeOverDifferences(*partial, *b, cmp, unplaced);
    EXPECT_EQ(InvariantProblems(*partial), std::vector<std::string>{}) << seed;
    for (const Difference& d : CompareDatabases(*partial, *b).differences)
      EXPECT_EQ(d.kind, DiffKind::kPlaced) << seed << " " << d.what;

    ChangeHistory history(*a);
    const auto before = CaptureDatabaseState(*a);
    {
      HistoryStep step(history, "Take over");
      const std::vector<size_t> all = AllIndexes(cmp);
      const TakeOverResult result = TakeOverDifferences(*a, *b, cmp, all);
      EXPECT_EQ(result.Changed(), !cmp.Equal());
      EXPECT_TRUE(result.message.empty());
    }
    const DatabaseComparison after = CompareDatabases(*a, *b);
    EXPECT_TRUE(after.Equal()) << seed << "\n" << Describe(after);
    EXPECT_EQ(InvariantProblems(*a), std::vector<std::string>{}) << seed;
    const auto taken = CaptureDatabaseState(*a);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(CaptureDatabaseState(*a), before);
    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(CaptureDatabaseState(*a), taken);
  }
}

// Two unrelated databases: any random choice keeps every invariant, and the
// differences taken over do not come back.
TEST_P(ComparisonTest, RandomChoicesKeepInvariants) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    std::mt19937 rng(seed + 100);
    auto a = MakeRandomDatabase(GetParam(), seed, {.transponders = 100, .channels = 600});
    auto b = MakeRandomDatabase(rng() % 2 ? kModelPvr : kModelFtaCi, seed + 50,
                                {.transponders = 100, .channels = 600});
    const DatabaseComparison cmp = CompareDatabases(*a, *b);
    std::vector<size_t> chosen;
    for (size_t i = 0; i < cmp.differences.size(); ++i)
      if (rng() % 3 == 0) chosen.push_back(i);
    TakeOverDifferences(*a, *b, cmp, chosen);
    EXPECT_EQ(InvariantProblems(*a), std::vector<std::string>{}) << seed;
  }
}

INSTANTIATE_TEST_SUITE_P(BothModels, ComparisonTest, ::testing::Values(kModelFtaCi, kModelPvr));

}  // namespace
}  // namespace vq::test
