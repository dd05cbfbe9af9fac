// Deltas lead both ways between two versions of a buffer, stay small for the
// changes the editor makes, and refuse to write outside the state.

#include <gtest/gtest.h>

#include <random>

#include "editing/history/state_delta.h"

namespace vq::test {
namespace {

using Side = StateDelta::Side;

StateDelta Between(const std::vector<uint8_t>& before, const std::vector<uint8_t>& after) {
  StateDelta delta;
  delta.AddPart(0, before, after);
  delta.Seal();
  return delta;
}

void ExpectLeadsBothWays(const std::vector<uint8_t>& before, const std::vector<uint8_t>& after) {
  const StateDelta delta = Between(before, after);
  std::vector<uint8_t> state = before;
  ASSERT_TRUE(delta.Apply(state, Side::kAfter));
  EXPECT_EQ(state, after);
  ASSERT_TRUE(delta.Apply(state, Side::kBefore));
  EXPECT_EQ(state, before);
}

TEST(StateDeltaTest, RandomEditsLeadBothWays) {
  std::mt19937 rng(11);
  for (int round = 0; round < 200; ++round) {
    std::vector<uint8_t> before(1 + rng() % 3000);
    for (auto& b : before) b = static_cast<uint8_t>(rng() % 4);  // many equal neighbours
    std::vector<uint8_t> after = before;
    for (int edits = static_cast<int>(rng() % 12); edits > 0; --edits) {
      const size_t at = rng() % after.size();
      const size_t length = std::min<size_t>(1 + rng() % 90, after.size() - at);
      const bool fill = rng() % 2;
      for (size_t i = at; i < at + length; ++i)
        after[i] = fill ? 0xFF : static_cast<uint8_t>(rng());
    }
    SCOPED_TRACE(round);
    ExpectLeadsBothWays(before, after);
    if (HasFatalFailure()) return;
  }
}

TEST(StateDeltaTest, EqualVersionsGiveAnEmptyDelta) {
  const std::vector<uint8_t> bytes(5000, 0x42);
  const StateDelta delta = Between(bytes, bytes);
  EXPECT_TRUE(delta.IsEmpty());
  EXPECT_EQ(delta.RunCount(), 0u);
}

TEST(StateDeltaTest, ChangesAtTheEdgesAndAcrossPartsLeadBothWays) {
  std::vector<uint8_t> before(300, 7), after = before;
  after.front() = 1;
  after.back() = 2;
  ExpectLeadsBothWays(before, after);

  // Two parts of one state, each compared on its own.
  StateDelta delta;
  delta.AddPart(0, std::span(before).first(150), std::span(after).first(150));
  delta.AddPart(150, std::span(before).subspan(150), std::span(after).subspan(150));
  std::vector<uint8_t> state = before;
  ASSERT_TRUE(delta.Apply(state, Side::kAfter));
  EXPECT_EQ(state, after);
}

TEST(StateDeltaTest, ErasedRecordsCostOneByteOnTheirErasedSide) {
  // 1000 records of 76 bytes erased to 0xFF: each old record still has some
  // 0xFF bytes of its own, which must not split the run into many.
  std::mt19937 rng(5);
  std::vector<uint8_t> before(76 * 1000);
  for (auto& b : before) b = rng() % 8 == 0 ? 0xFF : static_cast<uint8_t>(rng() % 200);
  const std::vector<uint8_t> after(before.size(), 0xFF);
  const StateDelta delta = Between(before, after);
  EXPECT_LT(delta.ByteSize(), before.size() + before.size() / 20);
  ExpectLeadsBothWays(before, after);
  ExpectLeadsBothWays(after, before);
}

TEST(StateDeltaTest, ASmallEditCostsLittle) {
  std::vector<uint8_t> before(700000, 0xFF), after = before;
  std::fill_n(after.begin() + 500000, 20, 'x');
  after[600000] = 3;
  const StateDelta delta = Between(before, after);
  EXPECT_EQ(delta.RunCount(), 2u);
  EXPECT_LT(delta.ByteSize(), 40u);
}

TEST(StateDeltaTest, RefusesAStateTooSmallAndLeavesItUntouched) {
  std::vector<uint8_t> before(100, 0), after = before;
  after[10] = 1;
  after[90] = 1;
  const StateDelta delta = Between(before, after);
  std::vector<uint8_t> small(50, 0);
  EXPECT_FALSE(delta.Apply(small, Side::kAfter));
  EXPECT_EQ(small, std::vector<uint8_t>(50, 0));
}

}  // namespace
}  // namespace vq::test
