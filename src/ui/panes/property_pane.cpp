#include "ui/panes/property_pane.h"

#include <algorithm>
#include <cstdio>

#include "common/text_translation.h"
#include "ui/app/config/editor_config.h"
#include "ui/panes/pane_context.h"

namespace vq {

void PropertyPane::Show() {
  shown_ = Load();
  if (shown_) {
    Build();
    return;
  }
  // No record left to hold an edit: the draft went with the selection.
  modified_ = false;
  grid_.deleteAllRows();
}

void PropertyPane::Build() {
  building_ = true;
  grid_.deleteAllRows();
  groups_.clear();
  ranges_.clear();
  modified_ = false;
  AddButtons(kShowHideRow, VQ_TRANSLATE_NOOP("CoreText", "Show All"),
             VQ_TRANSLATE_NOOP("CoreText", "Hide All"));
  AddSpacer(kTopSpacerRow);
  Describe();
  AddSpacer(kBottomSpacerRow);
  AddButtons(kSaveDiscardRow, VQ_TRANSLATE_NOOP("CoreText", "Save"),
             VQ_TRANSLATE_NOOP("CoreText", "Discard"));
  grid_.setEnabled(kSaveDiscardRow, kLabelColumn, false);
  grid_.setEnabled(kSaveDiscardRow, kValueColumn, false);
  Refresh();
  // Innermost first: a sub-group opened under a closed group shows once
  // its group opens.
  for (size_t i = groups_.size(); i-- > 0;)
    if (*groups_[i].expandFlag != 0) grid_.expand(groups_[i].row);
  WriteSummaries();
  building_ = false;
}

int PropertyPane::Notify(const GridNotification& note) {
  if (building_ || !shown_ || note.phase == NotifyPhase::Changing) return 0;
  switch (note.action) {
    case NotifyAction::GroupExpanded:
    case NotifyAction::GroupCollapsed:
      for (const Group& group : groups_)
        if (group.row == note.rowId)
          *group.expandFlag = note.action == NotifyAction::GroupExpanded ? 1 : 0;
      WriteSummaries();
      break;
    case NotifyAction::ButtonReleased:
      ButtonReleased(note);
      break;
    case NotifyAction::OptionChosen:
    case NotifyAction::TextChanged:
    case NotifyAction::CheckToggled:
    case NotifyAction::RadioChosen:
      ValueChanged(note);
      break;
    default:
      break;
  }
  return 0;
}

void PropertyPane::ButtonReleased(const GridNotification& note) {
  const bool left = note.column == kLabelColumn;
  if (note.rowId == kShowHideRow) {
    ExpandAll(left);
  } else if (note.rowId == kSaveDiscardRow) {
    if (left) {
      Save();
      return;
    }
    Context().EditPending(false);
    modified_ = false;
    Context().RebuildPane();
  } else {
    ValueChanged(note);
  }
}

void PropertyPane::ValueChanged(const GridNotification& note) {
  if (ranges_.contains(note.rowId) && !TakeTypedNumber(note.rowId)) {
    Refresh();
    return;
  }
  if (!TakeValue(note)) {
    Refresh();
    return;
  }
  modified_ = true;
  Context().EditPending(true);
  Refresh();
  grid_.setEnabled(kSaveDiscardRow, kLabelColumn, true);
  grid_.setEnabled(kSaveDiscardRow, kValueColumn, true);
  WriteSummaries();
  const EditorConfig& config = Context().Config();
  // Collapsing first clears the group's expand flag, which the rebuild
  // after an automatic save follows.
  if (config.ColapseAfterSelection != 0 && note.column == kValueColumn && IsGroup(note.rowId))
    grid_.collapse(note.rowId);
  if (config.AutoSave != 0) Save();
}

bool PropertyPane::TakeTypedNumber(int row) {
  const GridCell* cell = grid_.cell(row, kValueColumn);
  if (!cell || cell->kind != RowKind::Text) return true;
  const auto [minimum, maximum] = ranges_.at(row);
  if (cell->text.empty()) return false;
  const long long typed = readDecimal(cell->text);
  if (typed < minimum || typed > maximum) {
    const std::string pattern =
        TranslatedPattern(VQ_TRANSLATE_NOOP("CoreText", "Given value is out of [%d, %d] range!"));
    char text[160];
    std::snprintf(text, sizeof text, pattern.c_str(), minimum, maximum);
    ShowError(text);
    return false;
  }
  ShowNumber(row, static_cast<int>(typed));
  return true;
}

void PropertyPane::Save() {
  Context().EditPending(false);
  modified_ = false;
  Context().CommitPane(false);
}

void PropertyPane::WriteSummaries() {
  for (const Group& group : groups_)
    grid_.setText(group.row, kValueColumn,
                  grid_.isExpanded(group.row) ? ExpandedText(group.row) : Summary(group.row));
}

void PropertyPane::ExpandAll(bool expand) {
  if (expand) {
    for (const Group& group : groups_) grid_.expand(group.row);
  } else {
    for (size_t i = groups_.size(); i-- > 0;) grid_.collapse(groups_[i].row);
  }
}

void PropertyPane::AddButtons(int row, const char* left, const char* right) {
  const std::string leftText = TranslatedText(left);
  grid_.insertRow(leftText, -1, kNoParent, row);
  grid_.setKind(row, kLabelColumn, RowKind::PushButton);
  grid_.setText(row, kLabelColumn, leftText);
  grid_.setKind(row, kValueColumn, RowKind::PushButton);
  grid_.setText(row, kValueColumn, TranslatedText(right));
}

void PropertyPane::AddSpacer(int row) {
  grid_.insertRow("", -1, kNoParent, row);
  for (int column : {kLabelColumn, kValueColumn}) {
    grid_.setKind(row, column, RowKind::None);
    grid_.setFocusable(row, column, false);
  }
}

void PropertyPane::AddGroup(int row, const std::string& label, int parent, std::int32_t& expandFlag,
                            RowKind valueKind) {
  const std::string text = TranslatedText(label);
  grid_.insertRow(text, -1, parent, row);
  grid_.setKind(row, kLabelColumn, RowKind::Group);
  grid_.setText(row, kLabelColumn, text);
  grid_.setKind(row, kValueColumn, valueKind);
  const std::uint32_t color = parent == kNoParent ? kGroupColor : kSubGroupColor;
  grid_.setBackgroundColor(row, kLabelColumn, color);
  grid_.setBackgroundColor(row, kValueColumn, color);
  groups_.push_back({row, &expandFlag});
}

void PropertyPane::AddRow(int row, const std::string& label, int parent, RowKind kind) {
  grid_.insertRow(TranslatedText(label), -1, parent, row);
  grid_.setFocusable(row, kLabelColumn, false);
  grid_.setKind(row, kValueColumn, kind);
}

void PropertyPane::AddNumber(int row, const std::string& label, int parent, int minimum,
                             int maximum) {
  AddRow(row, label, parent, RowKind::Number);
  grid_.setRange(row, kValueColumn, minimum, maximum);
  ranges_[row] = {minimum, maximum};
}

void PropertyPane::AddOptions(int row, const std::string& label, int parent,
                              const std::vector<std::string>& options) {
  AddRow(row, label, parent, RowKind::OptionList);
  SetOptions(row, options);
}

void PropertyPane::SetOptions(int row, const std::vector<std::string>& options) {
  std::vector<std::string> shown;
  shown.reserve(options.size());
  for (const std::string& option : options) shown.push_back(TranslatedText(option));
  grid_.setOptions(row, kValueColumn, shown);
}

void PropertyPane::ShowError(const std::string& text) {
  grid_.showMessage(TranslatedText(text), TranslatedText(VQ_TRANSLATE_NOOP("CoreText", "Error!")));
}

void PropertyPane::SetNumberRange(int row, int minimum, int maximum) {
  ranges_[row] = {minimum, maximum};
  const GridCell* cell = grid_.cell(row, kValueColumn);
  if (cell && cell->kind == RowKind::Number) grid_.setRange(row, kValueColumn, minimum, maximum);
}

void PropertyPane::ShowNumber(int row, std::optional<int> value) {
  const GridCell* cell = grid_.cell(row, kValueColumn);
  const auto range = ranges_.find(row);
  if (!cell || range == ranges_.end()) return;
  if (!value) {
    // No shared value: an empty digits-only text, checked against the
    // range when typed in (TakeTypedNumber).
    if (cell->kind != RowKind::Text) grid_.setKind(row, kValueColumn, RowKind::Text);
    grid_.setDigitsOnly(row, kValueColumn, true);
    grid_.setText(row, kValueColumn, "");
    return;
  }
  if (cell->kind != RowKind::Number) {
    grid_.setKind(row, kValueColumn, RowKind::Number);
    grid_.setRange(row, kValueColumn, range->second.first, range->second.second);
  }
  grid_.setNumber(row, kValueColumn, *value);
}

void PropertyPane::ShowOption(int row, std::optional<int> index) {
  grid_.setText(row, kValueColumn,
                index ? grid_.optionText(row, kValueColumn, *index) : std::string());
}

void PropertyPane::ShowCheck(int row, std::optional<bool> ticked) {
  if (ticked)
    grid_.setTicked(row, kValueColumn, *ticked);
  else
    grid_.setIndeterminate(row, kValueColumn, true);
}

void PropertyPane::ShowText(int row, const std::string& text) {
  grid_.setText(row, kValueColumn, text);
}

void PropertyPane::Enable(int row, bool on) {
  grid_.setEnabled(row, kLabelColumn, on);
  grid_.setEnabled(row, kValueColumn, on);
}

int PropertyPane::NumberAt(int row) const {
  const GridCell* cell = grid_.cell(row, kValueColumn);
  if (!cell) return 0;
  return cell->kind == RowKind::Number ? cell->value
                                       : clampInt(readDecimal(cell->text), INT_MIN, INT_MAX);
}

int PropertyPane::OptionAt(int row) const {
  const GridCell* cell = grid_.cell(row, kValueColumn);
  return cell ? cell->findOption(cell->text) : -1;
}

bool PropertyPane::TickedAt(int row) const {
  const GridCell* cell = grid_.cell(row, kValueColumn);
  return cell && cell->checkState() == 1;
}

std::string PropertyPane::TextAt(int row) const { return grid_.text(row, kValueColumn); }

bool PropertyPane::IsGroup(int row) const {
  return std::ranges::any_of(groups_, [row](const Group& group) { return group.row == row; });
}

}  // namespace vq
