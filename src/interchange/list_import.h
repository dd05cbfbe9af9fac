#pragma once
/// @file
/// Merging a neutral list into the database through the database's own
/// operations (AddTransponder, AddChannel, LeaveFreeList, the favourite
/// operations), so every numbering stays dense. Each import is one call that
/// changes the database, so a caller can record it as one step.

#include <cstdint>
#include <optional>

#include "interchange/channel_list.h"
#include "interchange/import_summary.h"

namespace vq {

class SatelliteNode;
class SettingsDatabase;

struct ImportOptions {
  /// The list's groups become favourite groups: a group joins the favourite
  /// group of the same name (case-insensitive), else takes the next group
  /// without members and its name.
  bool groupsAsFavorites = false;
};

/// Adds the satellites, transponders and channels of `list`. A satellite is
/// the one at the listed orbital position, else a free slot takes the
/// position and a name made from it. A transponder is one of that satellite
/// with the same polarisation within 2 MHz, else a new one. A channel already
/// on its transponder (same type and service id, or name without an id) is
/// not added again. Channels are added TV first, then radio, then data, each
/// in list order, so they are numbered in list order. A full table stops the
/// import with the editor's "no space" message; everything added before
/// stays, consistent.
ImportSummary ImportChannelList(SettingsDatabase& db, const ChannelList& list,
                                const ImportOptions& options = {});

/// Adds the transponders of `list` to `satellite` (their own satellites are
/// not used), except those the satellite already has (same polarisation
/// within 2 MHz). A full table stops the import as above. When `satellite`
/// is a free slot and `slotPosition` is given, the slot first takes that
/// orbital position and a name made from it.
ImportSummary ImportTransponders(SettingsDatabase& db, const ChannelList& list,
                                 SatelliteNode& satellite,
                                 std::optional<int16_t> slotPosition = std::nullopt);
/// The same into the satellite at orbital `position`, or into a free slot
/// that takes the position and a name made from it. Nothing is done when
/// there is neither.
ImportSummary ImportTranspondersAt(SettingsDatabase& db, const ChannelList& list, int16_t position);

}  // namespace vq
