#include "editing/panes/transponder_commit.h"

#include <algorithm>

#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/editing_view.h"
#include "editing/panes/pane_commit.h"
#include "editing/panes/record_pane_texts.h"
#include "editing/panes/transponder_draft.h"

namespace vq {
namespace {

void WriteField(TransponderRecord record, TransponderField field, int value) {
  const auto u16 = static_cast<uint16_t>(value);
  switch (field) {
    case TransponderField::kFrequency:
      record.SetFrequency(u16);
      break;
    case TransponderField::kSymbolRate:
      record.SetSymbolRate(u16);
      break;
    case TransponderField::kPolarization:
      record.SetPolarization(static_cast<uint32_t>(value));
      break;
    case TransponderField::kFec:
      record.SetFec(static_cast<uint32_t>(value));
      break;
    case TransponderField::kFtaOnly:
      record.SetFtaOnly(value != 0);
      break;
    case TransponderField::kTpId:
      record.SetTpId(u16);
      break;
    case TransponderField::kNetworkId:
      record.SetNetworkId(u16);
      break;
    case TransponderField::kEcmChannelId:
      record.SetEcmChannelId(static_cast<uint32_t>(value));
      break;
    case TransponderField::kEcmCasId:
      record.SetEcmCasId(u16);
      break;
  }
}

void WriteMarkedFields(TransponderRecord record, const TransponderDraft& draft) {
  if (draft.Name().marked) record.SetName(draft.Name().text);
  for (int f = 0; f < kTransponderFieldCount; ++f) {
    const auto field = static_cast<TransponderField>(f);
    if (draft.Marked(field)) WriteField(record, field, draft.Value(field));
  }
}

// Moves the transponder to place `target` (from 0) of its list's ordering;
// returns whether it moved.
bool MoveToListPlace(SettingsDatabase& db, TransponderNode* transponder, int listSatellite,
                     int target) {
  std::vector<TransponderNode*> order;
  db.CollectTransponders(order, listSatellite - 1);
  int from = -1;
  for (size_t i = 0; i < order.size(); ++i)
    if (order[i] == transponder) from = static_cast<int>(i);
  if (from < 0 || from == target) return false;
  return listSatellite == 0 ? db.MoveTransponder(transponder, target)
                            : db.MoveTransponderInSatellite(transponder, target);
}

}  // namespace

bool CommitTransponderDraft(EditingView& view, Prompter& prompter, const TransponderDraft& draft,
                            bool asking, int postEditAction) {
  if (draft.Empty() || !draft.IsModified()) return false;
  if (!CommitFlowGoesOn(prompter, asking, postEditAction)) return false;
  SettingsDatabase& db = view.Database();
  const std::vector<TransponderNode*> transponders = draft.Resolve(db);
  if (transponders.empty()) return false;
  view.ShowStatus(texts::kSavingTransponders);

  const std::vector<TransponderNode*> selected = SelectedTransponders(view);
  const int listSatellite = view.State().transponderListSatellite;
  bool moved = false;
  if (draft.IsSingle() && draft.NumberMarked() && draft.ListSatellite() == listSatellite)
    moved = MoveToListPlace(db, transponders.front(), listSatellite, draft.Number() - 1);
  for (TransponderNode* t : transponders) WriteMarkedFields(t->Record(), draft);

  if (moved) {
    view.Refill(EditList::kTransponders);
    // The pane's own Save follows the moved transponder; a user leaving the
    // record keeps the rows they chose.
    std::vector<int> rows;
    for (const TransponderNode* t : asking ? selected : transponders)
      if (const int row = view.RowOfTransponder(t); row >= 0) rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    view.SelectRows(EditList::kTransponders, rows);
  } else {
    view.Redraw(EditList::kTransponders);
  }
  // Channel rows show their transponder's values.
  view.Redraw(EditList::kChannels);
  view.RefreshCounts();
  view.MarkModified();
  view.ShowStatus(texts::kSavedTransponders);
  return true;
}

}  // namespace vq
