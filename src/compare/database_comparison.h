#pragma once
/// @file
/// Comparing two settings databases of either model, A (the open document)
/// and B (another file, a receiver's image, a backup), and taking over a
/// chosen part of the differences from B into A. Satellites are compared
/// slot by slot; transponders are paired per orbital position by
/// polarisation and a frequency at most 2 MHz away; channels are paired on
/// paired transponders by type and service id, then by name (Latin-1, case
/// ignored). Favourite groups compare their names, each channel's
/// membership and the members' order; the receiver settings compare field
/// by field per category. The order of the channel numbers and of the
/// favourite groups is compared as the relative order of the paired
/// channels, so one moved channel is one difference however far it went.
/// The comparison changes nothing; taking over goes through the database's
/// own operations, so the numbering invariants hold.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace vq {

class SettingsDatabase;

enum class DiffSubject : uint8_t { kSettings, kSatellite, kFavoriteGroup, kTransponder, kChannel };

enum class DiffKind : uint8_t {
  kOnlyInA,  ///< A has it, B has not
  kOnlyInB,  ///< B has it, A has not
  kChanged,  ///< both have it, with different fields
  kPlaced,   ///< both have it, in a different place of a list
};

/// One field of a difference: its name and its value in A and in B, as text
/// (names as their stored Latin-1 bytes).
struct FieldChange {
  std::string field;
  std::string before;
  std::string after;

  bool operator==(const FieldChange&) const = default;
};

/// The list of a placement difference.
inline constexpr int kChannelNumbers = -1;  ///< the channel numbers of its type

struct Difference {
  DiffSubject subject = DiffSubject::kChannel;
  DiffKind kind = DiffKind::kChanged;
  /// The record in A and in B (-1 where it has none): the settings category
  /// code, the satellite number, the favourite group (0..7), or the
  /// transponder's or channel's table index.
  int a = -1;
  int b = -1;
  /// Placement: kChannelNumbers, or the favourite group g (0..7).
  int list = kChannelNumbers;
  /// Channels: 0 TV, 1 radio, 2 data.
  int channelType = -1;
  /// What it is, as readable text: `TV "ZDF" 19.2E 11953 H sid 28006`.
  std::string what;
  /// Changed: every field that differs; placed: the place in A and in B.
  std::vector<FieldChange> fields;

  bool operator==(const Difference&) const = default;
};

/// Table indexes of paired records: A's first, B's second.
using SlotPairs = std::vector<std::pair<uint16_t, uint16_t>>;

struct DatabaseComparison {
  /// In a stable order: settings, satellites, favourite groups,
  /// transponders, channels, then placements.
  std::vector<Difference> differences;
  SlotPairs transponderPairs;
  SlotPairs channelPairs;

  bool Equal() const { return differences.empty(); }
  int Count(DiffSubject subject, DiffKind kind) const;
};

/// Compares A with B; changes neither.
DatabaseComparison CompareDatabases(const SettingsDatabase& a, const SettingsDatabase& b);

struct TakeOverResult {
  int added = 0;        ///< channels and transponders created in A
  int changed = 0;      ///< records and settings categories given B's fields
  int removed = 0;      ///< channels and transponders removed from A
  int reordered = 0;    ///< lists given B's order
  std::string message;  ///< why additions stopped (a full table); empty when all were tried

  bool Changed() const { return added > 0 || changed > 0 || removed > 0 || reordered > 0; }
};

/// Takes the differences `chosen` (indexes into comparison.differences) over
/// from B into A, which must be as they were compared:
/// - only in B: the channel or transponder is created with all of B's fields
///   (a channel also joins B's favourite groups), creating its transponder
///   and, where A has no satellite at that position, taking a satellite slot
///   still untouched (no transponders) and giving it B's satellite fields;
/// - only in A: the channel or transponder (with its channels) is removed;
/// - changed: B's fields are written, a channel's favourite membership too;
/// - placed: the list (the channel numbers of a type, or a favourite group)
///   takes B's order for every channel paired with B's, including those just
///   created; the others keep their places among them.
/// A full channel or transponder table stops the additions with the
/// editor's message; what was done stays, consistent.
TakeOverResult TakeOverDifferences(SettingsDatabase& a, const SettingsDatabase& b,
                                   const DatabaseComparison& comparison,
                                   std::span<const size_t> chosen);

}  // namespace vq
