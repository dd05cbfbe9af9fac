#pragma once
/// @file
/// What the editing commands need from the main view.

#include <string>
#include <vector>

#include "editing/commands/list_state.h"

namespace vq {

class ChannelNode;
class SatelliteNode;
class SettingsDatabase;
class TransponderNode;

/// The lists the commands read and change. kFavorites is the member list of
/// the favourite group chosen in the favourites panel.
enum class EditList { kChannels, kTransponders, kSatellites, kFavorites };

/// The main view as the editing commands see it: the list state, the rows
/// of each list bound to database nodes, their selection, and the feedback
/// channels (status text, modified mark, counts, buttons).
///
/// Rows are always rebuilt from the database by Refill, so after a command
/// every row points at a live record. Row arguments are bounds-checked by the
/// implementation: a bad row yields null or is ignored.
class EditingView {
 public:
  virtual ~EditingView() = default;

  virtual SettingsDatabase& Database() = 0;
  virtual ListState& State() = 0;

  virtual int RowCount(EditList list) const = 0;
  /// Selected rows in ascending order.
  virtual std::vector<int> SelectedRows(EditList list) const = 0;
  /// The channel of a row of kChannels or kFavorites, or null.
  virtual ChannelNode* ChannelAt(EditList list, int row) const = 0;
  virtual TransponderNode* TransponderAt(int row) const = 0;
  virtual SatelliteNode* SatelliteAt(int row) const = 0;
  /// Row of a node in a list, or -1.
  virtual int RowOfChannel(EditList list, const ChannelNode* channel) const = 0;
  virtual int RowOfTransponder(const TransponderNode* transponder) const = 0;
  virtual int RowOfSatellite(const SatelliteNode* satellite) const = 0;
  /// The favourite group chosen in the favourites panel (0..7), or -1.
  virtual int SelectedFavoriteGroup() const = 0;

  /// Rebuilds a list's rows from the database for the current list state.
  virtual void Refill(EditList list) = 0;
  /// Re-reads a list whose members only changed their order: the rows that
  /// moved are redrawn and the selection stays (then set it). A list
  /// without such a shortcut is refilled.
  virtual void Reorder(EditList list) { Refill(list); }
  /// Redraws the rows of a list whose records changed in place.
  virtual void Redraw(EditList list) = 0;
  /// Selects exactly these rows (none for an empty list); the first one
  /// becomes current and is scrolled into view.
  virtual void SelectRows(EditList list, const std::vector<int>& rows) = 0;
  /// Scrolls a row into view without changing the selection.
  virtual void ShowRow(EditList list, int row) = 0;

  /// Re-reads statistics, favourite group entries and selector entries.
  virtual void RefreshCounts() = 0;
  /// Re-evaluates the enabled state of the command buttons and menus.
  virtual void UpdateButtons() = 0;
  virtual void ShowStatus(const std::string& text) = 0;
  virtual void MarkModified() = 0;
  /// Runs the commit flow of the current tab's property pane; `asking`
  /// lets it ask the user first. Nothing happens when no pane holds edits.
  virtual void CommitPane(bool asking) = 0;
  /// Ends an in-place edit still open in the pane, so that what was typed
  /// counts as a pending edit before a command looks at the flag.
  virtual void FinishPaneEdit() = 0;
};

}  // namespace vq
