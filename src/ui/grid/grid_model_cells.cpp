#include "ui/grid/grid_model.h"

#include <algorithm>
#include <utility>

namespace vq {
namespace {

bool hasRange(const GridCell& c) { return c.hasRange(); }
bool isCheckable(const GridCell& c) { return c.kind == RowKind::CheckBox || c.kind == RowKind::Radio; }
bool isTickable(const GridCell& c) { return isCheckable(c) || c.kind == RowKind::PushButton; }
bool anyKind(const GridCell& /*cell*/) { return true; }

/// Stores a field of an existing cell and returns its previous value.
template <typename T>
auto store(T GridCell::*field, T value, bool (*fits)(const GridCell&) = anyKind)
{
    return [=](GridCell& c) -> std::optional<T> {
        if (!fits(c))
            return std::nullopt;
        return std::exchange(c.*field, value);
    };
}

} // namespace

std::optional<RowKind> GridModel::setKind(int rowId, int column, RowKind kind)
{
    const int value = static_cast<int>(kind);
    if (value < 0 || value > static_cast<int>(RowKind::Radio) || (kind == RowKind::Group && column != 0))
        return std::nullopt;
    if (column == 0 && kind != RowKind::Group && isGroup(rowId) && isExpanded(rowId)) {
        hideDescendants(rowId);
        mutableCell(rowId, 0)->setFlag(CellFlag::Expanded, false);
    }
    const std::string now = kind == RowKind::DateTime ? nowText() : std::string();
    return editCell<RowKind>(rowId, column, [&](GridCell& c) -> std::optional<RowKind> {
        const RowKind previous = c.kind;
        c.applyKind(kind, now);
        return previous;
    });
}

std::optional<std::string> GridModel::setText(int rowId, int column, const std::string& text)
{
    return editCell<std::string>(rowId, column, [&](GridCell& c) -> std::optional<std::string> {
        std::string previous = c.text;
        c.applyText(text);
        return previous;
    });
}

std::optional<std::string> GridModel::setUnit(int rowId, int column, const std::string& unit)
{
    return editCell<std::string>(rowId, column, store(&GridCell::unit, unit));
}

std::optional<std::string> GridModel::setDateTimeFormat(int rowId, int column, const std::string& format)
{
    return editCell<std::string>(rowId, column, [&](GridCell& c) -> std::optional<std::string> {
        if (c.kind != RowKind::DateTime)
            return std::nullopt;
        // The shown date and time stay; only the way they are written changes.
        DateTimeValue value;
        const bool parsed = parseDateTime(c.dateTimeFormat, c.text, value);
        std::string previous = std::exchange(c.dateTimeFormat, format);
        if (parsed)
            c.text = formatDateTime(format, value);
        return previous;
    });
}

std::optional<int> GridModel::addOption(int rowId, int column, const std::string& text)
{
    return insertOption(rowId, column, optionCount(rowId, column), text);
}

std::optional<int> GridModel::insertOption(int rowId, int column, int index, const std::string& text)
{
    return editCell<int>(rowId, column, [&](GridCell& c) -> std::optional<int> {
        if (!c.isOptionList() || index < 0 || index > static_cast<int>(c.options.size()))
            return std::nullopt;
        c.options.insert(c.options.begin() + index, text);
        return index;
    });
}

std::optional<std::string> GridModel::removeOption(int rowId, int column, int index)
{
    return editCell<std::string>(rowId, column, [&](GridCell& c) -> std::optional<std::string> {
        if (!c.isOptionList() || index < 0 || index >= static_cast<int>(c.options.size()))
            return std::nullopt;
        std::string removed = std::move(c.options[static_cast<std::size_t>(index)]);
        c.options.erase(c.options.begin() + index);
        return removed;
    });
}

std::string GridModel::optionText(int rowId, int column, int index) const
{
    const GridCell* c = cell(rowId, column);
    if (c == nullptr || !c->isOptionList() || index < 0 || index >= static_cast<int>(c->options.size()))
        return {};
    return c->options[static_cast<std::size_t>(index)];
}

int GridModel::optionCount(int rowId, int column) const
{
    const GridCell* c = cell(rowId, column);
    return c != nullptr && c->isOptionList() ? static_cast<int>(c->options.size()) : -1;
}

int GridModel::findOption(int rowId, int column, const std::string& text, int start) const
{
    const GridCell* c = cell(rowId, column);
    return c != nullptr && c->isOptionList() ? c->findOption(text, start) : -1;
}

std::optional<int> GridModel::setOptionCount(int rowId, int column, int count)
{
    return editCell<int>(rowId, column, [&](GridCell& c) -> std::optional<int> {
        if (!c.isOptionList() || count < 0)
            return std::nullopt;
        const int previous = static_cast<int>(c.options.size());
        c.options.resize(static_cast<std::size_t>(count));
        return previous;
    });
}

std::optional<int> GridModel::setOptions(int rowId, int column, const std::vector<std::string>& list)
{
    return editCell<int>(rowId, column, [&](GridCell& c) -> std::optional<int> {
        if (!c.isOptionList())
            return std::nullopt;
        const int previous = static_cast<int>(c.options.size());
        c.options = list;
        return previous;
    });
}

std::vector<std::string> GridModel::options(int rowId, int column) const
{
    const GridCell* c = cell(rowId, column);
    return c != nullptr && c->isOptionList() ? c->options : std::vector<std::string>{};
}

std::optional<int> GridModel::setRange(int rowId, int column, int minimum, int maximum)
{
    return editCell<int>(rowId, column, [&](GridCell& c) -> std::optional<int> {
        if (!c.hasRange())
            return std::nullopt;
        const int previous = c.value;
        c.applyRange(minimum, maximum);
        return previous;
    });
}

std::optional<int> GridModel::setNumber(int rowId, int column, int value)
{
    return editCell<int>(rowId, column, [&](GridCell& c) -> std::optional<int> {
        if (!c.hasRange())
            return std::nullopt;
        const int previous = c.value;
        c.applyNumber(value);
        return previous;
    });
}

std::optional<int> GridModel::setStep(int rowId, int column, int step)
{
    if (step <= 0)
        return std::nullopt;
    return editCell<int>(rowId, column, store(&GridCell::step, step, hasRange));
}

std::optional<bool> GridModel::setEnabled(int rowId, int column, bool on)
{
    auto previous = setFlag(rowId, column, CellFlag::Enabled, on, anyKind);
    if (previous && !on)
        setFlag(rowId, column, CellFlag::Selected, false, anyKind);
    return previous;
}

std::optional<bool> GridModel::setFocusable(int rowId, int column, bool on)
{
    return setFlag(rowId, column, CellFlag::Focusable, on, anyKind);
}

std::optional<bool> GridModel::setDigitsOnly(int rowId, int column, bool on)
{
    return setFlag(rowId, column, CellFlag::DigitsOnly, on, anyKind);
}

std::optional<bool> GridModel::setTicked(int rowId, int column, bool on)
{
    return editCell<bool>(rowId, column, [&](GridCell& c) -> std::optional<bool> {
        if (!isTickable(c))
            return std::nullopt;
        const bool previous = c.has(CellFlag::Ticked);
        c.setFlag(CellFlag::Ticked, on);
        c.setFlag(CellFlag::Indeterminate, false);
        return previous;
    });
}

std::optional<bool> GridModel::setIndeterminate(int rowId, int column, bool on)
{
    return editCell<bool>(rowId, column, [&](GridCell& c) -> std::optional<bool> {
        if (!isCheckable(c))
            return std::nullopt;
        const bool previous = c.has(CellFlag::Indeterminate);
        c.setFlag(CellFlag::Indeterminate, on);
        if (on)
            c.setFlag(CellFlag::Ticked, false);
        return previous;
    });
}

std::optional<int> GridModel::setCheckStyle(int rowId, int column, int style)
{
    if (style < 0 || style > 32 || style % 8 != 0)
        return std::nullopt;
    return editCell<int>(rowId, column, [&](GridCell& c) -> std::optional<int> {
        if (!isCheckable(c))
            return std::nullopt;
        const int previous = static_cast<int>(c.flags & CellFlag::CheckStyleMask);
        c.flags = (c.flags & ~CellFlag::CheckStyleMask) | static_cast<std::uint32_t>(style);
        return previous;
    });
}

std::optional<int> GridModel::setTextLimit(int rowId, int column, int limit)
{
    return editCell<int>(rowId, column, store(&GridCell::textLimit, std::max(limit, -1)));
}

std::optional<std::uint32_t> GridModel::setTextColor(int rowId, int column, std::uint32_t rgb)
{
    return editCell<std::uint32_t>(rowId, column, store(&GridCell::textColor, rgb & 0xFFFFFFu));
}

std::optional<std::uint32_t> GridModel::setBackgroundColor(int rowId, int column, std::uint32_t rgb)
{
    return editCell<std::uint32_t>(rowId, column, store(&GridCell::backgroundColor, rgb & 0xFFFFFFu));
}

std::optional<int> GridModel::setUserValue(int rowId, int column, int value)
{
    return editCell<int>(rowId, column, store(&GridCell::userValue, value));
}

} // namespace vq
