#include "editing/panes/transponder_draft.h"

#include <algorithm>
#include <cstring>

#include "database/lookup_tables.h"
#include "database/settings_database.h"
#include "editing/commands/editing_view.h"

namespace vq {

FieldRange RangeOf(TransponderField field) {
  switch (field) {
    case TransponderField::kSymbolRate:
      return {kMinSymbolRate, kMaxSymbolRate};
    case TransponderField::kPolarization:
      return {1, kPolarizationCount - 1};
    case TransponderField::kFec:
      return {0, kFecCount - 1};
    case TransponderField::kFtaOnly:
      return {0, 1};
    case TransponderField::kEcmChannelId:
    case TransponderField::kEcmCasId:
      return {0, kMaxPid};
    default:
      // Frequency, TP ID and Network ID: what the 16-bit fields hold.
      return {0, 65535};
  }
}

int ReadTransponderField(const TransponderNode& transponder, TransponderField field) {
  const TransponderRecord r = transponder.Record();
  switch (field) {
    case TransponderField::kFrequency:
      return r.GetFrequency();
    case TransponderField::kSymbolRate:
      return r.GetSymbolRate();
    case TransponderField::kPolarization:
      return r.GetPolarization();
    case TransponderField::kFec:
      return r.GetFec();
    case TransponderField::kFtaOnly:
      return r.IsFtaOnly() ? 1 : 0;
    case TransponderField::kTpId:
      return r.GetTpId();
    case TransponderField::kNetworkId:
      return r.GetNetworkId();
    case TransponderField::kEcmChannelId:
      return static_cast<int>(r.GetEcmChannelId());
    case TransponderField::kEcmCasId:
      return r.GetEcmCasId();
  }
  return 0;
}

TransponderDraft::TransponderDraft(const std::vector<TransponderNode*>& transponders,
                                   int listSatellite, int number, int numberLimit)
    : listSatellite_(listSatellite) {
  for (const TransponderNode* t : transponders) {
    if (!t) continue;
    const bool first = slots_.empty();
    slots_.push_back(t->GetTableIndex());
    const uint8_t* bytes = t->Record().Bytes();
    originals_.insert(originals_.end(), bytes, bytes + TransponderRecord::kSize);
    for (int f = 0; f < kTransponderFieldCount; ++f) {
      const int value = ReadTransponderField(*t, static_cast<TransponderField>(f));
      if (first)
        values_.Start(static_cast<size_t>(f), value);
      else
        values_.Merge(static_cast<size_t>(f), value);
    }
    if (first)
      name_.text = t->Record().GetName();
    else
      name_.Merge(t->Record().GetName());
  }
  if (IsSingle()) {
    number_ = number;
    numberLimit_ = numberLimit;
  }
}

TransponderDraft TransponderDraft::FromSelection(EditingView& view) {
  const std::vector<int> rows = view.SelectedRows(EditList::kTransponders);
  std::vector<TransponderNode*> transponders;
  for (int row : rows)
    if (TransponderNode* t = view.TransponderAt(row)) transponders.push_back(t);
  if (transponders.empty()) return {};
  const ListState& state = view.State();
  const int count = view.RowCount(EditList::kTransponders);
  const int row = rows.front();
  const int position = state.transpondersDescending ? count - 1 - row : row;
  return {transponders, state.transponderListSatellite, position + 1, count};
}

std::vector<TransponderNode*> TransponderDraft::Resolve(const SettingsDatabase& db) const {
  std::vector<TransponderNode*> nodes;
  for (size_t i = 0; i < slots_.size(); ++i) {
    TransponderNode* node = db.FindTransponderNode(slots_[i]);
    if (node && std::memcmp(node->Record().Bytes(), &originals_[i * TransponderRecord::kSize],
                            TransponderRecord::kSize) == 0)
      nodes.push_back(node);
  }
  return nodes;
}

bool TransponderDraft::IsEditable(TransponderField f) const {
  if (Empty()) return false;
  if (IsSingle()) return true;
  return f == TransponderField::kPolarization || f == TransponderField::kFec ||
         f == TransponderField::kFtaOnly;
}

bool TransponderDraft::Set(TransponderField f, int value) {
  const FieldRange range = RangeOf(f);
  if (!IsEditable(f) || value < range.minimum || value > range.maximum) return false;
  values_.Put(Index(f), value);
  return true;
}

bool TransponderDraft::SetName(std::string_view name) {
  if (Empty()) return false;
  name_.Put(std::string(name.substr(0, TransponderRecord::kNameWidth)));
  return true;
}

bool TransponderDraft::SetNumber(int number) {
  if (!NumberEditable() || number < 1 || number > numberLimit_) return false;
  number_ = number;
  numberMarked_ = true;
  return true;
}

}  // namespace vq
