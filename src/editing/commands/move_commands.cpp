#include "editing/commands/move_commands.h"

#include <unordered_map>
#include <unordered_set>

#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/command_texts.h"
#include "editing/commands/orderings.h"
#include "editing/commands/reorder.h"

namespace vq {
namespace {

// Where the records of a list end up after a move: the rows they take once
// the list is refilled, and whether the database changed.
struct MoveResult {
  std::vector<int> rows;
  bool moved = false;
};

template <class Node>
std::unordered_map<const Node*, int> PlaceMap(const std::vector<Node*>& order) {
  std::unordered_map<const Node*, int> placeOf;
  placeOf.reserve(order.size());
  for (size_t i = 0; i < order.size(); ++i) placeOf.emplace(order[i], static_cast<int>(i));
  return placeOf;
}

// The places in `order` of the nodes of the selected rows, ascending: one
// walk over `order` that looks each node up among the selected ones (the
// first place of a node counts).
template <class Node, class At>
std::vector<int> PlacesOf(const std::vector<Node*>& order, const std::vector<int>& rows, At at) {
  std::unordered_set<const Node*> chosen;
  chosen.reserve(rows.size());
  for (int row : rows) chosen.insert(at(row));
  std::vector<int> places;
  for (size_t i = 0; i < order.size() && !chosen.empty(); ++i)
    if (chosen.erase(order[i]) > 0) places.push_back(static_cast<int>(i));
  return places;
}

// Rows of a refilled list whose rows follow `order` (reversed when descending).
std::vector<int> RowsOfPlaces(const std::vector<int>& places, size_t count, bool descending) {
  std::vector<int> rows;
  rows.reserve(places.size());
  for (int p : places) rows.push_back(descending ? static_cast<int>(count) - 1 - p : p);
  std::sort(rows.begin(), rows.end());
  return rows;
}

// Shifts the selected members of `order` one step and puts the new order
// into the database; in a descending list "up" runs towards the end.
template <class Node, class At, class Apply>
MoveResult ShiftSelected(const EditingView& view, EditList list, std::vector<Node*> order,
                         bool descending, bool up, At at, Apply apply) {
  const std::vector<int> places = PlacesOf(order, view.SelectedRows(list), at);
  if (places.empty()) return {};
  const bool towardsStart = up != descending;
  const std::vector<int> moved =
      towardsStart ? ShiftTowardsStart(order, places) : ShiftTowardsEnd(order, places);
  return {RowsOfPlaces(moved, order.size(), descending), moved != places && apply(order)};
}

MoveResult ShiftSelectedRecords(EditingView& view, bool up) {
  SettingsDatabase& db = view.Database();
  const ListState& state = view.State();
  if (state.currentTab == kTabChannels) {
    const int source = state.channelListSource;
    const int type = state.shownChannelType;
    return ShiftSelected(
        view, EditList::kChannels, ChannelOrder(db, source, type), state.channelsDescending, up,
        [&](int row) { return view.ChannelAt(EditList::kChannels, row); },
        [&](const std::vector<ChannelNode*>& order) {
          return ApplyChangedChannelOrder(db, source, type, order);
        });
  }
  if (state.currentTab == kTabTransponders) {
    const int filter = state.transponderListSatellite;
    return ShiftSelected(
        view, EditList::kTransponders, TransponderOrder(db, filter), state.transpondersDescending,
        up, [&](int row) { return view.TransponderAt(row); },
        [&](const std::vector<TransponderNode*>& order) {
          return ApplyTransponderOrder(db, filter, order);
        });
  }
  return ShiftSelected(
      view, EditList::kSatellites, SatelliteOrder(db), state.satellitesDescending, up,
      [&](int row) { return view.SatelliteAt(row); },
      [&](const std::vector<SatelliteNode*>& order) { return ApplySatelliteOrder(db, order); });
}

// Drops the selected channel rows as one block before row `targetRow`.
MoveResult DropSelectedChannels(EditingView& view, int targetRow) {
  SettingsDatabase& db = view.Database();
  const ListState& state = view.State();
  const int source = state.channelListSource;
  const int type = state.shownChannelType;
  const bool descending = state.channelsDescending;
  std::vector<ChannelNode*> order = ChannelOrder(db, source, type);
  const std::unordered_map<const ChannelNode*, int> before = PlaceMap(order);
  // The dragged channels in list order with their places; rows whose
  // channel is not in the ordering are left out.
  std::vector<ChannelNode*> dragged;
  std::vector<int> places;
  for (int row : view.SelectedRows(EditList::kChannels)) {
    ChannelNode* channel = view.ChannelAt(EditList::kChannels, row);
    const auto it = before.find(channel);
    if (it == before.end()) continue;
    dragged.push_back(channel);
    places.push_back(it->second);
  }
  if (dragged.empty()) return {};
  const int count = static_cast<int>(order.size());
  const int row = std::clamp(targetRow, 0, count);
  const int target =
      row == count ? (descending ? -1 : count) : (descending ? count - 1 - row : row);
  const std::vector<ChannelNode*> old = order;
  DropAtPlace(order, dragged, places, target, descending);
  const std::unordered_map<const ChannelNode*, int> after = PlaceMap(order);
  std::vector<int> newPlaces;
  newPlaces.reserve(dragged.size());
  for (const ChannelNode* channel : dragged) newPlaces.push_back(after.at(channel));
  // Rows dropped onto themselves leave the order as it was.
  const bool moved = order != old && ApplyChangedChannelOrder(db, source, type, order);
  return {RowsOfPlaces(newPlaces, order.size(), descending), moved};
}

// Whether the favourites panel lists the group the channel list shows, so
// that a move of the channel list reorders it too.
bool PanelShowsListedGroup(EditingView& view) {
  const ListState& state = view.State();
  return state.ShowsFavoriteGroup() &&
         state.channelListSource == kSourceFavorites + view.SelectedFavoriteGroup();
}

}  // namespace

void MoveSelection(EditingView& view, bool up) {
  const int tab = view.State().currentTab;
  if (tab > kTabSatellites) return;
  CommitPendingEdits(view);
  view.ShowStatus(texts::kPleaseWait);
  const EditList list = tab == kTabChannels       ? EditList::kChannels
                        : tab == kTabTransponders ? EditList::kTransponders
                                                  : EditList::kSatellites;
  const MoveResult result = ShiftSelectedRecords(view, up);
  view.Reorder(list);
  // Marked before the selection follows, so that the pane the new selection
  // shows can stand for the rebuild the change asks for.
  if (result.moved) view.MarkModified();
  view.SelectRows(list, result.rows);
  if (tab == kTabChannels && PanelShowsListedGroup(view)) view.Refill(EditList::kFavorites);
  if (tab == kTabSatellites) {
    view.Refill(EditList::kTransponders);
    view.Refill(EditList::kChannels);
  }
  // Reordering channels or transponders changes no count and no selector
  // entry; satellites carry their numbers into the selectors.
  if (tab == kTabSatellites) view.RefreshCounts();
  view.UpdateButtons();
  view.ShowStatus(texts::kReady);
}

void DropChannels(EditingView& view, int targetRow) {
  CommitPendingEdits(view);
  view.ShowStatus(texts::kPleaseWait);
  const MoveResult result = DropSelectedChannels(view, targetRow);
  view.Reorder(EditList::kChannels);
  if (result.moved) view.MarkModified();
  view.SelectRows(EditList::kChannels, result.rows);
  if (PanelShowsListedGroup(view)) view.Refill(EditList::kFavorites);
  view.UpdateButtons();
  view.ShowStatus(texts::kReady);
}

}  // namespace vq
