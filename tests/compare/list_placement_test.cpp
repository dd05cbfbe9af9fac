// The fewest members out of order: what stays is increasing, and no
// increasing run is longer (checked against a quadratic count).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "compare/list_placement.h"

namespace vq {
namespace {

size_t LongestIncreasingRun(const std::vector<int>& ranks) {
  std::vector<size_t> best(ranks.size(), 1);
  size_t longest = 0;
  for (size_t i = 0; i < ranks.size(); ++i) {
    for (size_t j = 0; j < i; ++j)
      if (ranks[j] < ranks[i]) best[i] = std::max(best[i], best[j] + 1);
    longest = std::max(longest, best[i]);
  }
  return longest;
}

TEST(ListPlacementTest, WhatStaysIsALongestIncreasingRun) {
  std::mt19937 rng(29);
  for (int round = 0; round < 500; ++round) {
    std::vector<int> ranks(rng() % 40);
    for (int& r : ranks) r = static_cast<int>(rng() % 30);  // repeats too
    const std::vector<size_t> moved = MembersOutOfOrder(ranks);
    ASSERT_TRUE(std::is_sorted(moved.begin(), moved.end()));
    std::vector<int> kept;
    for (size_t i = 0, m = 0; i < ranks.size(); ++i) {
      if (m < moved.size() && moved[m] == i) {
        ++m;
        continue;
      }
      kept.push_back(ranks[i]);
    }
    EXPECT_TRUE(std::adjacent_find(kept.begin(), kept.end(), std::greater_equal<>()) == kept.end());
    EXPECT_EQ(kept.size(), LongestIncreasingRun(ranks));
  }
}

}  // namespace
}  // namespace vq
