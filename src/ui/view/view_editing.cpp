#include "ui/view/view_editing.h"

#include <QItemSelectionModel>
#include <QListView>
#include <algorithm>
#include <unordered_set>

#include "common/qt/core_text.h"
#include "database/settings_database.h"
#include "ui/grid/property_grid.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/favorite_members_model.h"
#include "ui/view/favorites_panel.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/satellite_list_model.h"
#include "ui/view/transponder_list_model.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {
namespace {

QAbstractItemView* ListOf(const CVQChannelEditorView& view, EditList list) {
  switch (list) {
    case EditList::kChannels:
      return view.Page(kTabChannels)->List();
    case EditList::kTransponders:
      return view.Page(kTabTransponders)->List();
    case EditList::kSatellites:
      return view.Page(kTabSatellites)->List();
    case EditList::kFavorites:
      return view.Favorites()->Members();
  }
  return nullptr;
}

}  // namespace

SettingsDatabase& ViewEditing::Database() { return view_.Database(); }

ListState& ViewEditing::State() { return view_.State(); }

int ViewEditing::RowCount(EditList list) const {
  switch (list) {
    case EditList::kChannels:
      return view_.Channels()->rowCount();
    case EditList::kTransponders:
      return view_.Transponders()->rowCount();
    case EditList::kSatellites:
      return view_.Satellites()->rowCount();
    case EditList::kFavorites:
      return view_.Favorites()->MembersModel()->rowCount();
  }
  return 0;
}

std::vector<int> ViewEditing::SelectedRows(EditList list) const {
  if (list == EditList::kFavorites)
    return SelectedRowsOf(view_.Favorites()->Members()->selectionModel());
  return view_.SelectedRows(list == EditList::kChannels       ? kTabChannels
                            : list == EditList::kTransponders ? kTabTransponders
                                                              : kTabSatellites);
}

ChannelNode* ViewEditing::ChannelAt(EditList list, int row) const {
  if (list == EditList::kFavorites) return view_.Favorites()->MembersModel()->NodeAt(row);
  return list == EditList::kChannels ? view_.Channels()->NodeAt(row) : nullptr;
}

TransponderNode* ViewEditing::TransponderAt(int row) const {
  return view_.Transponders()->NodeAt(row);
}

SatelliteNode* ViewEditing::SatelliteAt(int row) const { return view_.Satellites()->NodeAt(row); }

int ViewEditing::RowOfChannel(EditList list, const ChannelNode* channel) const {
  if (!channel) return -1;
  if (list == EditList::kChannels) return view_.Channels()->RowOf(channel);
  const FavoriteMembersModel* members = view_.Favorites()->MembersModel();
  for (int row = 0; list == EditList::kFavorites && row < members->rowCount(); ++row)
    if (members->NodeAt(row) == channel) return row;
  return -1;
}

int ViewEditing::RowOfTransponder(const TransponderNode* t) const {
  return view_.Transponders()->RowOf(t);
}

int ViewEditing::RowOfSatellite(const SatelliteNode* s) const {
  return view_.Satellites()->RowOf(s);
}

int ViewEditing::SelectedFavoriteGroup() const { return view_.Favorites()->ChosenGroup(); }

void ViewEditing::Refill(EditList list) {
  switch (list) {
    case EditList::kChannels:
      view_.RefillChannelList();
      break;
    case EditList::kTransponders:
      view_.RefillTransponderList();
      break;
    case EditList::kSatellites:
      view_.RefillSatelliteList();
      break;
    case EditList::kFavorites:
      view_.Favorites()->ChooseGroup(view_.Favorites()->ChosenGroup());
      break;
  }
}

void ViewEditing::Reorder(EditList list) {
  if (list == EditList::kChannels)
    view_.ReorderChannelList();
  else if (list == EditList::kTransponders)
    view_.ReorderTransponderList();
  else
    Refill(list);
}

void ViewEditing::Redraw(EditList list) {
  switch (list) {
    case EditList::kChannels:
      view_.Channels()->Refresh();
      break;
    case EditList::kTransponders:
      view_.Transponders()->Refresh();
      break;
    case EditList::kSatellites:
      view_.Satellites()->Refresh();
      break;
    case EditList::kFavorites:
      ListOf(view_, list)->viewport()->update();
      break;
  }
}

void ViewEditing::SelectRows(EditList list, const std::vector<int>& rows) {
  QAbstractItemView* widget = ListOf(view_, list);
  QAbstractItemModel* model = widget->model();
  const int count = model->rowCount();
  const int last = model->columnCount() - 1;
  std::vector<int> sorted;
  for (int row : rows)
    if (row >= 0 && row < count) sorted.push_back(row);
  std::sort(sorted.begin(), sorted.end());
  // Runs of neighbouring rows become one range, so thousands of selected
  // rows cost a few ranges.
  QItemSelection selection;
  for (size_t i = 0; i < sorted.size();) {
    size_t j = i;
    while (j + 1 < sorted.size() && sorted[j + 1] <= sorted[j] + 1) ++j;
    selection.select(model->index(sorted[i], 0), model->index(sorted[j], last));
    i = j + 1;
  }
  widget->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  if (sorted.empty()) return;
  const QModelIndex first = model->index(sorted.front(), 0);
  widget->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
  widget->scrollTo(first);
}

void ViewEditing::ShowRow(EditList list, int row) {
  QAbstractItemView* widget = ListOf(view_, list);
  if (row >= 0 && row < widget->model()->rowCount())
    widget->scrollTo(widget->model()->index(row, 0));
}

void ViewEditing::RefreshCounts() { view_.RefreshCountsAndSelectors(); }

void ViewEditing::UpdateButtons() { view_.UpdateButtons(); }

void ViewEditing::ShowStatus(const std::string& text) { view_.ShowStatus(CoreText(text)); }

void ViewEditing::MarkModified() { view_.MarkModified(); }

void ViewEditing::CommitPane(bool asking) { view_.CommitPane(asking); }

void ViewEditing::FinishPaneEdit() { view_.Pane()->finishEditing(); }

void ViewEditing::ChannelsDeleting(const std::vector<ChannelNode*>& channels) {
  const std::unordered_set<const ChannelNode*> doomed(channels.begin(), channels.end());
  const auto gone = [&doomed](const ChannelNode* c) { return doomed.contains(c); };
  view_.Channels()->DropRowsIf(gone);
  view_.Favorites()->MembersModel()->DropRowsIf(gone);
}

void ViewEditing::TranspondersDeleting(const std::vector<TransponderNode*>& transponders) {
  const std::unordered_set<const TransponderNode*> doomed(transponders.begin(), transponders.end());
  const auto channelGone = [&doomed](const ChannelNode* c) {
    return doomed.contains(c->GetTransponder());
  };
  view_.Channels()->DropRowsIf(channelGone);
  view_.Favorites()->MembersModel()->DropRowsIf(channelGone);
  view_.Transponders()->DropRowsIf(
      [&doomed](const TransponderNode* t) { return doomed.contains(t); });
}

void ViewEditing::IndexResetting() {
  view_.Channels()->Clear();
  view_.Favorites()->MembersModel()->Clear();
  view_.Transponders()->Clear();
  view_.Satellites()->Clear();
}

}  // namespace vq
