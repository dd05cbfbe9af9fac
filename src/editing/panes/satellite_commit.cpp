#include "editing/panes/satellite_commit.h"

#include <algorithm>

#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/editing_view.h"
#include "editing/panes/pane_commit.h"
#include "editing/panes/record_pane_texts.h"
#include "editing/panes/satellite_draft.h"

namespace vq {
namespace {

void WritePredefined(SatelliteRecord record, int k, PredefinedPart part, int value) {
  const auto u16 = static_cast<uint16_t>(value);
  switch (part) {
    case PredefinedPart::kFrequency:
      record.SetPredefinedFrequency(k, u16);
      break;
    case PredefinedPart::kSymbolRate:
      record.SetPredefinedSymbolRate(k, u16);
      break;
    case PredefinedPart::kPolarization:
      record.SetPredefinedPolarization(k, u16);
      break;
    case PredefinedPart::kVideoPid:
      record.SetPredefinedVideoPid(k, u16);
      break;
    case PredefinedPart::kAudioPid:
      record.SetPredefinedAudioPid(k, u16);
      break;
    case PredefinedPart::kPcrPid:
      record.SetPredefinedPcrPid(k, u16);
      break;
  }
}

void WriteField(const SatelliteNode& satellite, SatelliteField field, int value) {
  SatelliteRecord record = satellite.Satellite();
  LnbRecord lnb = satellite.Lnb();
  PredefinedPart part{};
  if (const int k = PredefinedOf(field, &part); k >= 0) {
    WritePredefined(record, k, part, value);
    return;
  }
  const auto bits = static_cast<uint32_t>(value);
  switch (field) {
    case SatelliteField::kPosition:
      record.SetPosition(static_cast<int16_t>(value));
      break;
    case SatelliteField::kLnbType:
      lnb.SetType(bits);
      break;
    case SatelliteField::kHighOscillator:
      lnb.SetHighOscillator(static_cast<uint16_t>(value));
      break;
    case SatelliteField::kLowOscillator:
      lnb.SetLowOscillator(static_cast<uint16_t>(value));
      break;
    case SatelliteField::kTone22k:
      lnb.Set22kHz(value != 0);
      break;
    case SatelliteField::kOutput12v:
      lnb.Set12V(value != 0);
      break;
    case SatelliteField::kSwitchType:
      lnb.SetSwitchType(bits);
      break;
    case SatelliteField::kSwitchPort:
      lnb.SetSwitchPort(value);
      break;
    case SatelliteField::kToneBurst:
      lnb.SetToneBurst(bits);
      break;
    case SatelliteField::kMotorType:
      lnb.SetMotorType(bits);
      break;
    case SatelliteField::kMotorIndex:
      record.SetMotorIndex(static_cast<uint8_t>(value));
      break;
    default:
      break;
  }
}

void WriteMarkedFields(SatelliteNode& satellite, const SatelliteDraft& draft) {
  if (draft.Name().marked) satellite.SetName(draft.Name().text);
  for (int k = 0; k < SatelliteRecord::kPredefinedCount; ++k)
    if (draft.PredefinedName(k).marked)
      satellite.Satellite().SetPredefinedName(k, draft.PredefinedName(k).text);
  for (int f = 0; f < kSatelliteFieldCount; ++f) {
    const auto field = static_cast<SatelliteField>(f);
    if (draft.Marked(field)) WriteField(satellite, field, draft.Value(field));
  }
  // A new switch type keeps each satellite's own port, within its range.
  LnbRecord lnb = satellite.Lnb();
  if (const int ports = SwitchPortCount(lnb.GetSwitchType());
      draft.Marked(SatelliteField::kSwitchType) && ports > 0 && lnb.GetSwitchPort() > ports)
    lnb.SetSwitchPort(ports);
}

// The satellite a list filter shows, or null for none.
SatelliteNode* FilterSatellite(const SettingsDatabase& db, int number) {
  return number >= 0 && number < db.GetSatelliteCount() ? db.GetSatelliteNode(number) : nullptr;
}

// Moves the satellite to its typed number; the list filters follow the
// satellites they showed.
void MoveToNumber(EditingView& view, SatelliteNode* satellite, int number) {
  SettingsDatabase& db = view.Database();
  ListState& state = view.State();
  const SatelliteNode* channelFilter =
      state.ShowsSatellite() ? FilterSatellite(db, state.channelListSource - kSourceSatellite)
                             : nullptr;
  const SatelliteNode* transponderFilter = FilterSatellite(db, state.transponderListSatellite - 1);
  if (!db.MoveSatellite(satellite, number)) return;
  if (channelFilter) state.channelListSource = kSourceSatellite + channelFilter->GetNumber();
  if (transponderFilter) state.transponderListSatellite = transponderFilter->GetNumber() + 1;
}

}  // namespace

bool CommitSatelliteDraft(EditingView& view, Prompter& prompter, const SatelliteDraft& draft,
                          bool asking, int postEditAction) {
  if (draft.Empty() || !draft.IsModified()) return false;
  if (!CommitFlowGoesOn(prompter, asking, postEditAction)) return false;
  const std::vector<SatelliteNode*> satellites = draft.Resolve(view.Database());
  if (satellites.empty()) return false;
  view.ShowStatus(texts::kSavingSatellites);

  const std::vector<SatelliteNode*> selected = SelectedSatellites(view);
  SatelliteNode* first = satellites.front();
  const int before = first->GetNumber();
  if (draft.IsSingle() && draft.NumberMarked() && draft.Number() - 1 != before)
    MoveToNumber(view, first, draft.Number() - 1);
  for (SatelliteNode* s : satellites) WriteMarkedFields(*s, draft);

  if (first->GetNumber() != before) {
    view.Refill(EditList::kSatellites);
    // The pane's own Save follows the moved satellite; a user leaving the
    // record keeps the rows they chose.
    std::vector<int> rows;
    for (const SatelliteNode* s : asking ? selected : satellites)
      if (const int row = view.RowOfSatellite(s); row >= 0) rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    view.SelectRows(EditList::kSatellites, rows);
  } else {
    view.Redraw(EditList::kSatellites);
  }
  // The other lists show satellite names and positions; their rows keep
  // their nodes, as a move keeps every satellite's transponders.
  view.Redraw(EditList::kChannels);
  view.Redraw(EditList::kTransponders);
  view.RefreshCounts();
  view.MarkModified();
  view.ShowStatus(texts::kSavedSatellites);
  return true;
}

}  // namespace vq
