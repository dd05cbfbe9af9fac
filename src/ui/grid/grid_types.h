#pragma once

#include <cstdint>

/// @file
/// Value types shared by the property grid's bookkeeping and its widget.

namespace vq {

/// How a cell is drawn and edited.
enum class RowKind : int {
    None = 0,           ///< empty, not editable
    Text = 1,           ///< text with an in-place edit box
    OptionList = 2,     ///< drop-down list of option texts
    EditableOption = 3, ///< drop-down list that also takes typed text
    Number = 4,         ///< whole number with a range and a spin control
    Percentage = 5,     ///< bar with "%d%%", changed in steps
    PushButton = 6,     ///< button; a release is reported
    CheckBox = 7,       ///< ticked, clear or indeterminate
    DateTime = 8,       ///< date/time text with a picker
    Group = 9,          ///< expandable row; column 0 only
    Radio = 10,         ///< radio mark; choosing it ticks it
};

/// Bits of a cell's flags word.
namespace CellFlag {
inline constexpr std::uint32_t Enabled = 0x001;
inline constexpr std::uint32_t Selected = 0x002;
inline constexpr std::uint32_t Ticked = 0x004;
inline constexpr std::uint32_t CheckStyleMask = 0x038; ///< values 0, 8, 16, 24, 32
inline constexpr std::uint32_t Focusable = 0x040;
inline constexpr std::uint32_t Indeterminate = 0x080;
inline constexpr std::uint32_t DigitsOnly = 0x100;
inline constexpr std::uint32_t Expanded = 0x200;
inline constexpr std::uint32_t UnderGroup = 0x400;
inline constexpr std::uint32_t Default = Enabled | Focusable;
} // namespace CellFlag

/// Phase of a change notification.
enum class NotifyPhase : int {
    Changing = -100, ///< the owner may refuse by returning non-zero
    Changed = -101,
};

/// What a change notification reports.
enum class NotifyAction : int {
    OptionChosen = 50000,
    TextChanged = 50001,
    ButtonReleased = 50002,
    CheckToggled = 50003,
    SelectionMoved = 50004,
    RadioChosen = 50005,
    GroupExpanded = 50006,
    GroupCollapsed = 50007,
    OptionChoosing = 60000,
    TextChanging = 60001,
    NumberChanging = 60002,
};

/// The record the grid hands its owner for every user action.
///
/// For a check box the values are the new state and the other state; for an
/// option the chosen and the previous index; for a number the typed and the
/// stored value; for an expand or collapse the new and old expanded state
/// (1/0); for a selection move the new and the previous column.
struct GridNotification {
    int controlId = 0;
    NotifyPhase phase = NotifyPhase::Changed;
    int rowId = -1;
    int column = -1;
    int newValue = 0;
    int oldValue = 0;
    int changed = 1;
    NotifyAction action = NotifyAction::TextChanged;
};

/// Row id meaning "no parent": the row is top-level.
inline constexpr int kNoParent = -1;

} // namespace vq
