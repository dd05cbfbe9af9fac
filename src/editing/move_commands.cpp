#include "editing/move_commands.h"

#include <unordered_map>

#include "database/settings_database.h"
#include "editing/command_frame.h"
#include "editing/command_texts.h"
#include "editing/orderings.h"
#include "editing/reorder.h"

namespace vq {
namespace {

template <class Node>
std::unordered_map<const Node*, int> PlaceMap(const std::vector<Node*>& order) {
  std::unordered_map<const Node*, int> placeOf;
  placeOf.reserve(order.size());
  for (size_t i = 0; i < order.size(); ++i) placeOf.emplace(order[i], static_cast<int>(i));
  return placeOf;
}

// The places in `order` of the nodes of the selected rows, ascending.
template <class Node, class At>
std::vector<int> PlacesOf(const std::vector<Node*>& order, const std::vector<int>& rows, At at) {
  const std::unordered_map<const Node*, int> placeOf = PlaceMap(order);
  std::vector<int> places;
  for (int row : rows) {
    const auto it = placeOf.find(at(row));
    if (it != placeOf.end()) places.push_back(it->second);
  }
  std::sort(places.begin(), places.end());
  places.erase(std::unique(places.begin(), places.end()), places.end());
  return places;
}

// Rows of a refilled list whose rows follow `order` (reversed when descending).
std::vector<int> RowsOfPlaces(const std::vector<int>& places, size_t count, bool descending) {
  std::vector<int> rows;
  for (int p : places) rows.push_back(descending ? static_cast<int>(count) - 1 - p : p);
  std::sort(rows.begin(), rows.end());
  return rows;
}

// Shifts the selected members one step; in a descending list "up" runs
// towards the end of the ordering.
template <class Node, class At, class Apply>
void MoveIn(EditingView& view, EditList list, std::vector<Node*> order, bool descending, bool up,
            At at, Apply apply) {
  const std::vector<int> places = PlacesOf(order, view.SelectedRows(list), at);
  if (places.empty()) return;
  const bool towardsStart = up != descending;
  const std::vector<int> moved =
      towardsStart ? ShiftTowardsStart(order, places) : ShiftTowardsEnd(order, places);
  if (moved != places) apply(order);
  view.Refill(list);
  view.SelectRows(list, RowsOfPlaces(moved, order.size(), descending));
  if (moved != places) view.MarkModified();
}

}  // namespace

void MoveSelection(EditingView& view, bool up) {
  SettingsDatabase& db = view.Database();
  ListState& state = view.State();
  const int tab = state.currentTab;
  if (tab > kTabSatellites) return;
  CommitPendingEdits(view);
  view.ShowStatus(texts::kPleaseWait);
  if (tab == kTabChannels) {
    const int source = state.channelListSource;
    const int type = state.shownChannelType;
    MoveIn(
        view, EditList::kChannels, ChannelOrder(db, source, type), state.channelsDescending, up,
        [&](int row) { return view.ChannelAt(EditList::kChannels, row); },
        [&](const std::vector<ChannelNode*>& order) {
          ApplyChannelOrder(db, source, type, order);
        });
  } else if (tab == kTabTransponders) {
    const int filter = state.transponderListSatellite;
    MoveIn(
        view, EditList::kTransponders, TransponderOrder(db, filter), state.transpondersDescending,
        up, [&](int row) { return view.TransponderAt(row); },
        [&](const std::vector<TransponderNode*>& order) { ApplyTransponderOrder(filter, order); });
  } else {
    MoveIn(
        view, EditList::kSatellites, SatelliteOrder(db), state.satellitesDescending, up,
        [&](int row) { return view.SatelliteAt(row); },
        [&](const std::vector<SatelliteNode*>& order) { ApplySatelliteOrder(db, order); });
    view.Refill(EditList::kTransponders);
    view.Refill(EditList::kChannels);
  }
  view.RefreshCounts();
  view.UpdateButtons();
  view.ShowStatus(texts::kReady);
}

void DropChannels(EditingView& view, int targetRow) {
  SettingsDatabase& db = view.Database();
  const ListState& state = view.State();
  CommitPendingEdits(view);
  view.ShowStatus(texts::kPleaseWait);
  const int source = state.channelListSource;
  const int type = state.shownChannelType;
  const bool descending = state.channelsDescending;
  std::vector<ChannelNode*> order = ChannelOrder(db, source, type);
  const std::unordered_map<const ChannelNode*, int> before = PlaceMap(order);
  // The dragged channels in list order with their places; rows whose
  // channel is not in the ordering are left out.
  std::vector<ChannelNode*> moved;
  std::vector<int> places;
  for (int row : view.SelectedRows(EditList::kChannels)) {
    ChannelNode* channel = view.ChannelAt(EditList::kChannels, row);
    const auto it = before.find(channel);
    if (it == before.end()) continue;
    moved.push_back(channel);
    places.push_back(it->second);
  }
  const int count = static_cast<int>(order.size());
  if (!moved.empty()) {
    const int row = std::clamp(targetRow, 0, count);
    const int target =
        row == count ? (descending ? -1 : count) : (descending ? count - 1 - row : row);
    DropAtPlace(order, moved, places, target, descending);
    ApplyChannelOrder(db, source, type, order);
    view.MarkModified();
  }
  const std::unordered_map<const ChannelNode*, int> after = PlaceMap(order);
  std::vector<int> newPlaces;
  for (const ChannelNode* channel : moved) newPlaces.push_back(after.at(channel));
  view.Refill(EditList::kChannels);
  view.SelectRows(EditList::kChannels, RowsOfPlaces(newPlaces, order.size(), descending));
  view.RefreshCounts();
  view.UpdateButtons();
  view.ShowStatus(texts::kReady);
}

}  // namespace vq
