#include "ui/panes/settings_pane.h"

#include "common/text_translation.h"
#include "database/settings_database.h"
#include "editing/commands/editing_view.h"
#include "editing/commands/prompter.h"
#include "editing/settings/settings_categories.h"
#include "editing/settings/settings_values.h"
#include "ui/app/config/editor_config.h"
#include "ui/grid/date_time_text.h"
#include "ui/panes/pane_context.h"

namespace vq {

using namespace settings_rows;

namespace {

std::int32_t& TimerFlag(EditorConfig& c, int t) {
  std::int32_t* flags[] = {&c.ExpandSettTimer1, &c.ExpandSettTimer2, &c.ExpandSettTimer3,
                           &c.ExpandSettTimer4, &c.ExpandSettTimer5, &c.ExpandSettTimer6,
                           &c.ExpandSettTimer7, &c.ExpandSettTimer8};
  return *flags[t];
}

}  // namespace

bool SettingsPane::Load() {
  const SettingsDatabase& db = Context().Editing().Database();
  if (db.GetModel() != kModelFtaCi && db.GetModel() != kModelPvr) return false;
  draft_ = SettingsDraft::FromDatabase(db, Context().Config().CurrentSettingsItem);
  groups_ = SettingGroups(draft_.Category());
  rows_ = SettingRows(draft_.Category());
  return true;
}

void SettingsPane::Describe() {
  GridModel& grid = Grid();
  open_ = 1;
  if (draft_.Category() == kSettingsTimer) {
    DescribeTimers();
    return;
  }
  // One open group per category: neither it nor "Show All" / "Hide All"
  // folds it.
  grid.setEnabled(kShowHideRow, kLabelColumn, false);
  grid.setEnabled(kShowHideRow, kValueColumn, false);
  for (const SettingGroup& group : groups_) {
    AddGroup(group.row, group.label, kNoParent, open_);
    grid.setEnabled(group.row, kLabelColumn, false);
    for (const SettingRow& row : rows_) {
      if (row.group != group.row) continue;
      switch (row.kind) {
        case RowKind::Number:
          AddNumber(row.row, row.label, row.group, row.minimum, row.maximum);
          break;
        case RowKind::OptionList:
          AddOptions(row.row, row.label, row.group, row.options);
          break;
        default:
          AddRow(row.row, row.label, row.group, row.kind);
          break;
      }
      if (row.kind == RowKind::DateTime) grid.setDateTimeFormat(row.row, kValueColumn, row.format);
      if (row.textLimit > 0) grid.setTextLimit(row.row, kValueColumn, row.textLimit);
      if (row.digitsOnly) grid.setDigitsOnly(row.row, kValueColumn, true);
    }
  }
}

void SettingsPane::DescribeTimers() {
  GridModel& grid = Grid();
  EditorConfig& config = Context().Config();
  AddGroup(kTimerGroup, VQ_TRANSLATE_NOOP("CoreText", "Timer"), kNoParent, open_);
  for (int t = 0; t < ReceiverConfig::kTimerCount; ++t) {
    const int sub = TimerRow(t, kTimerSub);
    AddGroup(sub, std::to_string(t + 1), kTimerGroup, TimerFlag(config, t), RowKind::OptionList);
    SetOptions(sub, TimerModeOptions());
    AddRow(TimerRow(t, kTimerStart), VQ_TRANSLATE_NOOP("CoreText", "Start Time"), sub,
           RowKind::None);
    AddRow(TimerRow(t, kTimerChannel), VQ_TRANSLATE_NOOP("CoreText", "Channel"), sub,
           RowKind::None);
    const int buttons = TimerRow(t, kTimerButtons);
    AddRow(buttons, VQ_TRANSLATE_NOOP("CoreText", "Clear"), sub, RowKind::PushButton);
    grid.setKind(buttons, kLabelColumn, RowKind::PushButton);
    grid.setText(buttons, kLabelColumn, TranslatedText(VQ_TRANSLATE_NOOP("CoreText", "Clear")));
    grid.setText(buttons, kValueColumn, TranslatedText(VQ_TRANSLATE_NOOP("CoreText", "Select")));
    AddRow(TimerRow(t, kTimerDuration), VQ_TRANSLATE_NOOP("CoreText", "Duration"), sub,
           RowKind::DateTime);
    grid.setDateTimeFormat(TimerRow(t, kTimerDuration), kValueColumn, "HH:mm");
    AddRow(TimerRow(t, kTimerHddSave), VQ_TRANSLATE_NOOP("CoreText", "HDD Save"), sub,
           RowKind::CheckBox);
  }
}

void SettingsPane::Refresh() {
  const ReceiverConfig config = draft_.View();
  for (const SettingRow& row : rows_) {
    switch (row.kind) {
      case RowKind::CheckBox:
        ShowCheck(row.row, row.value(config) != 0);
        break;
      case RowKind::OptionList: {
        const int index = row.value(config);
        ShowOption(row.row, index >= 0 ? std::optional<int>(index) : std::nullopt);
        break;
      }
      case RowKind::Number:
        ShowNumber(row.row, row.value(config));
        break;
      case RowKind::DateTime:
        ShowDateTime(row.row, row.format, row.text(config));
        break;
      default:
        ShowText(row.row, row.text(config));
        break;
    }
  }
  switch (draft_.Category()) {
    case kSettingsTv: {
      const ValueRange uhf = UhfChannelRange(config.GetTvSystem());
      SetNumberRange(kUhfChannel, uhf.minimum, uhf.maximum);
      ShowNumber(kUhfChannel, config.GetUhfChannel());
      break;
    }
    case kSettingsLanguage:
      for (int row : {kMainAudio, kAlternativeAudio, kMainSubtitle, kAlternativeSubtitle})
        Enable(row, config.IsPreferredSettings());
      break;
    case kSettingsTimer:
      for (int t = 0; t < ReceiverConfig::kTimerCount; ++t) RefreshTimer(t);
      break;
    default:
      break;
  }
}

void SettingsPane::RefreshTimer(int t) {
  const ReceiverConfig config = draft_.View();
  const bool defined = config.GetTimerMode(t) != kTimerNotDefined;
  const int start = TimerRow(t, kTimerStart);
  if (defined) {
    ShowDateTime(start, TimerStartFormat(config, t), TimerStartText(config, t));
  } else {
    if (Grid().cell(start, kValueColumn)->kind != RowKind::None)
      Grid().setKind(start, kValueColumn, RowKind::None);
    ShowText(start, "");
  }
  Enable(start, defined);
  ShowText(TimerRow(t, kTimerChannel), TimerChannelText(Context().Editing().Database(), config, t));
  for (int part : {kTimerChannel, kTimerButtons, kTimerDuration, kTimerHddSave})
    Enable(TimerRow(t, part), defined);
  ShowDateTime(TimerRow(t, kTimerDuration), "HH:mm", config.GetTimerDurationText(t));
  ShowCheck(TimerRow(t, kTimerHddSave), config.IsTimerHddSave(t));
}

void SettingsPane::ShowDateTime(int row, const std::string& format, const std::string& text) {
  // A stored value the picker cannot hold (a month 13, a duration of a day
  // or more) is shown as it stands and typed as text in the same format.
  DateTimeValue value;
  const RowKind kind = parseDateTime(format, text, value) ? RowKind::DateTime : RowKind::Text;
  GridModel& grid = Grid();
  if (grid.cell(row, kValueColumn)->kind != kind) grid.setKind(row, kValueColumn, kind);
  if (kind == RowKind::DateTime) grid.setDateTimeFormat(row, kValueColumn, format);
  ShowText(row, text);
}

std::string SettingsPane::ExpandedText(int groupRow) const {
  const auto [t, part] = TimerOfRow(groupRow);
  // The timer's mode is an option of its group's value cell, shown as the
  // options are.
  if (t >= 0 && part == kTimerSub)
    return TranslatedText(std::string(draft_.View().GetTimerModeText(t)));
  if (groupRow == kTimerGroup) return TranslatedText(VQ_TRANSLATE_NOOP("CoreText", "Settings"));
  for (const SettingGroup& group : groups_)
    if (group.row == groupRow) return TranslatedText(group.valueText);
  return {};
}

std::string SettingsPane::Summary(int groupRow) const { return ExpandedText(groupRow); }

const SettingRow* SettingsPane::RowOf(int row) const {
  for (const SettingRow& r : rows_)
    if (r.row == row) return &r;
  return nullptr;
}

bool SettingsPane::TakeValue(const GridNotification& note) {
  if (!TakeRowValue(note)) return false;
  draft_.MarkModified();
  return true;
}

bool SettingsPane::TakeRowValue(const GridNotification& note) {
  if (const auto [t, part] = TimerOfRow(note.rowId); t >= 0) return TakeTimerValue(t, part, note);
  const SettingRow* row = RowOf(note.rowId);
  if (!row) return false;
  switch (row->kind) {
    case RowKind::CheckBox:
      row->setValue(draft_.Config(), TickedAt(row->row) ? 1 : 0);
      return true;
    case RowKind::OptionList: {
      const int index = OptionAt(row->row);
      if (index < 0) return false;
      row->setValue(draft_.Config(), index);
      return true;
    }
    case RowKind::Number:
      row->setValue(draft_.Config(), NumberAt(row->row));
      return true;
    default:
      return TakeText(*row);
  }
}

bool SettingsPane::TakeText(const SettingRow& row) {
  if (row.takeText(draft_.Config(), TextAt(row.row))) return true;
  if (*row.refusal != '\0') ShowError(row.refusal);
  return false;
}

bool SettingsPane::TakeTimerValue(int t, int part, const GridNotification& note) {
  ReceiverConfig config = draft_.Config();
  const int row = TimerRow(t, part);
  switch (part) {
    case kTimerSub: {
      const int mode = OptionAt(row);
      if (mode < 0) return false;
      SetTimerModeWithDate(config, t, mode);
      return true;
    }
    case kTimerStart:
      return SetTimerStartText(config, t, TextAt(row));
    case kTimerDuration:
      return SetTimerDurationText(config, t, TextAt(row));
    case kTimerHddSave:
      config.SetTimerHddSave(t, TickedAt(row));
      return true;
    case kTimerButtons: {
      if (note.action != NotifyAction::ButtonReleased) return false;
      if (note.column == kLabelColumn) {
        if (config.GetTimerChannel(t) == kNoTimerChannel) return false;
        config.SetTimerChannel(t, kNoTimerChannel);
        return true;
      }
      Prompter* user = Context().User();
      const std::optional<int> chosen = user ? user->SelectChannel() : std::nullopt;
      if (!chosen || !Context().Editing().Database().FindChannelNode(*chosen)) return false;
      config.SetTimerChannel(t, static_cast<uint16_t>(*chosen));
      return true;
    }
    default:
      return false;
  }
}

void SettingsPane::Commit(bool asking) {
  Prompter* user = Context().User();
  if (!user) return;
  // The flow works on its own copy: whatever rebuilds the pane meanwhile
  // cannot change the values being written.
  const SettingsDraft draft = draft_;
  CommitSettingsDraft(Context().Editing(), *user, draft, asking, Context().Config().PostEditAction);
}

}  // namespace vq
