#include "ui/panes/satellite_pane.h"

#include "common/text_translation.h"
#include "database/lookup_tables.h"
#include "database/position_text.h"
#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/editing_view.h"
#include "editing/panes/satellite_checks.h"
#include "ui/app/config/editor_config.h"
#include "ui/panes/channel_pane_texts.h"
#include "ui/panes/lookup_option_texts.h"
#include "ui/panes/pane_context.h"

namespace vq {

using namespace satellite_rows;

namespace {

std::vector<std::string> OscillatorOptions() {
  std::vector<std::string> options;
  options.reserve(kStandardOscillators.size());
  for (const uint16_t mhz : kStandardOscillators) options.push_back(OscillatorText(mhz));
  return options;
}

// The radio rows of a choice: first row, count, field.
struct RadioRun {
  int first;
  int count;
  SatelliteField field;
};
constexpr RadioRun kRadioRuns[] = {
    {kLnbSingle, kLnbTypeCount, SatelliteField::kLnbType},
    {kBurstOff, kToneBurstCount, SatelliteField::kToneBurst},
    {kMotorOff, kMotorTypeCount, SatelliteField::kMotorType},
};

constexpr std::pair<int, SatelliteField> kPlainRows[] = {
    {kTone22k, SatelliteField::kTone22k},
    {kOutput12v, SatelliteField::kOutput12v},
    {kSwitchType, SatelliteField::kSwitchType},
    {kSwitchPort, SatelliteField::kSwitchPort},
};

// A lookup table's name of `value` in the user's language; "-" for none.
std::string TextOf(std::string_view (*text)(int), std::optional<int> value) {
  const std::string_view name = value ? text(*value) : std::string_view();
  return name.empty() ? "-" : LookupText(name);
}

}  // namespace

bool SatellitePane::LoadTexts(EditingView& view) {
  transponders_.clear();
  channels_.clear();
  if (draft_.IsSingle()) {
    const SatelliteNode* s = draft_.Resolve(view.Database()).front();
    transponders_ = TransponderCountText(s->GetTransponderCount(), s->CountEmptyTransponders());
    channels_ =
        TypeCountsText(s->CountChannels(kTv), s->CountChannels(kRadio), s->CountChannels(kData));
  }
  return true;
}

void SatellitePane::Describe() {
  EditorConfig& c = Context().Config();
  GridModel& grid = Grid();
  AddGroup(kGeneral, VQ_TRANSLATE_NOOP("CoreText", "General"), kNoParent, c.ExpandSatGeneral);
  if (draft_.IsSingle()) {
    AddNumber(kNumber, VQ_TRANSLATE_NOOP("CoreText", "Number"), kGeneral, 1, kSatelliteCount);
    grid.setTextLimit(kNumber, kValueColumn, 2);
    AddRow(kName, VQ_TRANSLATE_NOOP("CoreText", "Name"), kGeneral, RowKind::Text);
    grid.setTextLimit(kName, kValueColumn, static_cast<int>(SatelliteRecord::kNameWidth));
    AddRow(kPosition, VQ_TRANSLATE_NOOP("CoreText", "Position"), kGeneral, RowKind::Text);
    grid.setTextLimit(kPosition, kValueColumn, 6);
    AddRow(kTransponders, VQ_TRANSLATE_NOOP("CoreText", "Transponders"), kGeneral, RowKind::None);
    ShowText(kTransponders, transponders_);
    AddRow(kChannels, VQ_TRANSLATE_NOOP("CoreText", "Channels"), kGeneral, RowKind::None);
    ShowText(kChannels, channels_);
  } else {
    Enable(kGeneral, false);
  }

  // Radio rows from `first` on under `group`, one for each name of a lookup table.
  const auto radios = [this](int first, int group, int count, std::string_view (*text)(int)) {
    for (int i = 0; i < count; ++i) {
      AddRow(first + i, "", group, RowKind::Radio);
      ShowText(first + i, LookupText(text(i)));
    }
  };

  AddGroup(kLnb, VQ_TRANSLATE_NOOP("CoreText", "LNB"), kNoParent, c.ExpandSatLNB);
  AddGroup(kLnbType, VQ_TRANSLATE_NOOP("CoreText", "Type"), kLnb, c.ExpandSatLNBType);
  radios(kLnbSingle, kLnbType, kLnbTypeCount, LnbTypeText);
  for (const auto& [row, label] :
       {std::pair{kHighOscillator, VQ_TRANSLATE_NOOP("CoreText", "High freq")},
        std::pair{kLowOscillator, VQ_TRANSLATE_NOOP("CoreText", "Low freq")}}) {
    AddRow(row, label, kLnb, RowKind::EditableOption);
    grid.setOptions(row, kValueColumn, OscillatorOptions());
    grid.setTextLimit(row, kValueColumn, 10);
  }
  AddRow(kTone22k, VQ_TRANSLATE_NOOP("CoreText", "Tone 22kHz"), kLnb, RowKind::CheckBox);
  AddRow(kOutput12v, VQ_TRANSLATE_NOOP("CoreText", "Output 12v"), kLnb, RowKind::CheckBox);

  AddGroup(kSwitch, VQ_TRANSLATE_NOOP("CoreText", "Switch"), kNoParent, c.ExpandSatSwitch);
  AddOptions(kSwitchType, VQ_TRANSLATE_NOOP("CoreText", "Type"), kSwitch,
             LookupOptions(kSwitchTypeCount, SwitchTypeText));
  AddFieldNumber(kSwitchPort, VQ_TRANSLATE_NOOP("CoreText", "Port"), kSwitch,
                 SatelliteField::kSwitchPort);

  AddGroup(kToneBurst, VQ_TRANSLATE_NOOP("CoreText", "Tone Burst"), kNoParent, c.ExpandSatTone);
  radios(kBurstOff, kToneBurst, kToneBurstCount, ToneBurstText);

  AddGroup(kMotor, VQ_TRANSLATE_NOOP("CoreText", "Motor"), kNoParent, c.ExpandSatMotor);
  AddGroup(kMotorType, VQ_TRANSLATE_NOOP("CoreText", "Type"), kMotor, c.ExpandSatMotorType);
  radios(kMotorOff, kMotorType, kMotorTypeCount, MotorTypeText);
  AddFieldNumber(kMotorIndex, VQ_TRANSLATE_NOOP("CoreText", "Index"), kMotor,
                 SatelliteField::kMotorIndex);

  std::int32_t* flags[] = {&c.ExpandSatPredef1, &c.ExpandSatPredef2, &c.ExpandSatPredef3};
  for (int k = 0; k < SatelliteRecord::kPredefinedCount; ++k) {
    const int group = kPredefined1 + 10 * k;
    AddGroup(group, FormatText(VQ_TRANSLATE_NOOP("CoreText", "Predefined %d"), k + 1), kNoParent,
             *flags[k]);
    AddRow(PredefinedNameRow(k), VQ_TRANSLATE_NOOP("CoreText", "Name"), group, RowKind::Text);
    grid.setTextLimit(PredefinedNameRow(k), kValueColumn,
                      static_cast<int>(SatelliteRecord::kPredefinedNameWidth));
    const auto number = [&](PredefinedPart part, const char* label, const char* unit, int limit) {
      const FieldRange range = RangeOf(PredefinedField(k, part));
      const int row = PredefinedRow(k, part);
      AddNumber(row, label, group, range.minimum, range.maximum);
      grid.setTextLimit(row, kValueColumn, limit);
      if (*unit) grid.setUnit(row, kValueColumn, unit);
    };
    number(PredefinedPart::kFrequency, VQ_TRANSLATE_NOOP("CoreText", "Frequency"), " MHz", 5);
    number(PredefinedPart::kSymbolRate, VQ_TRANSLATE_NOOP("CoreText", "Symbol Rate"), " kb/s", 5);
    AddOptions(PredefinedRow(k, PredefinedPart::kPolarization),
               VQ_TRANSLATE_NOOP("CoreText", "Polarization"), group,
               LookupOptions(kPolarizationCount, PolarizationText));
    number(PredefinedPart::kVideoPid, VQ_TRANSLATE_NOOP("CoreText", "Video PID"), "", 4);
    number(PredefinedPart::kAudioPid, VQ_TRANSLATE_NOOP("CoreText", "Audio PID"), "", 4);
    number(PredefinedPart::kPcrPid, VQ_TRANSLATE_NOOP("CoreText", "PCR PID"), "", 4);
  }
}

void SatellitePane::ShowRadios(int firstRow, int count, SatelliteField field) {
  const std::optional<int> value = Shared(field);
  for (int i = 0; i < count; ++i) Grid().setTicked(firstRow + i, kValueColumn, value == i);
}

void SatellitePane::ShowDisabledNumber(int row) {
  Grid().setKind(row, kValueColumn, RowKind::None);
  ShowText(row, "-");
  Enable(row, false);
}

void SatellitePane::Refresh() {
  if (draft_.IsSingle()) {
    ShowNumber(kNumber, draft_.Number());
    ShowText(kName, draft_.Name().text);
    ShowText(kPosition, EastWestPositionText(draft_.Value(SatelliteField::kPosition)));
  }
  for (const RadioRun& run : kRadioRuns) ShowRadios(run.first, run.count, run.field);
  for (const SatelliteField f : {SatelliteField::kHighOscillator, SatelliteField::kLowOscillator}) {
    const int row = f == SatelliteField::kHighOscillator ? kHighOscillator : kLowOscillator;
    ShowText(row, draft_.Known(f) ? OscillatorText(draft_.Value(f)) : std::string());
  }
  Enable(kLowOscillator, draft_.IsEditable(SatelliteField::kLowOscillator));
  for (const SatelliteField f : {SatelliteField::kTone22k, SatelliteField::kOutput12v}) {
    const std::optional<int> on = Shared(f);
    ShowCheck(f == SatelliteField::kTone22k ? kTone22k : kOutput12v,
              on ? std::optional<bool>(*on != 0) : std::nullopt);
  }
  ShowOption(kSwitchType, Shared(SatelliteField::kSwitchType));
  if (draft_.IsEditable(SatelliteField::kSwitchPort)) {
    SetNumberRange(kSwitchPort, 1, SwitchPortCount(draft_.Value(SatelliteField::kSwitchType)));
    ShowNumber(kSwitchPort, Shared(SatelliteField::kSwitchPort));
    Enable(kSwitchPort, true);
  } else {
    ShowDisabledNumber(kSwitchPort);
  }
  if (draft_.IsEditable(SatelliteField::kMotorIndex)) {
    ShowNumber(kMotorIndex, Shared(SatelliteField::kMotorIndex));
    Enable(kMotorIndex, true);
  } else {
    ShowDisabledNumber(kMotorIndex);
  }
  for (int k = 0; k < SatelliteRecord::kPredefinedCount; ++k) {
    const DraftText& name = draft_.PredefinedName(k);
    ShowText(PredefinedNameRow(k), name.known ? name.text : std::string());
    for (int p = 0; p < kPredefinedParts; ++p) {
      const auto part = static_cast<PredefinedPart>(p);
      const std::optional<int> value = Shared(PredefinedField(k, part));
      if (part == PredefinedPart::kPolarization)
        ShowOption(PredefinedRow(k, part), value);
      else
        ShowNumber(PredefinedRow(k, part), value);
    }
  }
}

std::string SatellitePane::LnbSummary() const {
  const std::optional<int> type = Shared(SatelliteField::kLnbType);
  if (!type) return "-";
  const auto mhz = [this](SatelliteField f) {
    return draft_.Known(f) ? FormatText("%d", draft_.Value(f)) : std::string("-");
  };
  std::string text = *type == 1 ? "U(" + mhz(SatelliteField::kLowOscillator) + "," +
                                      mhz(SatelliteField::kHighOscillator) + ")"
                                : "S(" + mhz(SatelliteField::kHighOscillator) + ")";
  if (Shared(SatelliteField::kTone22k) == 1) text += "-22khz";
  if (Shared(SatelliteField::kOutput12v) == 1) text += "-12v";
  return text;
}

std::string SatellitePane::SwitchSummary() const {
  const std::optional<int> type = Shared(SatelliteField::kSwitchType);
  if (!type) return {};
  const int ports = SwitchPortCount(*type);
  if (ports == 0) return LookupText(SwitchTypeText(*type));
  const std::optional<int> port = Shared(SatelliteField::kSwitchPort);
  return port ? PaneText(VQ_TRANSLATE_NOOP("CoreText", "Port %d of %d"), *port, ports)
              : FormatText(VQ_TRANSLATE_NOOP("CoreText", "Port - of %d"), ports);
}

std::string SatellitePane::MotorSummary() const {
  const std::optional<int> type = Shared(SatelliteField::kMotorType);
  if (!type) return {};
  std::string text = TextOf(MotorTypeText, type);
  if (*type == 0) return text;
  const std::optional<int> index = Shared(SatelliteField::kMotorIndex);
  if (!index) return text;
  return *index == 0 ? FormatText(VQ_TRANSLATE_NOOP("CoreText", "%s (Not selected)"), text, 0)
                     : FormatText("%s (%d)", text, *index);
}

std::string SatellitePane::Summary(int groupRow) const {
  switch (groupRow) {
    case kGeneral:
      return draft_.IsSingle()
                 ? FormatText("%s (%s)", draft_.Name().text,
                              EastWestPositionText(draft_.Value(SatelliteField::kPosition)))
                 : std::string();
    case kLnb:
      return LnbSummary();
    case kLnbType:
      return TextOf(LnbTypeText, Shared(SatelliteField::kLnbType));
    case kSwitch:
      return SwitchSummary();
    case kToneBurst:
      return TextOf(ToneBurstText, Shared(SatelliteField::kToneBurst));
    case kMotor:
      return MotorSummary();
    case kMotorType:
      return TextOf(MotorTypeText, Shared(SatelliteField::kMotorType));
    default: {
      const int k = (groupRow - kPredefined1) / 10;
      const DraftText& name = draft_.PredefinedName(std::clamp(k, 0, 2));
      return name.known ? name.text : std::string();
    }
  }
}

bool SatellitePane::Accepted(const std::string& refusal) {
  if (refusal.empty()) return true;
  ShowError(refusal);
  return false;
}

void SatellitePane::CollapseAfterChoice(int row) {
  if (Context().Config().ColapseAfterSelection == 0) return;
  if (row == kLnbSingle || row == kLnbUniversal) Grid().collapse(kLnbType);
  if (row == kSwitchType) Grid().collapse(kSwitch);
  if (row >= kBurstOff && row <= kBurstB) Grid().collapse(kToneBurst);
  if (row >= kMotorOff && row <= kMotorUsals) {
    Grid().collapse(kMotorType);
    Grid().collapse(kMotor);
  }
}

bool SatellitePane::TakeValue(const GridNotification& note) {
  const int row = note.rowId;
  if (const std::optional<bool> taken = TakeChoice(note)) return *taken;
  const SettingsDatabase& db = Context().Editing().Database();
  switch (row) {
    case kNumber:
      return draft_.SetNumber(NumberAt(row));
    case kName:
      return Accepted(TakeSatelliteName(draft_, TextAt(row)));
    case kPosition:
      return Accepted(TakePositionText(draft_, TextAt(row)));
    case kHighOscillator:
      return Accepted(TakeOscillatorText(draft_, SatelliteField::kHighOscillator, TextAt(row)));
    case kLowOscillator:
      return draft_.IsEditable(SatelliteField::kLowOscillator) &&
             Accepted(TakeOscillatorText(draft_, SatelliteField::kLowOscillator, TextAt(row)));
    case kMotorIndex:
      return draft_.IsEditable(SatelliteField::kMotorIndex) &&
             Accepted(TakeMotorIndex(draft_, db, NumberAt(row)));
    default:
      return TakePredefinedValue(row);
  }
}

std::optional<bool> SatellitePane::TakeChoice(const GridNotification& note) {
  const int row = note.rowId;
  for (const RadioRun& run : kRadioRuns) {
    if (row < run.first || row >= run.first + run.count) continue;
    if (note.action != NotifyAction::RadioChosen || !draft_.Set(run.field, row - run.first))
      return false;
    CollapseAfterChoice(row);
    return true;
  }
  for (const auto& [plain, field] : kPlainRows) {
    if (row != plain) continue;
    const GridCell* cell = Grid().cell(row, kValueColumn);
    const int value = cell->kind == RowKind::CheckBox     ? (TickedAt(row) ? 1 : 0)
                      : cell->kind == RowKind::OptionList ? OptionAt(row)
                                                          : NumberAt(row);
    if (!draft_.Set(field, value)) return false;
    CollapseAfterChoice(row);
    return true;
  }
  return std::nullopt;
}

bool SatellitePane::TakePredefinedValue(int row) {
  const SettingsDatabase& db = Context().Editing().Database();
  for (int k = 0; k < SatelliteRecord::kPredefinedCount; ++k) {
    if (row == PredefinedNameRow(k)) return draft_.SetPredefinedName(k, TextAt(row));
    for (int p = 0; p < kPredefinedParts; ++p) {
      const auto part = static_cast<PredefinedPart>(p);
      if (row != PredefinedRow(k, part)) continue;
      if (part == PredefinedPart::kFrequency)
        return Accepted(TakePredefinedFrequency(draft_, db, k, NumberAt(row)));
      return draft_.Set(PredefinedField(k, part),
                        part == PredefinedPart::kPolarization ? OptionAt(row) : NumberAt(row));
    }
  }
  return false;
}

}  // namespace vq
