#pragma once
/// @file
/// New orderings of a channel list: the chosen channels sorted by a key,
/// or moved as one block to a place. Both work on the node sequence a list
/// shows (see orderings.h) and leave the other channels in their relative
/// order; ApplyChannelOrder then puts the result into the database.

#include <vector>

namespace vq {

class ChannelNode;

enum class SortKey {
  kName,       ///< Latin-1 collation, "Ä" beside "A"
  kFrequency,  ///< satellite number, then frequency, then service id
  kNetwork,    ///< the transponder's network (provider) name
  kServiceId,
};

struct SortOptions {
  SortKey key = SortKey::kName;
  bool descending = false;
  /// Place (from 0) where the sorted block starts; -1: the chosen channels
  /// take the places they held.
  int from = -1;
};

/// `order` with the members of `chosen` sorted (stably: equal keys keep
/// their order in `order`). Channels of `chosen` not in `order` are ignored.
std::vector<ChannelNode*> SortedOrder(const std::vector<ChannelNode*>& order,
                                      const std::vector<ChannelNode*>& chosen,
                                      const SortOptions& options);

/// `order` with the members of `chosen`, in their order in `order`, taken
/// out and put back as one block starting at place `place` (clamped).
std::vector<ChannelNode*> MovedBlockOrder(const std::vector<ChannelNode*>& order,
                                          const std::vector<ChannelNode*>& chosen, int place);

}  // namespace vq
