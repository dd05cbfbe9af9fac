#include "compare/list_placement.h"

#include <algorithm>
#include <cstdint>

namespace vq {

std::vector<size_t> MembersOutOfOrder(const std::vector<int>& ranks) {
  // Patience sorting: tails[k] is the member ending the best increasing run
  // of length k + 1 found so far; back links recover one longest run.
  std::vector<size_t> tails;
  std::vector<size_t> previous(ranks.size(), SIZE_MAX);
  for (size_t i = 0; i < ranks.size(); ++i) {
    const auto at = std::lower_bound(tails.begin(), tails.end(), ranks[i],
                                     [&](size_t t, int rank) { return ranks[t] < rank; });
    if (at != tails.begin()) previous[i] = *(at - 1);
    if (at == tails.end())
      tails.push_back(i);
    else
      *at = i;
  }
  std::vector<bool> kept(ranks.size());
  for (size_t i = tails.empty() ? SIZE_MAX : tails.back(); i != SIZE_MAX; i = previous[i])
    kept[i] = true;
  std::vector<size_t> moved;
  for (size_t i = 0; i < ranks.size(); ++i)
    if (!kept[i]) moved.push_back(i);
  return moved;
}

}  // namespace vq
