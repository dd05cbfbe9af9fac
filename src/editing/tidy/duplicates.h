#pragma once
/// @file
/// Tidy-ups of a scanned channel list. A receiver's own search leaves the
/// same service several times (several transponders carry it, SD and HD
/// twins, overlapping satellites) and in the order it found them. This
/// folder finds such duplicates, removes all but one of each, sorts, moves
/// a block of channels to a number and renames in bulk. Each tidy-up first
/// computes a plan in plain data (which records, which numbers, which
/// names), so a preview shows exactly what applying it does; applying goes
/// through the database's own operations, keeping every numbering dense.
/// The commands that run them on the main view are in tidy_commands.h.

#include <string_view>
#include <vector>

namespace vq {

class ChannelNode;
class SettingsDatabase;

/// Why channels count as one service, strongest first.
enum class DuplicateKind {
  kServiceIds,         ///< same satellite position, service id and stream id
  kNameOnTransponder,  ///< ids missing: same name on the same transponder
  kHdTwins,            ///< names equal but for an HD or SD mark
};

/// Channels of one type that are one service, by channel number.
struct DuplicateGroup {
  DuplicateKind kind = DuplicateKind::kServiceIds;
  std::vector<ChannelNode*> members;
};

/// The groups of duplicates among every channel of the database, ordered by
/// their first member's type and number. Twins are looked for only when
/// `hdTwins` is set. A channel belongs to at most one group: groups linked
/// by any of the kinds are joined and carry the strongest kind.
std::vector<DuplicateGroup> FindDuplicates(const SettingsDatabase& db, bool hdTwins);

/// Which member of a group stays.
enum class KeepRule {
  kFavorites,  ///< in the most favourite groups, then the lowest number
  kHd,         ///< the one named as HD, then as kFavorites
  kFirst,      ///< the lowest number
};

/// The member `rule` keeps; null for an empty group.
ChannelNode* MemberToKeep(const DuplicateGroup& group, KeepRule rule);

/// Whether a name carries an HD mark at its end ("ZDF HD", "ArteHD").
bool NamedAsHd(const std::string_view& name);

}  // namespace vq
