#pragma once
/// @file
/// A transponder with the channels chosen to go with it.

#include <vector>

namespace vq {

class ChannelNode;
class TransponderNode;

/// One transponder and some of its channels, in the transponder's order.
struct TransponderChoice {
  const TransponderNode* transponder = nullptr;
  std::vector<const ChannelNode*> channels;
};

}  // namespace vq
