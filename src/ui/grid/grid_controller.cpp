#include "ui/grid/grid_controller.h"

#include <cstdio>

#include "common/text_translation.h"

namespace vq {

void GridController::setFocus(int rowId, int column)
{
    focusRow_ = rowId;
    focusColumn_ = column;
}

void GridController::reset()
{
    focusRow_ = focusColumn_ = pressedRow_ = pressedColumn_ = -1;
    spaceHeld_ = leftDown_ = false;
}

void GridController::releaseHeld()
{
    if (pressedRow_ >= 0)
        model_.setTicked(pressedRow_, pressedColumn_, false);
    pressedRow_ = pressedColumn_ = -1;
    spaceHeld_ = leftDown_ = false;
}

const GridCell* GridController::usable(int rowId, int column) const
{
    const GridCell* c = model_.cell(rowId, column);
    return c != nullptr && c->has(CellFlag::Enabled) ? c : nullptr;
}

void GridController::leftPress(int rowId, int column, CellPart part, bool ctrl)
{
    if (spaceHeld_)
        return;
    leftDown_ = true;
    if (column == 0 && model_.isGroup(rowId)) {
        if (usable(rowId, 0) != nullptr) {
            if (model_.isExpanded(rowId))
                model_.collapse(rowId);
            else
                model_.expand(rowId);
        }
        return;
    }
    const GridCell* c = usable(rowId, column);
    if (c == nullptr)
        return;
    switch (c->kind) {
    case RowKind::Radio:
        chooseRadio(rowId, column, ctrl);
        break;
    case RowKind::PushButton:
        pressButton(rowId, column);
        break;
    case RowKind::CheckBox:
        if (part == CellPart::Box) {
            model_.select(rowId, column, true, false, ctrl);
            setFocus(rowId, column);
            toggleCheck(rowId, column);
            break;
        }
        [[fallthrough]];
    default:
        moveSelection(rowId, column, ctrl);
        break;
    }
}

void GridController::leftRelease()
{
    leftDown_ = false;
    if (pressedRow_ < 0 || spaceHeld_)
        return;
    const int row = pressedRow_;
    const int column = pressedColumn_;
    pressedRow_ = pressedColumn_ = -1;
    model_.setTicked(row, column, false);
    changed(NotifyAction::ButtonReleased, row, column, 0, 1);
}

bool GridController::doubleClick(int rowId, int column, CellPart part)
{
    if (spaceHeld_)
        return false;
    const GridCell* c = usable(rowId, column);
    if (c == nullptr || c->kind == RowKind::Group)
        return false;
    if (part == CellPart::Box && c->kind == RowKind::CheckBox) {
        toggleCheck(rowId, column);
        return false;
    }
    if (part == CellPart::Box && c->kind == RowKind::Radio) {
        chooseRadio(rowId, column, false);
        return false;
    }
    if (!canEdit(rowId, column))
        return false;
    moveSelection(rowId, column, false);
    setFocus(rowId, column);
    return true;
}

bool GridController::keyPress(GridKey key, bool shift, bool ctrl)
{
    if (leftDown_ || (spaceHeld_ && key != GridKey::Space))
        return false;
    const bool extend = multiSelection_ && (shift || ctrl);
    const GridCell* focused = usable(focusRow_, focusColumn_);
    switch (key) {
    case GridKey::Space:
        spaceHeld_ = true;
        if (focused == nullptr)
            break;
        if (focused->kind == RowKind::CheckBox) {
            model_.select(focusRow_, focusColumn_, true, false, true);
            for (const auto& [row, column] : model_.selectedCells()) {
                const GridCell* c = usable(row, column);
                if (c != nullptr && c->kind == RowKind::CheckBox)
                    toggleCheck(row, column);
            }
        } else if (focused->kind == RowKind::Radio) {
            chooseRadio(focusRow_, focusColumn_, false);
        } else if (focused->kind == RowKind::PushButton) {
            pressButton(focusRow_, focusColumn_);
        }
        break;
    case GridKey::Insert: setAllChecks(true); break;
    case GridKey::Delete: setAllChecks(false); break;
    case GridKey::Left: moveFocusInRow(-1, extend); break;
    case GridKey::Right: moveFocusInRow(1, extend); break;
    case GridKey::Up: moveFocusToRow(-1, extend); break;
    case GridKey::Down: moveFocusToRow(1, extend); break;
    case GridKey::Plus: stepPercentage(focusRow_, focusColumn_, 1); break;
    case GridKey::Minus: stepPercentage(focusRow_, focusColumn_, -1); break;
    case GridKey::F2:
        if (!canEdit(focusRow_, focusColumn_))
            return false;
        model_.select(focusRow_, focusColumn_, true, false, false);
        return true;
    case GridKey::Other: break;
    }
    return false;
}

void GridController::keyRelease(GridKey key)
{
    if (key != GridKey::Space || !spaceHeld_)
        return;
    spaceHeld_ = false;
    if (!leftDown_)
        leftRelease();
}

bool GridController::canEdit(int rowId, int column) const
{
    const GridCell* c = usable(rowId, column);
    if (c == nullptr)
        return false;
    switch (c->kind) {
    case RowKind::Text:
    case RowKind::OptionList:
    case RowKind::EditableOption:
    case RowKind::Number:
    case RowKind::Percentage:
    case RowKind::DateTime:
        return true;
    default:
        return false;
    }
}

void GridController::moveSelection(int rowId, int column, bool extend)
{
    const GridCell* c = usable(rowId, column);
    if (c == nullptr || !c->has(CellFlag::Focusable))
        return;
    const int previousRow = focusRow_;
    const int previousColumn = focusColumn_;
    model_.select(rowId, column, true, false, extend);
    setFocus(rowId, column);
    if (previousRow != rowId || previousColumn != column)
        changed(NotifyAction::SelectionMoved, rowId, column, column, previousColumn);
}

void GridController::toggleCheck(int rowId, int column)
{
    const bool ticked = model_.cell(rowId, column)->checkState() != 1;
    model_.setTicked(rowId, column, ticked);
    changed(NotifyAction::CheckToggled, rowId, column, ticked ? 1 : 0, ticked ? 0 : 1);
}

void GridController::chooseRadio(int rowId, int column, bool ctrl)
{
    model_.select(rowId, column, true, false, ctrl);
    setFocus(rowId, column);
    const bool wasTicked = model_.setTicked(rowId, column, true).value_or(false);
    changed(NotifyAction::RadioChosen, rowId, column, 1, wasTicked ? 1 : 0);
}

void GridController::pressButton(int rowId, int column)
{
    setFocus(rowId, column);
    pressedRow_ = rowId;
    pressedColumn_ = column;
    model_.setTicked(rowId, column, true);
}

void GridController::moveFocusInRow(int direction, bool extend)
{
    for (int column = focusColumn_ + direction; column >= 0 && column < model_.columnCount(); column += direction) {
        const GridCell* c = usable(focusRow_, column);
        if (c != nullptr && c->has(CellFlag::Focusable) && c->kind != RowKind::Percentage) {
            moveSelection(focusRow_, column, extend);
            return;
        }
    }
}

void GridController::moveFocusToRow(int direction, bool extend)
{
    const std::vector<int>& shown = model_.shownRows();
    const int column = focusColumn_ < 0 ? 0 : focusColumn_;
    const int start = model_.shownIndex(focusRow_);
    for (int i = start < 0 && direction < 0 ? static_cast<int>(shown.size()) - 1 : start + direction;
         i >= 0 && i < static_cast<int>(shown.size()); i += direction) {
        const int row = shown[static_cast<std::size_t>(i)];
        const GridCell* c = usable(row, column);
        if (c != nullptr && c->has(CellFlag::Focusable)) {
            moveSelection(row, column, extend);
            return;
        }
    }
}

void GridController::setAllChecks(bool ticked)
{
    for (const auto& [row, column] : model_.selectedCells()) {
        const GridCell* c = usable(row, column);
        if (c != nullptr && c->kind == RowKind::CheckBox && (c->checkState() == 1) != ticked)
            toggleCheck(row, column);
    }
}

bool GridController::commitText(int rowId, int column, const std::string& text)
{
    const GridCell* c = usable(rowId, column);
    if (c == nullptr)
        return false;
    if (c->hasRange())
        return commitNumber(rowId, column, readDecimal(text));
    if (c->kind == RowKind::EditableOption || c->kind == RowKind::OptionList)
        return commitOptionText(rowId, column, text);
    const std::size_t limit = c->textLimit < 0 ? std::string::npos : static_cast<std::size_t>(c->textLimit);
    const std::string cut = text.substr(0, limit);
    const bool same = cut == c->text;
    pendingText_ = cut;
    if (!changing(NotifyAction::TextChanging, rowId, column, 0, 0, !same) || same)
        return same;
    model_.setText(rowId, column, cut);
    changed(NotifyAction::TextChanged, rowId, column, 0, 0);
    return true;
}

bool GridController::commitNumber(int rowId, int column, long long typed)
{
    const GridCell* c = model_.cell(rowId, column);
    if (typed < c->minimum || typed > c->maximum) {
        const std::string pattern =
            TranslatedPattern(VQ_TRANSLATE_NOOP("CoreText", "Given value is out of [%d, %d] range!"));
        char text[160];
        std::snprintf(text, sizeof text, pattern.c_str(), c->minimum, c->maximum);
        model_.showMessage(text, TranslatedText(VQ_TRANSLATE_NOOP("CoreText", "Error!")));
        return false;
    }
    const int value = static_cast<int>(typed);
    const int old = c->value;
    pendingText_ = std::to_string(value);
    if (!changing(NotifyAction::NumberChanging, rowId, column, value, old, value != old) || value == old)
        return value == old;
    model_.setNumber(rowId, column, value);
    changed(NotifyAction::TextChanged, rowId, column, value, old);
    return true;
}

bool GridController::chooseOption(int rowId, int column, int index)
{
    const GridCell* c = usable(rowId, column);
    if (c == nullptr || !c->isOptionList() || index < 0 || index >= static_cast<int>(c->options.size()))
        return false;
    const std::string option = c->options[static_cast<std::size_t>(index)];
    if (option == c->text)
        return true;
    const int old = c->findOption(c->text);
    pendingText_ = option;
    if (!changing(NotifyAction::OptionChoosing, rowId, column, index, old, true))
        return false;
    model_.setText(rowId, column, option);
    changed(NotifyAction::OptionChosen, rowId, column, index, old);
    return true;
}

bool GridController::commitOptionText(int rowId, int column, const std::string& text)
{
    const GridCell* c = usable(rowId, column);
    if (c == nullptr || !c->isOptionList())
        return false;
    const int index = c->findOption(text);
    if (index >= 0 || c->kind == RowKind::OptionList)
        return chooseOption(rowId, column, index);
    const std::size_t limit = c->textLimit < 0 ? std::string::npos : static_cast<std::size_t>(c->textLimit);
    const std::string cut = text.substr(0, limit);
    if (cut == c->text)
        return true;
    const int old = c->findOption(c->text);
    pendingText_ = cut;
    if (!changing(NotifyAction::OptionChoosing, rowId, column, -1, old, true))
        return false;
    model_.setText(rowId, column, cut);
    changed(NotifyAction::OptionChosen, rowId, column, -1, old);
    return true;
}

bool GridController::commitDateTime(int rowId, int column, const DateTimeValue& value)
{
    const GridCell* c = usable(rowId, column);
    if (c == nullptr || c->kind != RowKind::DateTime || !isValidDateTime(value))
        return false;
    const std::string text = formatDateTime(c->dateTimeFormat, value);
    if (text != c->text) {
        model_.setText(rowId, column, text);
        changed(NotifyAction::TextChanged, rowId, column, 0, 0);
    }
    return true;
}

bool GridController::stepPercentage(int rowId, int column, int direction)
{
    const GridCell* c = usable(rowId, column);
    if (c == nullptr || c->kind != RowKind::Percentage)
        return false;
    const long long target = static_cast<long long>(c->value) + static_cast<long long>(direction) * c->step;
    return commitNumber(rowId, column, clampInt(target, c->minimum, c->maximum));
}

bool GridController::changing(NotifyAction action, int rowId, int column, int newValue, int oldValue, bool differs)
{
    const int answer = model_.notify({0, NotifyPhase::Changing, rowId, column, newValue, oldValue, differs ? 1 : 0, action});
    pendingText_.clear();
    return answer == 0;
}

void GridController::changed(NotifyAction action, int rowId, int column, int newValue, int oldValue)
{
    model_.notify({0, NotifyPhase::Changed, rowId, column, newValue, oldValue, 1, action});
}

} // namespace vq
