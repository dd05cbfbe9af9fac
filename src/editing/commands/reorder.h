#pragma once
/// @file
/// Moving selected members of an ordering, on a plain vector of nodes.
/// `positions` are the members' places in `order`, ascending and distinct.

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace vq {

/// Each selected member moves one place towards the start unless the
/// selected members before it already fill every place up to the start, so
/// a block touching the start stays and the rest close up to it. Returns the
/// new places of the selected members, ascending.
template <class Node>
std::vector<int> ShiftTowardsStart(std::vector<Node*>& order, std::vector<int> positions) {
  for (size_t i = 0; i < positions.size(); ++i) {
    int& p = positions[i];
    if (static_cast<int>(i) <= p - 1) {
      std::swap(order[static_cast<size_t>(p - 1)], order[static_cast<size_t>(p)]);
      --p;
    }
  }
  return positions;
}

/// The mirror image: moves towards the end, rows at the end block.
template <class Node>
std::vector<int> ShiftTowardsEnd(std::vector<Node*>& order, std::vector<int> positions) {
  const int last = static_cast<int>(order.size()) - 1;
  for (size_t fromEnd = 0; fromEnd < positions.size(); ++fromEnd) {
    int& p = positions[positions.size() - 1 - fromEnd];
    if (p + 1 <= last - static_cast<int>(fromEnd)) {
      std::swap(order[static_cast<size_t>(p)], order[static_cast<size_t>(p) + 1]);
      ++p;
    }
  }
  return positions;
}

/// Takes `node` out of `order` and puts it back at place `to`, clamped, as
/// the database's single moves do.
template <class Node>
void MoveToPlace(std::vector<Node*>& order, Node* node, int to) {
  const auto it = std::find(order.begin(), order.end(), node);
  if (it == order.end()) return;
  order.erase(it);
  const int place = std::clamp(to, 0, static_cast<int>(order.size()));
  order.insert(order.begin() + place, node);
}

/// Drops the members `moved` (in list order, with their places before the
/// drop) at place `target`: they end up as one block, in their previous
/// list order, before the member that was at `target`. A descending list
/// passes its rows top to bottom, so places fall.
template <class Node>
void DropAtPlace(std::vector<Node*>& order, const std::vector<Node*>& moved,
                 const std::vector<int>& places, int target, bool descending) {
  int p = target;
  for (size_t i = 0; i < moved.size() && i < places.size(); ++i) {
    const int rank = static_cast<int>(i);
    if (!descending) {
      if (places[i] < target) --p;
      MoveToPlace(order, moved[i], p + rank);
    } else {
      if (places[i] > target) ++p;
      MoveToPlace(order, moved[i], p - rank);
    }
  }
}

/// Turns the ordering `current` into `wanted` (the same members in another
/// order) with single moves: `move(node, place)` takes a member out and puts
/// it back at `place`, as the database's moves do. The members of a longest
/// run that keeps its relative order stay; each other member goes behind its
/// predecessor in `wanted`, so moving a block of k rows costs k moves.
/// Returns the number of moves.
template <class Node, class Move>
int ReorderByMoves(std::vector<Node*> current, const std::vector<Node*>& wanted, Move move) {
  if (current.size() != wanted.size()) return 0;
  std::unordered_map<const Node*, int> placeOf;
  for (size_t i = 0; i < current.size(); ++i) placeOf.emplace(current[i], static_cast<int>(i));
  // Longest increasing run of old places in the wanted order.
  std::vector<int> old(wanted.size());
  for (size_t i = 0; i < wanted.size(); ++i) {
    const auto it = placeOf.find(wanted[i]);
    if (it == placeOf.end()) return 0;
    old[i] = it->second;
  }
  std::vector<int> tails;
  std::vector<int> tailAt;
  std::vector<int> before(wanted.size(), -1);
  for (size_t i = 0; i < old.size(); ++i) {
    const auto at = std::lower_bound(tails.begin(), tails.end(), old[i]);
    const size_t k = static_cast<size_t>(at - tails.begin());
    if (k > 0) before[i] = tailAt[k - 1];
    if (at == tails.end()) {
      tails.push_back(old[i]);
      tailAt.push_back(static_cast<int>(i));
    } else {
      *at = old[i];
      tailAt[k] = static_cast<int>(i);
    }
  }
  std::vector<bool> stays(wanted.size(), false);
  for (int i = tailAt.empty() ? -1 : tailAt.back(); i >= 0; i = before[static_cast<size_t>(i)])
    stays[static_cast<size_t>(i)] = true;

  int moves = 0;
  for (size_t i = 0; i < wanted.size(); ++i) {
    if (stays[i]) continue;
    Node* node = wanted[i];
    const int from =
        static_cast<int>(std::find(current.begin(), current.end(), node) - current.begin());
    int to = 0;
    if (i > 0) {
      const int previous = static_cast<int>(
          std::find(current.begin(), current.end(), wanted[i - 1]) - current.begin());
      to = from > previous ? previous + 1 : previous;
    }
    if (to == from) continue;
    MoveToPlace(current, node, to);
    move(node, to);
    ++moves;
  }
  return moves;
}

}  // namespace vq
