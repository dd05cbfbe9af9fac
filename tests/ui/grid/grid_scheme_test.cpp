// Marks drawn on the grid's own cell colours stay readable in a dark scheme,
// where the palette's text colour is light but the cells stay white.

#include "ui/grid/grid_fixture.h"

#include <QImage>
#include <QPalette>

namespace vq {
namespace {

class GridSchemeTest : public test::GridFixture {
protected:
    GridSchemeTest()
    {
        QPalette dark = grid.palette();
        for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            dark.setColor(role, QColor(0x2a, 0x2e, 0x32));
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(0xfc, 0xfc, 0xfc));
        grid.setPalette(dark);
        grid.insertRow("Tick", -1, kNoParent, 1);
        grid.setKind(1, 1, RowKind::CheckBox);
        grid.setCheckStyle(1, 1, 8);
        grid.setTicked(1, 1, true);
        grid.insertRow("Mode", -1, kNoParent, 2);
        grid.setKind(2, 1, RowKind::OptionList);
        grid.setOptions(2, 1, {"Stereo", "Left"});
        grid.insertRow("Other", -1, kNoParent, 3);
        QApplication::processEvents();
    }

    /// Pixels of the cell's `part` that stand out from its white background.
    int darkPixels(int rowId, QRect part)
    {
        const QImage picture = grid.viewport()->grab().toImage();
        int count = 0;
        const QRect area = part.translated(grid.cellRect(rowId, 1).topLeft()) & picture.rect();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += picture.pixelColor(x, y).lightness() < 160;
        return count;
    }
};

TEST_F(GridSchemeTest, FlatTickAndOptionArrowContrastWithTheCell)
{
    const QRect cell = grid.cellRect(1, 1);
    EXPECT_GT(darkPixels(1, QRect(0, 0, cell.height() + 8, cell.height())), 4);
    EXPECT_GT(darkPixels(2, QRect(cell.width() - 20, 0, 20, cell.height())), 4);
    EXPECT_EQ(darkPixels(3, QRect(0, 0, cell.width() - 2, cell.height() - 2)), 0);
}

} // namespace
} // namespace vq
