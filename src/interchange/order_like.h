#pragma once
/// @file
/// Renumbering the TV and radio channels to follow a reference list.

#include <array>
#include <string>
#include <vector>

#include "interchange/reference_list.h"

namespace vq {

class SettingsDatabase;

struct OrderOptions {
  /// Replaces the eight favourite groups (names and members) by the
  /// reference's; only settings-file references have them.
  bool takeFavorites = false;
};

struct OrderSummary {
  std::string message;             ///< why nothing was done; empty otherwise
  std::array<int, 2> byIds{};      ///< TV, radio channels matched by network, TS and service id
  std::array<int, 2> byName{};     ///< matched by name (case-insensitive)
  std::array<int, 2> unmatched{};  ///< kept in their order after the matched ones
  int favoriteGroupsTaken = 0;
  int favoriteMembersMissing = 0;  ///< reference members with no channel here
  bool changed = false;            ///< a channel number or a favourite group changed
  SkipList skipped;                ///< reference entries its reader left out

  int Matched() const { return byIds[0] + byIds[1] + byName[0] + byName[1]; }
};

/// Gives the TV and the radio channels new channel numbers: the channels that
/// match a reference entry (by ids first, then by name; each entry matches
/// one channel) in the reference's order, then the others in their present
/// order. The free, scrambled and per-satellite lists of each type follow the
/// new order; a type whose order stays is not touched. Nothing changes when
/// no channel matches. Every numbering stays dense; data channels keep theirs.
OrderSummary OrderLikeReference(SettingsDatabase& db, const ReferenceList& reference,
                                const OrderOptions& options = {});

/// The summary as lines of text for the user.
std::vector<std::string> OrderSummaryLines(const OrderSummary& summary);

}  // namespace vq
