#pragma once

class QAccessibleInterface;

namespace vq {

class PropertyGrid;

/// Accessibility of the PropertyGrid: the grid is a tree whose children are
/// its shown cells, row by row. A cell is named by its row's label, its value
/// is its text, its role and state follow its kind (checked, mixed, expanded,
/// pressed, disabled, selected, focused), and its press/toggle action does
/// what a click on it does.
namespace GridAccessible {

/// Registers the interface factory once per process.
void install();
/// Forgets the cell interfaces of a grid whose rows were all deleted.
void reset(PropertyGrid& grid);
/// The interface of one cell, or null when it does not exist.
QAccessibleInterface* cellInterface(PropertyGrid& grid, int rowId, int column);

} // namespace GridAccessible
} // namespace vq
