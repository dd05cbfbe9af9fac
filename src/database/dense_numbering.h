#pragma once
// Helpers that keep a numbering dense: moving one member to a new place
// shifts the members in between by one toward its old place, and
// renumbering gives 0, 1, 2, ... in the old order.

#include <algorithm>
#include <vector>

namespace vq {

// `members` holds every member of one numbering, `moved` among them. `get`
// and `set` read and write a member's value (without any offset). The new
// value is clamped to 0..size-1. Returns false when `moved` is not a member.
template <class Node, class Get, class Set>
bool MoveInDenseNumbering(const std::vector<Node*>& members, Node* moved, int value, Get get,
                          Set set) {
  if (std::find(members.begin(), members.end(), moved) == members.end()) return false;
  const int last = static_cast<int>(members.size()) - 1;
  const int to = std::clamp(value, 0, last);
  const int from = get(moved);
  if (from == to) return true;
  for (Node* m : members) {
    if (m == moved) continue;
    const int v = get(m);
    if (from < to && v > from && v <= to) set(m, v - 1);
    if (to < from && v >= to && v < from) set(m, v + 1);
  }
  set(moved, to);
  return true;
}

// Whether `order` holds each of `members` exactly once and nothing else.
template <class Node>
bool SameMembers(const std::vector<Node*>& members, const std::vector<Node*>& order) {
  if (order.size() != members.size()) return false;
  std::vector<Node*> sortedMembers = members;
  std::vector<Node*> sortedOrder = order;
  std::sort(sortedMembers.begin(), sortedMembers.end());
  std::sort(sortedOrder.begin(), sortedOrder.end());
  return sortedMembers == sortedOrder &&
         std::adjacent_find(sortedOrder.begin(), sortedOrder.end()) == sortedOrder.end();
}

// SameMembers for nodes that `slot` numbers below `slots`: one pass over a
// table by slot instead of two sorts. Members sharing a slot fall back to
// SameMembers.
template <class Node, class Slot>
bool SameSlottedMembers(const std::vector<Node*>& members, const std::vector<Node*>& order,
                        size_t slots, Slot slot) {
  if (order.size() != members.size()) return false;
  std::vector<const Node*> bySlot(slots, nullptr);
  for (const Node* m : members) {
    const size_t s = slot(m);
    if (s >= slots || bySlot[s]) return SameMembers(members, order);
    bySlot[s] = m;
  }
  for (const Node* o : order) {
    if (!o) return false;
    const size_t s = slot(o);
    // A node met once is struck out, so a second mention fails too.
    if (s >= slots || bySlot[s] != o) return false;
    bySlot[s] = nullptr;
  }
  return true;
}

// Gives the nodes of `order` the values 0, 1, 2, ... in that order.
template <class Node, class Set>
void NumberInOrder(const std::vector<Node*>& order, Set set) {
  for (size_t i = 0; i < order.size(); ++i) set(order[i], static_cast<int>(i));
}

// Gives the members of one numbering the values 0, 1, 2, ... in the order
// of `order`, which must hold each member exactly once; false (nothing
// changed) otherwise. Many moves of one numbering cost one pass this way.
template <class Node, class Set>
bool PlaceInOrder(const std::vector<Node*>& members, const std::vector<Node*>& order, Set set) {
  if (!SameMembers(members, order)) return false;
  NumberInOrder(order, set);
  return true;
}

// Gives the members 0, 1, 2, ... in the order of their present values (ties
// keep the order of `members`).
template <class Node, class Get, class Set>
void RenumberDense(std::vector<Node*> members, Get get, Set set) {
  std::stable_sort(members.begin(), members.end(),
                   [&](Node* a, Node* b) { return get(a) < get(b); });
  for (size_t i = 0; i < members.size(); ++i) set(members[i], static_cast<int>(i));
}

}  // namespace vq
