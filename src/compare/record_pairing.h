#pragma once
/// @file
/// Which transponder and channel of one database is which of another's.

#include <vector>

#include "compare/database_comparison.h"

namespace vq {

class ChannelNode;
class TransponderNode;

/// Every transponder of `db` in a fixed order: satellites by number, each
/// one's transponders in node order.
std::vector<TransponderNode*> TranspondersInOrder(const SettingsDatabase& db);

/// Pairs transponders at the same orbital position with the same
/// polarisation and a frequency at most 2 MHz apart, each at most once: a
/// transponder of A (in TranspondersInOrder) takes the nearest free one of
/// B, the first in B's order among equally near ones.
SlotPairs PairTransponders(const std::vector<TransponderNode*>& a,
                           const std::vector<TransponderNode*>& b);

/// Pairs the channels of two paired transponders: same type and service id
/// first, then same type and name (Latin-1, case ignored), each in node
/// order. Appends to `pairs`.
void PairChannels(const TransponderNode& a, const TransponderNode& b, SlotPairs& pairs);

}  // namespace vq
