#pragma once

#include "ui/grid/date_time_text.h"
#include "ui/grid/grid_types.h"

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

/// @file
/// One cell of the property grid and the rules that keep its fields
/// consistent with its kind.

namespace vq {

/// A cell: the value of one row in one column.
///
/// The text is what is drawn. A number cell keeps its value inside
/// [minimum, maximum] and its text equal to the value in "%d"; an option list
/// shows one of its options. Setting a kind resets what belonged to the old
/// kind.
struct GridCell {
    RowKind kind = RowKind::Text;
    std::uint32_t flags = CellFlag::Default;
    std::string text;
    std::string unit; ///< drawn after the text of a number cell
    int minimum = 0;
    int maximum = INT_MAX;
    int step = 1;
    int userValue = 0;
    int value = 0;
    std::uint32_t textColor = 0x000000;       ///< 0xRRGGBB
    std::uint32_t backgroundColor = 0xFFFFFF; ///< 0xRRGGBB
    int textLimit = -1;                       ///< characters an editor takes; −1 no limit
    std::vector<std::string> options;
    std::string dateTimeFormat = kDefaultDateTimeFormat;

    bool has(std::uint32_t flag) const { return (flags & flag) != 0; }
    void setFlag(std::uint32_t flag, bool on) { flags = on ? flags | flag : flags & ~flag; }
    bool isOptionList() const { return kind == RowKind::OptionList || kind == RowKind::EditableOption; }
    bool hasRange() const { return kind == RowKind::Number || kind == RowKind::Percentage; }

    /// Changes the kind and resets the fields of the old one; `nowText` is
    /// the text a date/time cell starts with.
    void applyKind(RowKind newKind, const std::string& nowText);

    /// Stores a text as the kind reads it (see PropertyGrid::setText).
    void applyText(const std::string& newText);

    /// Orders the bounds and clamps the value into them.
    void applyRange(int low, int high);

    /// Clamps and stores a number; the text becomes "%d".
    void applyNumber(int number);

    /// Index of the first option equal to the text at or after start, or −1.
    int findOption(const std::string& option, int start = 0) const;

    /// 0 clear, 1 ticked, 2 indeterminate.
    int checkState() const;
};

/// Reads a decimal number the way number editors do: optional sign, then
/// digits; saturates at the int limits; an empty text reads as 0.
long long readDecimal(const std::string& text);

/// Clamps a wide value into [low, high].
int clampInt(long long value, int low, int high);

} // namespace vq
