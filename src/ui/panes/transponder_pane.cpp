#include "ui/panes/transponder_pane.h"

#include <array>
#include <utility>

#include "common/text_translation.h"
#include "database/lookup_tables.h"
#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/editing_view.h"
#include "ui/app/config/editor_config.h"
#include "ui/panes/channel_pane_texts.h"
#include "ui/panes/lookup_option_texts.h"
#include "ui/panes/pane_context.h"

namespace vq {

using namespace transponder_rows;

namespace {

constexpr std::pair<int, TransponderField> kFieldRows[] = {
    {kFrequency, TransponderField::kFrequency},
    {kSymbolRate, TransponderField::kSymbolRate},
    {kPolarization, TransponderField::kPolarization},
    {kFec, TransponderField::kFec},
    {kFtaOnly, TransponderField::kFtaOnly},
    {kTpId, TransponderField::kTpId},
    {kNetworkId, TransponderField::kNetworkId},
    {kEcmChannelId, TransponderField::kEcmChannelId},
    {kEcmCasId, TransponderField::kEcmCasId},
};

std::optional<TransponderField> FieldOfRow(int row) {
  for (const auto& [r, field] : kFieldRows)
    if (r == row) return field;
  return std::nullopt;
}

// Option index of a shown value: polarisation lists Horizontal and Vertical
// (1 and 2), FTA only lists "Yes" before "No".
int OptionOf(TransponderField field, int value) {
  if (field == TransponderField::kPolarization) return value - 1;
  if (field == TransponderField::kFtaOnly) return value != 0 ? 0 : 1;
  return value;
}

int ValueOfOption(TransponderField field, int option) {
  if (field == TransponderField::kPolarization) return option + 1;
  if (field == TransponderField::kFtaOnly) return option == 0 ? 1 : 0;
  return option;
}

}  // namespace

bool TransponderPane::LoadTexts(EditingView& view) {
  const std::vector<TransponderNode*> transponders = draft_.Resolve(view.Database());
  if (transponders.empty()) return false;
  const TransponderNode* first = transponders.front();
  channels_.clear();
  if (draft_.IsSingle()) {
    const TransponderNode::TypeCounts counts = first->CountChannelsByType();
    channels_ = TypeCountsText(counts.tv, counts.radio, counts.data);
  }
  bool sameSatellite = true;
  for (const TransponderNode* t : transponders)
    sameSatellite = sameSatellite && t->GetSatellite() == first->GetSatellite();
  const ChannelPlaceTexts texts = sameSatellite ? PlaceTexts(first) : ChannelPlaceTexts{};
  satelliteName_ = texts.satelliteName;
  position_ = texts.position;
  transponders_ = texts.transponders;
  satelliteChannels_ = texts.satelliteChannels;
  const SatelliteNode* satellite = first->GetSatellite();
  if (!sameSatellite)
    satelliteSummary_.clear();
  else if (!satellite || !satellite->HasSatellite())
    satelliteSummary_ = "-";
  else
    satelliteSummary_ = FormatText("%s (%s)", satelliteName_, position_);
  return true;
}

void TransponderPane::Describe() {
  EditorConfig& c = Context().Config();
  GridModel& grid = Grid();
  const bool single = draft_.IsSingle();
  AddGroup(kGeneral, VQ_TRANSLATE_NOOP("CoreText", "General"), kNoParent, c.ExpandTPGeneral);
  AddNumber(kNumber, VQ_TRANSLATE_NOOP("CoreText", "Number"), kGeneral, 1,
            std::max(1, draft_.NumberLimit()));
  AddRow(kName, VQ_TRANSLATE_NOOP("CoreText", "Name"), kGeneral, RowKind::Text);
  grid.setTextLimit(kName, kValueColumn, static_cast<int>(TransponderRecord::kNameWidth));
  AddFieldNumber(kFrequency, VQ_TRANSLATE_NOOP("CoreText", "Frequency"), kGeneral,
                 TransponderField::kFrequency);
  grid.setUnit(kFrequency, kValueColumn, " MHz");
  AddFieldNumber(kSymbolRate, VQ_TRANSLATE_NOOP("CoreText", "Symbol Rate"), kGeneral,
                 TransponderField::kSymbolRate);
  grid.setUnit(kSymbolRate, kValueColumn, " kb/s");
  // A transponder has a polarisation of its own: "Auto" is not offered.
  AddOptions(kPolarization, VQ_TRANSLATE_NOOP("CoreText", "Polarization"), kGeneral,
             LookupOptions(kPolarizationCount, PolarizationText, 1));
  AddOptions(kFec, VQ_TRANSLATE_NOOP("CoreText", "FEC"), kGeneral,
             LookupOptions(kFecCount, FecText));
  AddOptions(kFtaOnly, VQ_TRANSLATE_NOOP("CoreText", "FTA Only"), kGeneral,
             {std::string(YesNoText(true)), std::string(YesNoText(false))});
  // Several transponders show the identifiers in another order, under
  // shorter labels.
  struct IdRow {
    int row;
    const char* label;
    TransponderField field;
  };
  using F = TransponderField;
  const std::array<IdRow, 4> oneIds = {
      {{kTpId, VQ_TRANSLATE_NOOP("CoreText", "TP ID"), F::kTpId},
       {kNetworkId, VQ_TRANSLATE_NOOP("CoreText", "Network ID"), F::kNetworkId},
       {kEcmChannelId, VQ_TRANSLATE_NOOP("CoreText", "ECM Chan ID"), F::kEcmChannelId},
       {kEcmCasId, VQ_TRANSLATE_NOOP("CoreText", "ECM CAS ID"), F::kEcmCasId}}};
  const std::array<IdRow, 4> sharedIds = {
      {{kEcmChannelId, VQ_TRANSLATE_NOOP("CoreText", "ECM ID"), F::kEcmChannelId},
       {kTpId, VQ_TRANSLATE_NOOP("CoreText", "TP ID"), F::kTpId},
       {kNetworkId, VQ_TRANSLATE_NOOP("CoreText", "Network ID"), F::kNetworkId},
       {kEcmCasId, VQ_TRANSLATE_NOOP("CoreText", "CAS ID"), F::kEcmCasId}}};
  for (const IdRow& id : single ? oneIds : sharedIds)
    AddFieldNumber(id.row, id.label, kGeneral, id.field);
  AddRow(kChannels, VQ_TRANSLATE_NOOP("CoreText", "Channels"), kGeneral, RowKind::None);
  ShowText(kChannels, channels_);

  AddGroup(kSatellite, VQ_TRANSLATE_NOOP("CoreText", "Satellite"), kNoParent, c.ExpandTPSatellite);
  const std::pair<int, const char*> satelliteRows[] = {
      {kSatelliteName, VQ_TRANSLATE_NOOP("CoreText", "Name")},
      {kPosition, VQ_TRANSLATE_NOOP("CoreText", "Position")},
      {kTransponders, VQ_TRANSLATE_NOOP("CoreText", "Transponders")},
      {kSatelliteChannels, VQ_TRANSLATE_NOOP("CoreText", "Channels")}};
  const std::string* texts[] = {&satelliteName_, &position_, &transponders_, &satelliteChannels_};
  for (size_t i = 0; i < std::size(satelliteRows); ++i) {
    AddRow(satelliteRows[i].first, satelliteRows[i].second, kSatellite, RowKind::None);
    ShowText(satelliteRows[i].first, *texts[i]);
  }
  if (!single) {
    Enable(kSatellite, false);
    for (const auto& [row, label] : satelliteRows) Enable(row, false);
  }
}

void TransponderPane::Refresh() {
  ShowNumber(kNumber, draft_.IsSingle() ? std::optional<int>(draft_.Number()) : std::nullopt);
  Enable(kNumber, draft_.NumberEditable());
  ShowText(kName, draft_.Name().known ? draft_.Name().text : std::string());
  for (const auto& [row, field] : kFieldRows) {
    const std::optional<int> value = Shared(field);
    if (Grid().cell(row, kValueColumn)->kind == RowKind::OptionList)
      ShowOption(row, value ? std::optional<int>(OptionOf(field, *value)) : std::nullopt);
    else
      ShowNumber(row, value);
    Enable(row, draft_.IsEditable(field));
  }
  Enable(kChannels, draft_.IsSingle());
}

std::string TransponderPane::Summary(int groupRow) const {
  if (groupRow == kSatellite) return satelliteSummary_;
  const std::optional<int> frequency = Shared(TransponderField::kFrequency);
  const std::optional<int> polarization = Shared(TransponderField::kPolarization);
  const std::optional<int> symbolRate = Shared(TransponderField::kSymbolRate);
  if (!frequency || !polarization || !symbolRate) return {};
  // The first letter of the polarisation text.
  const std::string letter = *polarization <= 2 ? std::string(1, "AHV"[*polarization]) : "";
  return FormatText("%d", *frequency) + letter + FormatText(" %d", *symbolRate);
}

bool TransponderPane::TakeValue(const GridNotification& note) {
  const int row = note.rowId;
  if (row == kNumber) return draft_.SetNumber(NumberAt(row));
  if (row == kName) return draft_.SetName(TextAt(row));
  const std::optional<TransponderField> field = FieldOfRow(row);
  if (!field) return false;
  if (Grid().cell(row, kValueColumn)->kind == RowKind::OptionList) {
    const int option = OptionAt(row);
    return option >= 0 && draft_.Set(*field, ValueOfOption(*field, option));
  }
  return draft_.Set(*field, NumberAt(row));
}

}  // namespace vq
