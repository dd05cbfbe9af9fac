#include "editing/commands/command_frame.h"

#include <algorithm>
#include <unordered_map>

#include "common/translated_format.h"

namespace vq {

void CommitPendingEdits(EditingView& view) {
  view.FinishPaneEdit();
  ListState& state = view.State();
  if (state.pendingEdit) {
    state.pendingEdit = false;
    view.CommitPane(true);
  }
  view.RefreshCounts();
}

std::string FormatText(const char* pattern, int value) { return TranslatedFormat(pattern, value); }

std::string FormatText(const char* pattern, const std::string& text, int value) {
  return TranslatedFormat(pattern, text.c_str(), value);
}

std::string FormatText(const char* pattern, const std::string& first, const std::string& second) {
  return TranslatedFormat(pattern, first.c_str(), second.c_str());
}

std::vector<ChannelNode*> ChannelsOfRows(const EditingView& view, EditList list,
                                         const std::vector<int>& rows) {
  std::vector<ChannelNode*> channels;
  for (int row : rows)
    if (ChannelNode* channel = view.ChannelAt(list, row)) channels.push_back(channel);
  return channels;
}

std::vector<ChannelNode*> SelectedChannels(const EditingView& view, EditList list) {
  return ChannelsOfRows(view, list, view.SelectedRows(list));
}

std::vector<TransponderNode*> SelectedTransponders(const EditingView& view) {
  std::vector<TransponderNode*> transponders;
  for (int row : view.SelectedRows(EditList::kTransponders))
    if (TransponderNode* transponder = view.TransponderAt(row)) transponders.push_back(transponder);
  return transponders;
}

std::vector<SatelliteNode*> SelectedSatellites(const EditingView& view) {
  std::vector<SatelliteNode*> satellites;
  for (int row : view.SelectedRows(EditList::kSatellites))
    if (SatelliteNode* satellite = view.SatelliteAt(row)) satellites.push_back(satellite);
  return satellites;
}

std::vector<int> AllRows(const EditingView& view, EditList list) {
  std::vector<int> rows(static_cast<size_t>(std::max(view.RowCount(list), 0)));
  for (size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<int>(i);
  return rows;
}

namespace {

// Rows of the nodes that are still listed, found through one pass over the
// list rather than one search per node.
template <class Node, class At>
std::vector<int> RowsOfNodes(int rowCount, At at, const std::vector<Node*>& nodes) {
  std::unordered_map<const Node*, int> rowOf;
  rowOf.reserve(static_cast<size_t>(std::max(rowCount, 0)));
  for (int row = 0; row < rowCount; ++row) rowOf.emplace(at(row), row);
  std::vector<int> rows;
  for (const Node* node : nodes) {
    const auto it = rowOf.find(node);
    if (it != rowOf.end()) rows.push_back(it->second);
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

}  // namespace

std::vector<int> RowsOfChannels(const EditingView& view, EditList list,
                                const std::vector<ChannelNode*>& channels) {
  return RowsOfNodes(
      view.RowCount(list), [&](int row) { return view.ChannelAt(list, row); }, channels);
}

void SelectChannelsOrFirst(EditingView& view, const std::vector<ChannelNode*>& channels) {
  std::vector<int> rows = RowsOfChannels(view, EditList::kChannels, channels);
  if (rows.empty() && view.RowCount(EditList::kChannels) > 0) rows.push_back(0);
  view.SelectRows(EditList::kChannels, rows);
}

void SelectTranspondersOrFirst(EditingView& view,
                               const std::vector<TransponderNode*>& transponders) {
  std::vector<int> rows = RowsOfNodes(
      view.RowCount(EditList::kTransponders), [&](int row) { return view.TransponderAt(row); },
      transponders);
  if (rows.empty() && view.RowCount(EditList::kTransponders) > 0) rows.push_back(0);
  view.SelectRows(EditList::kTransponders, rows);
}

void SelectClamped(EditingView& view, EditList list, int row) {
  const int count = view.RowCount(list);
  if (count <= 0) {
    view.SelectRows(list, {});
    return;
  }
  view.SelectRows(list, {std::clamp(row, 0, count - 1)});
}

}  // namespace vq
