#include "ui/grid/property_grid.h"


#include <QHeaderView>
#include <QStandardItemModel>

// The row and cell operations of PropertyGrid: Latin-1 conversion around
// the bookkeeping, which redraws shown cells through the bridge.

namespace vq {
namespace {

std::string latin1(const QString& text) { return text.toLatin1().toStdString(); }

std::optional<QString> toQString(const std::optional<std::string>& text)
{
    return text ? std::optional<QString>(QString::fromLatin1(*text)) : std::nullopt;
}

} // namespace

int PropertyGrid::insertColumn(int index, const QString& title, int width)
{
    const int at = model_.insertColumn(index, latin1(title), width);
    headerModel_->insertColumn(at);
    headerModel_->setHeaderData(at, Qt::Horizontal, title);
    header_->resizeSection(at, width);
    setHeaderVisible(!header_->isHidden());
    updateScrollBars();
    viewport()->update();
    return at;
}

std::optional<int> PropertyGrid::setColumnWidth(int column, int width)
{
    const std::optional<int> previous = model_.setColumnWidth(column, width);
    if (previous)
        header_->resizeSection(column, width);
    return previous;
}

int PropertyGrid::columnWidth(int column) const
{
    return column >= 0 && column < columnCount() ? model_.column(column).width : -1;
}

bool PropertyGrid::insertRow(const QString& label, int image, int parentId, int rowId)
{
    return model_.insertRow(latin1(label), image, parentId, rowId);
}

void PropertyGrid::deleteAllRows() { model_.deleteAllRows(); }
std::optional<int> PropertyGrid::expand(int rowId) { return model_.expand(rowId); }
std::optional<int> PropertyGrid::collapse(int rowId) { return model_.collapse(rowId); }

std::optional<RowKind> PropertyGrid::setKind(int rowId, int column, RowKind kind)
{
    return model_.setKind(rowId, column, kind);
}

RowKind PropertyGrid::kind(int rowId, int column) const
{
    const GridCell* c = cell(rowId, column);
    return c == nullptr ? RowKind::None : c->kind;
}

std::optional<QString> PropertyGrid::setText(int rowId, int column, const QString& text)
{
    return toQString(model_.setText(rowId, column, latin1(text)));
}

QString PropertyGrid::text(int rowId, int column) const
{
    return QString::fromLatin1(model_.text(rowId, column));
}

std::optional<QString> PropertyGrid::setUnit(int rowId, int column, const QString& unit)
{
    return toQString(model_.setUnit(rowId, column, latin1(unit)));
}

std::optional<QString> PropertyGrid::setDateTimeFormat(int rowId, int column, const QString& format)
{
    return toQString(model_.setDateTimeFormat(rowId, column, latin1(format)));
}

std::optional<int> PropertyGrid::addOption(int rowId, int column, const QString& text)
{
    return model_.addOption(rowId, column, latin1(text));
}

std::optional<int> PropertyGrid::insertOption(int rowId, int column, int index, const QString& text)
{
    return model_.insertOption(rowId, column, index, latin1(text));
}

std::optional<QString> PropertyGrid::removeOption(int rowId, int column, int index)
{
    return toQString(model_.removeOption(rowId, column, index));
}

QString PropertyGrid::optionText(int rowId, int column, int index) const
{
    return QString::fromLatin1(model_.optionText(rowId, column, index));
}

int PropertyGrid::findOption(int rowId, int column, const QString& text, int start) const
{
    return model_.findOption(rowId, column, latin1(text), start);
}

std::optional<int> PropertyGrid::setOptionCount(int rowId, int column, int count)
{
    return model_.setOptionCount(rowId, column, count);
}

std::optional<int> PropertyGrid::setOptions(int rowId, int column, const QStringList& list)
{
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(list.size()));
    for (const QString& text : list)
        texts.push_back(latin1(text));
    return model_.setOptions(rowId, column, texts);
}

QStringList PropertyGrid::options(int rowId, int column) const
{
    QStringList out;
    for (const std::string& text : model_.options(rowId, column))
        out.push_back(QString::fromLatin1(text));
    return out;
}

std::optional<int> PropertyGrid::setRange(int rowId, int column, int minimum, int maximum)
{
    return model_.setRange(rowId, column, minimum, maximum);
}

std::optional<int> PropertyGrid::setNumber(int rowId, int column, int value)
{
    return model_.setNumber(rowId, column, value);
}

int PropertyGrid::number(int rowId, int column) const
{
    const GridCell* c = cell(rowId, column);
    return c == nullptr ? 0 : c->value;
}

std::optional<int> PropertyGrid::setStep(int rowId, int column, int step) { return model_.setStep(rowId, column, step); }

std::optional<bool> PropertyGrid::setEnabled(int rowId, int column, bool on)
{
    return model_.setEnabled(rowId, column, on);
}

std::optional<bool> PropertyGrid::setFocusable(int rowId, int column, bool on)
{
    return model_.setFocusable(rowId, column, on);
}

std::optional<bool> PropertyGrid::setDigitsOnly(int rowId, int column, bool on)
{
    return model_.setDigitsOnly(rowId, column, on);
}

std::optional<bool> PropertyGrid::setTicked(int rowId, int column, bool on)
{
    return model_.setTicked(rowId, column, on);
}

bool PropertyGrid::isTicked(int rowId, int column) const
{
    const GridCell* c = cell(rowId, column);
    return c != nullptr && c->has(CellFlag::Ticked);
}

std::optional<bool> PropertyGrid::setIndeterminate(int rowId, int column, bool on)
{
    return model_.setIndeterminate(rowId, column, on);
}

std::optional<int> PropertyGrid::setCheckStyle(int rowId, int column, int style)
{
    return model_.setCheckStyle(rowId, column, style);
}

std::optional<int> PropertyGrid::setTextLimit(int rowId, int column, int limit)
{
    return model_.setTextLimit(rowId, column, limit);
}

std::optional<std::uint32_t> PropertyGrid::setTextColor(int rowId, int column, std::uint32_t rgb)
{
    return model_.setTextColor(rowId, column, rgb);
}

std::optional<std::uint32_t> PropertyGrid::setBackgroundColor(int rowId, int column, std::uint32_t rgb)
{
    return model_.setBackgroundColor(rowId, column, rgb);
}

std::optional<int> PropertyGrid::setUserValue(int rowId, int column, int value)
{
    return model_.setUserValue(rowId, column, value);
}

int PropertyGrid::userValue(int rowId, int column) const
{
    const GridCell* c = cell(rowId, column);
    return c == nullptr ? 0 : c->userValue;
}

std::optional<bool> PropertyGrid::select(int rowId, int column, bool on, bool toggle, bool keepOthers)
{
    return model_.select(rowId, column, on, toggle, keepOthers);
}

} // namespace vq
