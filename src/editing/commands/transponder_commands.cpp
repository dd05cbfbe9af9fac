#include "editing/commands/transponder_commands.h"

#include <unordered_set>

#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/command_states.h"
#include "editing/commands/command_texts.h"
#include "editing/commands/prompter.h"

namespace vq {
namespace {

void AddAndSelect(EditingView& view, Prompter& prompter, SatelliteNode* satellite) {
  TransponderNode* transponder = AddTransponderToSatellite(view, prompter, satellite);
  if (!transponder) return;
  transponder->Record().SetName(texts::kTransponderName);
  view.Refill(EditList::kTransponders);
  const int row = view.RowOfTransponder(transponder);
  view.SelectRows(EditList::kTransponders, row >= 0 ? std::vector<int>{row} : std::vector<int>{});
  view.RefreshCounts();
  view.UpdateButtons();
  view.ShowStatus(texts::kTransponderAdded);
  view.MarkModified();
}

// Deletes the transponders with their channels and rebuilds every list that
// showed them, keeping what stays selected (or row 0).
void DeleteAndRefill(EditingView& view, const std::vector<TransponderNode*>& doomed) {
  const std::unordered_set<const TransponderNode*> gone(doomed.begin(), doomed.end());
  std::vector<ChannelNode*> keptChannels;
  for (ChannelNode* c : SelectedChannels(view, EditList::kChannels))
    if (!gone.contains(c->GetTransponder())) keptChannels.push_back(c);
  std::vector<TransponderNode*> keptTransponders;
  for (TransponderNode* t : SelectedTransponders(view))
    if (!gone.contains(t)) keptTransponders.push_back(t);
  view.Database().DeleteTransponders(doomed);
  // Every list drops its rows of deleted records before anything is selected.
  view.Refill(EditList::kFavorites);
  view.Refill(EditList::kTransponders);
  view.Refill(EditList::kChannels);
  SelectChannelsOrFirst(view, keptChannels);
  SelectTranspondersOrFirst(view, keptTransponders);
  view.Redraw(EditList::kSatellites);
  view.RefreshCounts();
  view.UpdateButtons();
  if (!doomed.empty()) view.MarkModified();
}

void RemoveTransponderRows(EditingView& view, const std::vector<int>& rows) {
  std::vector<TransponderNode*> doomed;
  for (int row : rows)
    if (TransponderNode* t = view.TransponderAt(row)) doomed.push_back(t);
  DeleteAndRefill(view, doomed);
  if (!rows.empty()) SelectClamped(view, EditList::kTransponders, rows.front());
}

}  // namespace

TransponderNode* AddTransponderToSatellite(EditingView& view, Prompter& prompter,
                                           SatelliteNode* satellite) {
  SettingsDatabase& db = view.Database();
  if (!satellite) {
    const int filter = view.State().transponderListSatellite;
    if (filter > 0) {
      satellite = db.FindSatelliteNodeByNumber(filter - 1);
    } else {
      const std::optional<int> chosen = prompter.SelectSatellite();
      if (!chosen) return nullptr;
      satellite = db.FindSatelliteNodeByNumber(*chosen);
    }
    if (!satellite) return nullptr;
  }
  TransponderNode* transponder = nullptr;
  if (!db.AddTransponder(satellite, &transponder)) {
    prompter.Tell(texts::kNoTransponderSpace);
    return nullptr;
  }
  view.Redraw(EditList::kSatellites);
  return transponder;
}

void AddNewTransponder(EditingView& view, Prompter& prompter) {
  CommitPendingEdits(view);
  AddAndSelect(view, prompter, nullptr);
}

void AddNewTransponderOnSameSatellite(EditingView& view, Prompter& prompter) {
  if (!EvaluateCommandStates(view).addOnSameSatellite) return;
  CommitPendingEdits(view);
  const std::vector<TransponderNode*> selected = SelectedTransponders(view);
  if (selected.size() == 1) AddAndSelect(view, prompter, selected.front()->GetSatellite());
}

void RemoveSelectedTransponders(EditingView& view) {
  CommitPendingEdits(view);
  const std::vector<int> rows = view.SelectedRows(EditList::kTransponders);
  if (rows.empty()) return;
  const int k = static_cast<int>(rows.size());
  view.ShowStatus(k == 1 ? texts::kRemovingTransponder : texts::kRemovingTransponders);
  RemoveTransponderRows(view, rows);
  view.ShowStatus(k == 1 ? texts::kRemovedTransponder : FormatText(texts::kRemovedTransponders, k));
}

void RemoveAllTransponders(EditingView& view) {
  CommitPendingEdits(view);
  view.ShowStatus(texts::kRemovingAllTransponders);
  const std::vector<int> rows = AllRows(view, EditList::kTransponders);
  RemoveTransponderRows(view, rows);
  view.ShowStatus(FormatText(texts::kRemovedAllTransponders, static_cast<int>(rows.size())));
}

void ClearAllTransponders(EditingView& view) {
  CommitPendingEdits(view);
  const std::vector<SatelliteNode*> satellites = SelectedSatellites(view);
  if (satellites.empty()) return;
  view.ShowStatus(texts::kClearingTransponders);
  std::vector<TransponderNode*> doomed;
  for (const SatelliteNode* s : satellites) {
    std::vector<TransponderNode*> list;
    view.Database().CollectTransponders(list, s->GetNumber());
    doomed.insert(doomed.end(), list.begin(), list.end());
  }
  DeleteAndRefill(view, doomed);
  view.ShowStatus(texts::kReady);
}

void DeleteAllDataChannels(EditingView& view) {
  CommitPendingEdits(view);
  SettingsDatabase& db = view.Database();
  if (db.CountChannels(kData) <= 0) return;
  CommitPendingEdits(view);
  view.ShowStatus(texts::kRemovingDataChannels);
  std::vector<ChannelNode*> doomed;
  db.CollectChannels(doomed, kData, kFilterNone);
  db.DeleteChannels(doomed);
  view.Refill(EditList::kFavorites);
  if (view.State().shownChannelType == kData) {
    view.Refill(EditList::kChannels);
    view.SelectRows(EditList::kChannels, {});
  }
  view.Redraw(EditList::kTransponders);
  view.Redraw(EditList::kSatellites);
  view.RefreshCounts();
  view.UpdateButtons();
  view.ShowStatus(FormatText(texts::kRemovedDataChannels, static_cast<int>(doomed.size())));
  view.MarkModified();
}

void DeleteAllEmptyTransponders(EditingView& view) {
  CommitPendingEdits(view);
  SettingsDatabase& db = view.Database();
  if (db.GetEmptyTransponderTotal() <= 0) return;
  CommitPendingEdits(view);
  view.ShowStatus(texts::kRemovingEmptyTransponders);
  std::vector<TransponderNode*> doomed;
  db.CollectEmptyTransponders(doomed, -1);
  DeleteAndRefill(view, doomed);
  view.ShowStatus(FormatText(texts::kRemovedEmptyTransponders, static_cast<int>(doomed.size())));
}

}  // namespace vq
