#pragma once
// The property grid's in-place editors as tests reach and drive them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
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

/// Types `text` as key presses carrying the characters: QTest's own key
/// clicks know ASCII keys only, and a keyboard sends Latin-1 letters so.
inline void KeyIn(QWidget* widget, const QString& text) {
  for (const QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(widget, &release);
  }
}

/// Opens the option list of the value cell of `row` and picks `option` as
/// a user does.
inline void ChooseGridOption(PropertyGrid* grid, int row, const QString& option) {
  ASSERT_TRUE(grid->editCell(row, 1)) << row;
  QComboBox* combo = OpenGridEditor<QComboBox>(grid);
  ASSERT_NE(combo, nullptr);
  combo->hidePopup();
  const int index = combo->findText(option);
  ASSERT_GE(index, 0) << option.toStdString();
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

}  // namespace vq::test
