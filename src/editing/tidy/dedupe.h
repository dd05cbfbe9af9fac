#pragma once
/// @file
/// Removing duplicates: each group keeps one member, which takes over what
/// the others had in the favourite groups and their timers.

#include <vector>

#include "editing/tidy/duplicates.h"

namespace vq {

/// One group's decision: the member that stays and those that go.
struct DedupeChoice {
  ChannelNode* keep = nullptr;
  std::vector<ChannelNode*> remove;
};

/// The choices `rule` makes for each group.
std::vector<DedupeChoice> ChooseMembers(const std::vector<DuplicateGroup>& groups, KeepRule rule);

struct DedupeResult {
  int removed = 0;
  int favoritePlacesTaken = 0;  ///< groups the kept channels joined
  int timersMoved = 0;
};

/// Removes every `remove` channel in one deletion. Before that, in each
/// favourite group the kept channel lacks, it takes the place of the first
/// removed member of that group (so a full group has room); timers naming a
/// removed channel name the kept one. Choices whose `keep` is also listed
/// for removal, or is null, are skipped.
DedupeResult RemoveDuplicates(SettingsDatabase& db, const std::vector<DedupeChoice>& choices);

}  // namespace vq
