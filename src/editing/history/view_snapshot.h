#pragma once
/// @file
/// Where the user was in the main view, as a view state for the history.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "editing/commands/editing_view.h"
#include "editing/commands/list_state.h"

namespace vq {

/// The tab, the list sources and the selected records of each list, named by
/// what stays valid in the database state the snapshot was taken in: table
/// slots for channels and transponders, numbers for satellites. Undo and redo
/// restore exactly that state, so the records are found again wherever the
/// restored lists still show them.
struct ViewSnapshot {
  int tab = kTabChannels;
  int channelListSource = kSourceAll;
  int shownChannelType = 0;
  int transponderListSatellite = 0;
  int favoriteGroup = -1;
  /// Selected records in row order, per list.
  std::vector<uint16_t> channels, transponders, satellites, favorites;

  bool operator==(const ViewSnapshot&) const = default;
};

ViewSnapshot CaptureViewSnapshot(EditingView& view);

/// A compact byte form for ChangeHistory::ViewState, and back; nothing for
/// bytes that are not a whole snapshot.
std::vector<uint8_t> EncodeViewSnapshot(const ViewSnapshot& snapshot);
std::optional<ViewSnapshot> DecodeViewSnapshot(std::span<const uint8_t> bytes);

/// Selects in each list the rows showing the snapshot's records; records no
/// longer listed are skipped. Call it once the view shows the snapshot's tab
/// and sources and has refilled its lists.
void SelectSnapshotRows(EditingView& view, const ViewSnapshot& snapshot);

}  // namespace vq
