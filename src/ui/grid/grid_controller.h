#pragma once

#include "ui/grid/date_time_text.h"
#include "ui/grid/grid_model.h"

#include <string>

/// @file
/// What the property grid does with the user's keys, clicks and edits,
/// decided without any widget.

namespace vq {

/// Keys the grid acts on.
enum class GridKey { Space, Insert, Delete, Left, Right, Up, Down, F2, Plus, Minus, Other };

/// Where in a cell a click landed.
enum class CellPart {
    Body, ///< anywhere but the box
    Box,  ///< the check or radio mark of a check box or radio cell
};

/// Turns user input into changes of a GridModel and notifications to its
/// owner.
///
/// Holds the focused cell, the pressed push button and whether the Space key
/// or the left button is down. An edit reaches the model only after the owner
/// accepted its changing notification and, for numbers, only when it lies in
/// the cell's range; a changed notification follows every stored change.
class GridController {
public:
    explicit GridController(GridModel& model) : model_(model) {}

    /// Allows Shift/Ctrl with the arrow keys to extend the selection.
    void setMultiSelection(bool on) { multiSelection_ = on; }
    int focusRow() const { return focusRow_; }
    int focusColumn() const { return focusColumn_; }
    /// Moves the focus without selecting or reporting.
    void setFocus(int rowId, int column);
    /// Forgets the focus and every pressed state (after all rows went).
    void reset();
    /// Forgets a held Space key, a held left button and a pressed push
    /// button, reporting nothing: the grid lost the focus, so their release
    /// goes elsewhere (to a message box that opened under the press).
    void releaseHeld();

    /// Left button pressed on a cell (ignored while Space is held).
    void leftPress(int rowId, int column, CellPart part, bool ctrl);
    /// Left button released: a pressed push button reports its release.
    void leftRelease();
    /// Double click; true when the cell's editor should open.
    bool doubleClick(int rowId, int column, CellPart part);
    /// A key went down (auto-repeats excluded for Space); true when the
    /// focused cell's editor should open.
    bool keyPress(GridKey key, bool shift, bool ctrl);
    void keyRelease(GridKey key);
    bool spaceHeld() const { return spaceHeld_; }

    /// True for an enabled cell whose kind has an in-place editor.
    bool canEdit(int rowId, int column) const;

    /// Commits the text of a text, number or percentage editor. Returns true
    /// when the cell now holds it; on false the cell keeps its old text.
    bool commitText(int rowId, int column, const std::string& text);
    /// Chooses an option of an option list by index.
    bool chooseOption(int rowId, int column, int index);
    /// Commits the typed text of an editable option list.
    bool commitOptionText(int rowId, int column, const std::string& text);
    /// Commits the value picked in a date/time editor.
    bool commitDateTime(int rowId, int column, const DateTimeValue& value);
    /// Steps a percentage cell up (+1) or down (−1) by its step.
    bool stepPercentage(int rowId, int column, int direction);

    /// The text being committed, readable by the owner while it handles a
    /// changing notification.
    const std::string& pendingText() const { return pendingText_; }

private:
    const GridCell* usable(int rowId, int column) const;
    void moveSelection(int rowId, int column, bool extend);
    void toggleCheck(int rowId, int column);
    void chooseRadio(int rowId, int column, bool ctrl);
    void pressButton(int rowId, int column);
    void moveFocusInRow(int direction, bool extend);
    void moveFocusToRow(int direction, bool extend);
    void setAllChecks(bool ticked);
    bool commitNumber(int rowId, int column, long long typed);
    bool changing(NotifyAction action, int rowId, int column, int newValue, int oldValue, bool differs);
    void changed(NotifyAction action, int rowId, int column, int newValue, int oldValue);

    GridModel& model_;
    int focusRow_ = -1;
    int focusColumn_ = -1;
    int pressedRow_ = -1;
    int pressedColumn_ = -1;
    bool spaceHeld_ = false;
    bool leftDown_ = false;
    bool multiSelection_ = true;
    std::string pendingText_;
};

} // namespace vq
