#include "editing/find/list_matches.h"

#include <algorithm>

#include "database/satellite_node.h"
#include "editing/find/find_query.h"
#include "editing/find/record_matches.h"

namespace vq {
namespace {

bool RowMatches(const EditingView& view, EditList list, int row, const FindQuery& query) {
  switch (list) {
    case EditList::kChannels:
    case EditList::kFavorites: {
      const ChannelNode* channel = view.ChannelAt(list, row);
      return channel && ChannelMatches(query, *channel);
    }
    case EditList::kTransponders: {
      const TransponderNode* transponder = view.TransponderAt(row);
      return transponder && TransponderMatches(query, *transponder);
    }
    case EditList::kSatellites: {
      const SatelliteNode* satellite = view.SatelliteAt(row);
      return satellite && SatelliteMatches(query, *satellite);
    }
  }
  return false;
}

}  // namespace

std::vector<int> MatchingRows(const EditingView& view, EditList list, const FindQuery& query) {
  std::vector<int> rows;
  if (query.IsEmpty()) return rows;
  const int count = view.RowCount(list);
  for (int row = 0; row < count; ++row)
    if (RowMatches(view, list, row, query)) rows.push_back(row);
  return rows;
}

int NextMatch(const std::vector<int>& matches, int row, bool backwards) {
  if (matches.empty()) return -1;
  if (backwards) {
    const auto it = std::lower_bound(matches.begin(), matches.end(), row);
    return it == matches.begin() ? matches.back() : *(it - 1);
  }
  const auto it = std::upper_bound(matches.begin(), matches.end(), row);
  return it == matches.end() ? matches.front() : *it;
}

}  // namespace vq
