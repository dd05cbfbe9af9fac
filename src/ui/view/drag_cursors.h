#pragma once
/// @file
/// The cursors shown while channel rows are dragged.

#include <QCursor>

namespace vq {

/// What a drop at the pointer would do.
enum class DragCursor { kMove, kAdd, kRefuse, kRemove, kNoDrop };

/// An arrow with a badge for the drop's effect, drawn by the program.
QCursor MakeDragCursor(DragCursor kind);

}  // namespace vq
