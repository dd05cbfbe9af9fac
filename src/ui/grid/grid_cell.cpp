#include "ui/grid/grid_cell.h"

#include "ui/grid/date_time_text.h"

#include <algorithm>
#include <cctype>

namespace vq {

long long readDecimal(const std::string& text)
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        negative = text[pos++] == '-';
    long long value = 0;
    for (; pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])); ++pos)
        value = std::min(value * 10 + (text[pos] - '0'), 1LL << 40);
    return negative ? -value : value;
}

int clampInt(long long value, int low, int high)
{
    return static_cast<int>(std::clamp<long long>(value, low, high));
}

void GridCell::applyKind(RowKind newKind, const std::string& nowText)
{
    kind = newKind;
    text.clear();
    switch (newKind) {
    case RowKind::None:
    case RowKind::Text:
    case RowKind::PushButton:
    case RowKind::Group:
        options.clear();
        break;
    case RowKind::Number:
        minimum = 0;
        maximum = INT_MAX;
        applyNumber(0);
        break;
    case RowKind::Percentage:
        minimum = 0;
        maximum = 100;
        value = 0;
        step = 1;
        break;
    case RowKind::CheckBox:
    case RowKind::Radio:
        flags &= ~(CellFlag::CheckStyleMask | CellFlag::Ticked | CellFlag::Indeterminate);
        textColor = 0x000000;
        backgroundColor = 0xFFFFFF;
        break;
    case RowKind::DateTime:
        dateTimeFormat = kDefaultDateTimeFormat;
        text = nowText;
        break;
    case RowKind::OptionList:
    case RowKind::EditableOption:
        break;
    }
}

void GridCell::applyText(const std::string& newText)
{
    switch (kind) {
    case RowKind::OptionList: {
        const int index = findOption(newText);
        text = index >= 0 ? options[static_cast<std::size_t>(index)] : std::string();
        break;
    }
    case RowKind::Number:
    case RowKind::Percentage:
        applyNumber(clampInt(readDecimal(newText), minimum, maximum));
        break;
    case RowKind::DateTime: {
        DateTimeValue parsed;
        if (parseDateTime(dateTimeFormat, newText, parsed))
            text = formatDateTime(dateTimeFormat, parsed);
        break;
    }
    default:
        text = newText;
        break;
    }
}

void GridCell::applyRange(int low, int high)
{
    minimum = std::min(low, high);
    maximum = std::max(low, high);
    applyNumber(value);
}

void GridCell::applyNumber(int number)
{
    value = std::clamp(number, minimum, maximum);
    text = std::to_string(value);
}

int GridCell::findOption(const std::string& option, int start) const
{
    for (std::size_t i = static_cast<std::size_t>(std::max(start, 0)); i < options.size(); ++i) {
        if (options[i] == option)
            return static_cast<int>(i);
    }
    return -1;
}

int GridCell::checkState() const
{
    if (has(CellFlag::Indeterminate))
        return 2;
    return has(CellFlag::Ticked) ? 1 : 0;
}

} // namespace vq
