#pragma once
/// @file
/// Which members of an ordered list stand in a different relative order in
/// the other database.

#include <cstddef>
#include <vector>

namespace vq {

/// `ranks` are the places in B of a list's members, in the order A will
/// have them. Returns the indexes into `ranks` of the fewest members that
/// must move for the order to become B's: those outside one longest
/// increasing run. Ascending.
std::vector<size_t> MembersOutOfOrder(const std::vector<int>& ranks);

}  // namespace vq
