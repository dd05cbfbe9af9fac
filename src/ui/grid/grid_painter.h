#pragma once

#include "ui/grid/grid_cell.h"

#include <QColor>
#include <QRect>

class QFont;
class QPalette;
class QIcon;
class QString;
class QPainter;
class QWidget;

namespace vq {

/// What the painter needs to know about one cell on screen.
struct CellPaint {
    const GridCell& cell;
    QRect rect;           ///< the whole cell, in viewport coordinates
    int column = 0;
    int depth = 0;        ///< ancestors of the row
    bool focused = false; ///< the grid's focused cell while the grid has focus
    const QIcon* icon = nullptr;
};

/// The colours a cell is drawn in under a palette.
struct CellColors {
    QColor background;
    QColor text; ///< also the flat check marks and the option arrow
};

/// Draws the cells of a PropertyGrid with the widget's style, and tells where
/// their marks and boxes lie so clicks can be matched to them.
namespace GridPainter {

/// Horizontal space of one tree level (also the expand box's slot).
int indentWidth(const QWidget& widget);
/// Rectangle of the check or radio mark, or of a group's expand box in
/// column 0; empty for other cells.
QRect markRect(const QWidget& widget, const CellPaint& paint);
/// The width a cell needs to show its whole content (indentation, mark,
/// image, text and padding), in the widget's font.
int contentWidth(const QWidget& widget, const CellPaint& paint);
/// The text drawn in a cell (a number with its unit).
QString shownText(const GridCell& cell);
/// The font a cell's text is drawn in (bold for a group row).
QFont cellFont(const QWidget& widget, const GridCell& cell);
/// The cell's stored colours as drawn under `palette` (see SchemeColors);
/// a selected cell takes the palette's highlight.
CellColors cellColors(const QPalette& palette, const GridCell& cell);
/// Paints background, content and focus frame of one cell.
void paintCell(QPainter& painter, const QWidget& widget, const CellPaint& paint);

} // namespace GridPainter
} // namespace vq
