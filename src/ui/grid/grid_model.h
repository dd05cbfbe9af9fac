#pragma once

#include "ui/grid/grid_cell.h"
#include "ui/grid/grid_types.h"

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

/// @file
/// The property grid's rows, cells and shown order, without any drawing.

namespace vq {

/// Receives what the grid's bookkeeping changes; the widget redraws from it,
/// tests record it.
class GridListener {
public:
    virtual ~GridListener() = default;
    /// Rows were added to the shown order at `position`.
    virtual void rowsInserted(int /*position*/, int /*count*/) {}
    /// Rows were taken out of the shown order at `position`.
    virtual void rowsRemoved(int /*position*/, int /*count*/) {}
    /// Every row was deleted.
    virtual void rowsCleared() {}
    /// A cell of a shown row changed.
    virtual void cellChanged(int /*rowId*/, int /*column*/) {}
    /// A change notification for the owner; non-zero refuses a changing one.
    virtual int notify(const GridNotification& /*note*/) { return 0; }
    /// A message to show to the user.
    virtual void message(const std::string& /*text*/, const std::string& /*caption*/) {}
};

/// A column of the grid.
struct GridColumn {
    std::string title;
    int width = 0;
};

/// Rows of the grid, each identified by an owner-chosen id and holding one
/// cell per column, arranged as a tree under group rows.
///
/// The shown order lists the rows on screen: every top-level row and the
/// children of each expanded group that is itself shown, each group followed
/// by its shown descendants. A group keeps its expanded flag while it is
/// hidden, so re-showing it restores its sub-tree. Setters return the
/// previous value, or nothing when the row, column or kind does not fit; they
/// then change nothing.
class GridModel {
public:
    explicit GridModel(GridListener* listener = nullptr) : listener_(listener) {}

    /// Inserts a column at index (clamped to the column count); rows get an
    /// empty text cell there. Returns the index used.
    int insertColumn(int index, const std::string& title, int width);
    int columnCount() const { return static_cast<int>(columns_.size()); }
    const GridColumn& column(int index) const { return columns_.at(static_cast<std::size_t>(index)); }
    std::optional<int> setColumnWidth(int index, int width);

    /// Adds a row with the label in column 0. False when the id is negative
    /// or taken, or the parent does not exist. The row is shown when it is
    /// top-level or its parent is expanded and shown, after the parent's last
    /// shown descendant.
    bool insertRow(const std::string& label, int image, int parentId, int rowId);
    void deleteAllRows();
    bool rowExists(int rowId) const { return rows_.contains(rowId); }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    /// Every row's id, shown or not, in no particular order.
    std::vector<int> rowIds() const;
    int parentOf(int rowId) const;
    const std::vector<int>& childrenOf(int rowId) const;
    /// Number of ancestors; 0 for a top-level row, −1 for an unknown one.
    int depthOf(int rowId) const;
    int imageOf(int rowId) const;

    const std::vector<int>& shownRows() const { return shown_; }
    /// Position of the row in the shown order, or −1 when hidden.
    int shownIndex(int rowId) const;

    /// The cell, or null when the row or column does not exist.
    const GridCell* cell(int rowId, int column) const;
    std::string text(int rowId, int column) const;

    /// Changes the kind, resetting what belongs to the old one. Refused for a
    /// group outside column 0. A shown expanded group that stops being a
    /// group hides its descendants first.
    std::optional<RowKind> setKind(int rowId, int column, RowKind kind);
    /// Stores a text as the kind reads it: an option list shows the option
    /// equal to it (empty when none is), a number or percentage reads it as a
    /// decimal and clamps it, a date/time cell parses it in its format and
    /// keeps its text when it does not parse; other kinds store it unchanged.
    std::optional<std::string> setText(int rowId, int column, const std::string& text);
    std::optional<std::string> setUnit(int rowId, int column, const std::string& unit);
    std::optional<std::string> setDateTimeFormat(int rowId, int column, const std::string& format);

    /// Option lists (kinds 2 and 3 only).
    std::optional<int> addOption(int rowId, int column, const std::string& text);
    std::optional<int> insertOption(int rowId, int column, int index, const std::string& text);
    std::optional<std::string> removeOption(int rowId, int column, int index);
    std::string optionText(int rowId, int column, int index) const;
    int optionCount(int rowId, int column) const;
    int findOption(int rowId, int column, const std::string& text, int start = 0) const;
    std::optional<int> setOptionCount(int rowId, int column, int count);
    std::optional<int> setOptions(int rowId, int column, const std::vector<std::string>& list);
    std::vector<std::string> options(int rowId, int column) const;

    /// Range and value of number and percentage cells.
    std::optional<int> setRange(int rowId, int column, int minimum, int maximum);
    std::optional<int> setNumber(int rowId, int column, int value);
    std::optional<int> setStep(int rowId, int column, int step);

    std::optional<bool> setEnabled(int rowId, int column, bool on);
    std::optional<bool> setFocusable(int rowId, int column, bool on);
    std::optional<bool> setDigitsOnly(int rowId, int column, bool on);
    /// Ticks or clears a push button, check box or radio; clears indeterminate.
    std::optional<bool> setTicked(int rowId, int column, bool on);
    /// Check boxes and radios; setting it clears the tick.
    std::optional<bool> setIndeterminate(int rowId, int column, bool on);
    /// Check boxes and radios: style 0, 8, 16, 24 or 32.
    std::optional<int> setCheckStyle(int rowId, int column, int style);
    std::optional<int> setTextLimit(int rowId, int column, int limit);
    std::optional<std::uint32_t> setTextColor(int rowId, int column, std::uint32_t rgb);
    std::optional<std::uint32_t> setBackgroundColor(int rowId, int column, std::uint32_t rgb);
    std::optional<int> setUserValue(int rowId, int column, int value);

    /// Selects or toggles one enabled cell; unless keepOthers, every other
    /// cell is deselected first.
    std::optional<bool> select(int rowId, int column, bool on, bool toggle, bool keepOthers);
    /// Selected cells as (row id, column), in shown order.
    std::vector<std::pair<int, int>> selectedCells() const;
    void clearSelection();

    /// Expands a group row (kind 9 in column 0) that has child rows: marks it
    /// expanded and, when it is shown, shows its children and the sub-trees
    /// of expanded child groups right after it. Reports 50006. Returns the
    /// number of rows shown; 0 when it was expanded already (nothing is
    /// reported then); nothing for a group without children.
    std::optional<int> expand(int rowId);
    /// The reverse of expand; reports 50007 and returns the rows hidden.
    std::optional<int> collapse(int rowId);
    bool isGroup(int rowId) const;
    bool isExpanded(int rowId) const;

    /// Sends a notification to the listener and returns its answer.
    int notify(GridNotification note) const;
    void showMessage(const std::string& text, const std::string& caption) const;
    void setControlId(int id) { controlId_ = id; }
    int controlId() const { return controlId_; }
    /// Source of the text a date/time cell starts with.
    void setClock(std::function<DateTimeValue()> clock) { clock_ = std::move(clock); }

private:
    struct Row {
        int parent = kNoParent;
        int depth = 0;
        int image = -1;
        std::vector<int> children;
        std::vector<GridCell> cells;
    };

    GridCell* mutableCell(int rowId, int column);
    /// Applies an edit to an existing cell and redraws it when shown.
    template <typename T, typename Edit>
    std::optional<T> editCell(int rowId, int column, Edit edit);
    template <typename Pred>
    std::optional<bool> setFlag(int rowId, int column, std::uint32_t flag, bool on, Pred fits);
    void appendShownDescendants(int rowId, std::vector<int>& out) const;
    int shownDescendantCount(int position) const;
    void hideDescendants(int rowId);
    std::string nowText() const;

    GridListener* listener_;
    std::vector<GridColumn> columns_;
    std::unordered_map<int, Row> rows_;
    std::vector<int> shown_;
    int controlId_ = 0;
    std::function<DateTimeValue()> clock_ = currentDateTime;
};

template <typename T, typename Edit>
std::optional<T> GridModel::editCell(int rowId, int column, Edit edit)
{
    GridCell* target = mutableCell(rowId, column);
    if (target == nullptr)
        return std::nullopt;
    std::optional<T> previous = edit(*target);
    if (previous && listener_ != nullptr && shownIndex(rowId) >= 0)
        listener_->cellChanged(rowId, column);
    return previous;
}

template <typename Pred>
std::optional<bool> GridModel::setFlag(int rowId, int column, std::uint32_t flag, bool on, Pred fits)
{
    return editCell<bool>(rowId, column, [&](GridCell& c) -> std::optional<bool> {
        if (!fits(c))
            return std::nullopt;
        const bool previous = c.has(flag);
        c.setFlag(flag, on);
        return previous;
    });
}

} // namespace vq
