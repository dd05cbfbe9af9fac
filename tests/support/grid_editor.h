#pragma once
// The property grid's in-place editor of a kind, as tests reach it.

#include <QWidget>

#include "ui/grid/property_grid.h"

namespace vq::test {

/// The grid's in-place editor of that kind now shown, or null.
template <class Editor>
Editor* OpenGridEditor(PropertyGrid* grid) {
  for (Editor* editor : grid->viewport()->findChildren<Editor*>(Qt::FindDirectChildrenOnly))
    if (editor->isVisible()) return editor;
  return nullptr;
}

}  // namespace vq::test
