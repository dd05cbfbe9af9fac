#include "ui/grid/grid_model.h"

#include <algorithm>
#include <utility>

namespace vq {

int GridModel::insertColumn(int index, const std::string& title, int width)
{
    const int at = std::clamp(index, 0, columnCount());
    columns_.insert(columns_.begin() + at, GridColumn{title, width});
    for (auto& [id, row] : rows_) {
        GridCell cell;
        if (!row.cells.empty())
            cell.flags |= row.cells.front().flags & CellFlag::UnderGroup;
        row.cells.insert(row.cells.begin() + at, cell);
    }
    return at;
}

std::optional<int> GridModel::setColumnWidth(int index, int width)
{
    if (index < 0 || index >= columnCount())
        return std::nullopt;
    return std::exchange(columns_[static_cast<std::size_t>(index)].width, width);
}

bool GridModel::insertRow(const std::string& label, int image, int parentId, int rowId)
{
    if (rowId < 0 || rowExists(rowId) || (parentId != kNoParent && !rowExists(parentId)))
        return false;
    Row row;
    row.parent = parentId;
    row.image = image;
    row.cells.resize(columns_.size());
    for (GridCell& cell : row.cells)
        cell.setFlag(CellFlag::UnderGroup, parentId != kNoParent);
    if (!row.cells.empty())
        row.cells.front().text = label;

    int position = -1;
    if (parentId == kNoParent) {
        position = static_cast<int>(shown_.size());
    } else {
        Row& parent = rows_.at(parentId);
        row.depth = parent.depth + 1;
        parent.children.push_back(rowId);
        const int parentPos = shownIndex(parentId);
        if (parentPos >= 0 && isExpanded(parentId))
            position = parentPos + 1 + shownDescendantCount(parentPos);
    }
    rows_.emplace(rowId, std::move(row));
    if (position >= 0) {
        shown_.insert(shown_.begin() + position, rowId);
        if (listener_ != nullptr)
            listener_->rowsInserted(position, 1);
    }
    return true;
}

void GridModel::deleteAllRows()
{
    rows_.clear();
    shown_.clear();
    if (listener_ != nullptr)
        listener_->rowsCleared();
}

int GridModel::parentOf(int rowId) const
{
    const auto it = rows_.find(rowId);
    return it == rows_.end() ? kNoParent : it->second.parent;
}

std::vector<int> GridModel::rowIds() const
{
    std::vector<int> ids;
    ids.reserve(rows_.size());
    for (const auto& [id, row] : rows_)
        ids.push_back(id);
    return ids;
}

const std::vector<int>& GridModel::childrenOf(int rowId) const
{
    static const std::vector<int> none;
    const auto it = rows_.find(rowId);
    return it == rows_.end() ? none : it->second.children;
}

int GridModel::depthOf(int rowId) const
{
    const auto it = rows_.find(rowId);
    return it == rows_.end() ? -1 : it->second.depth;
}

int GridModel::imageOf(int rowId) const
{
    const auto it = rows_.find(rowId);
    return it == rows_.end() ? -1 : it->second.image;
}

int GridModel::shownIndex(int rowId) const
{
    const auto it = std::find(shown_.begin(), shown_.end(), rowId);
    return it == shown_.end() ? -1 : static_cast<int>(it - shown_.begin());
}

const GridCell* GridModel::cell(int rowId, int column) const
{
    const auto it = rows_.find(rowId);
    if (it == rows_.end() || column < 0 || column >= static_cast<int>(it->second.cells.size()))
        return nullptr;
    return &it->second.cells[static_cast<std::size_t>(column)];
}

GridCell* GridModel::mutableCell(int rowId, int column)
{
    return const_cast<GridCell*>(std::as_const(*this).cell(rowId, column));
}

std::string GridModel::text(int rowId, int column) const
{
    const GridCell* c = cell(rowId, column);
    return c == nullptr ? std::string() : c->text;
}

bool GridModel::isGroup(int rowId) const
{
    const GridCell* c = cell(rowId, 0);
    return c != nullptr && c->kind == RowKind::Group;
}

bool GridModel::isExpanded(int rowId) const
{
    const GridCell* c = cell(rowId, 0);
    return c != nullptr && c->has(CellFlag::Expanded);
}

void GridModel::appendShownDescendants(int rowId, std::vector<int>& out) const
{
    for (int child : rows_.at(rowId).children) {
        out.push_back(child);
        if (isGroup(child) && isExpanded(child))
            appendShownDescendants(child, out);
    }
}

int GridModel::shownDescendantCount(int position) const
{
    const int depth = rows_.at(shown_[static_cast<std::size_t>(position)]).depth;
    int end = position + 1;
    while (end < static_cast<int>(shown_.size()) && rows_.at(shown_[static_cast<std::size_t>(end)]).depth > depth)
        ++end;
    return end - position - 1;
}

void GridModel::hideDescendants(int rowId)
{
    const int position = shownIndex(rowId);
    if (position < 0)
        return;
    const int count = shownDescendantCount(position);
    if (count == 0)
        return;
    const auto first = shown_.begin() + position + 1;
    // A hidden cell cannot stay selected: keyboard actions act on selected cells.
    for (auto it = first; it != first + count; ++it) {
        for (GridCell& c : rows_.at(*it).cells)
            c.setFlag(CellFlag::Selected, false);
    }
    shown_.erase(first, first + count);
    if (listener_ != nullptr)
        listener_->rowsRemoved(position + 1, count);
}

std::optional<int> GridModel::expand(int rowId)
{
    if (!isGroup(rowId) || childrenOf(rowId).empty())
        return std::nullopt;
    if (isExpanded(rowId))
        return 0;
    mutableCell(rowId, 0)->setFlag(CellFlag::Expanded, true);
    int inserted = 0;
    if (const int position = shownIndex(rowId); position >= 0) {
        std::vector<int> rows;
        appendShownDescendants(rowId, rows);
        shown_.insert(shown_.begin() + position + 1, rows.begin(), rows.end());
        inserted = static_cast<int>(rows.size());
        if (listener_ != nullptr) {
            if (inserted > 0)
                listener_->rowsInserted(position + 1, inserted);
            listener_->cellChanged(rowId, 0);
        }
    }
    notify({controlId_, NotifyPhase::Changed, rowId, 0, 1, 0, 1, NotifyAction::GroupExpanded});
    return inserted;
}

std::optional<int> GridModel::collapse(int rowId)
{
    if (!isGroup(rowId))
        return std::nullopt;
    if (!isExpanded(rowId))
        return 0;
    const int position = shownIndex(rowId);
    const int removed = position >= 0 ? shownDescendantCount(position) : 0;
    hideDescendants(rowId);
    mutableCell(rowId, 0)->setFlag(CellFlag::Expanded, false);
    if (listener_ != nullptr && position >= 0)
        listener_->cellChanged(rowId, 0);
    notify({controlId_, NotifyPhase::Changed, rowId, 0, 0, 1, 1, NotifyAction::GroupCollapsed});
    return removed;
}

std::optional<bool> GridModel::select(int rowId, int column, bool on, bool toggle, bool keepOthers)
{
    const GridCell* target = cell(rowId, column);
    if (target == nullptr || (!target->has(CellFlag::Enabled) && (on || toggle)))
        return std::nullopt;
    const bool previous = target->has(CellFlag::Selected);
    if (!keepOthers) {
        for (const auto& [r, c] : selectedCells()) {
            if (r != rowId || c != column)
                editCell<bool>(r, c, [](GridCell& x) -> std::optional<bool> { x.setFlag(CellFlag::Selected, false); return true; });
        }
    }
    const bool now = toggle ? !previous : on;
    editCell<bool>(rowId, column, [&](GridCell& x) -> std::optional<bool> { x.setFlag(CellFlag::Selected, now); return true; });
    return previous;
}

std::vector<std::pair<int, int>> GridModel::selectedCells() const
{
    std::vector<std::pair<int, int>> out;
    for (int rowId : shown_) {
        const Row& row = rows_.at(rowId);
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            if (row.cells[c].has(CellFlag::Selected))
                out.emplace_back(rowId, static_cast<int>(c));
        }
    }
    return out;
}

void GridModel::clearSelection()
{
    for (auto& [id, row] : rows_) {
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            if (row.cells[c].has(CellFlag::Selected))
                editCell<bool>(id, static_cast<int>(c), [](GridCell& x) -> std::optional<bool> { x.setFlag(CellFlag::Selected, false); return true; });
        }
    }
}

int GridModel::notify(GridNotification note) const
{
    note.controlId = controlId_;
    return listener_ != nullptr ? listener_->notify(note) : 0;
}

void GridModel::showMessage(const std::string& text, const std::string& caption) const
{
    if (listener_ != nullptr)
        listener_->message(text, caption);
}

std::string GridModel::nowText() const
{
    const std::string full = formatDateTime(kDefaultDateTimeFormat, clock_());
    return full.substr(0, full.rfind(':'));
}

} // namespace vq
