// The grid's cells in a light and a dark colour scheme: the stored colours
// exactly in a light one; Base, Text and readable tints in a dark one, with
// every text and mark (ticked or clear) standing out from its cell.

#include "ui/grid/grid_fixture.h"
#include "ui/grid/grid_painter.h"
#include "ui/grid/scheme_colors.h"

#include <QImage>
#include <QPalette>
#include <QRandomGenerator>

namespace vq {
namespace {

using SchemeColors::contrastRatio;

QColor rgb(std::uint32_t value) { return QColor::fromRgb(static_cast<QRgb>(value | 0xFF000000u)); }

QPalette scheme(const QColor& window, const QColor& base, const QColor& text, const QColor& greyed)
{
    QPalette palette;
    for (const auto role : {QPalette::Window, QPalette::Button})
        palette.setColor(role, window);
    palette.setColor(QPalette::Base, base);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Disabled, QPalette::Text, greyed);
    return palette;
}

QColor randomColor(QRandomGenerator& random, int low, int high)
{
    return QColor(random.bounded(low, high), random.bounded(low, high), random.bounded(low, high));
}

TEST(SchemeColors, ContrastFollowsWcag)
{
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
    QRandomGenerator random(33);
    for (int i = 0; i < 500; ++i) {
        const QColor a = randomColor(random, 0, 256), b = randomColor(random, 0, 256);
        EXPECT_DOUBLE_EQ(contrastRatio(a, b), contrastRatio(b, a));
        EXPECT_GE(contrastRatio(a, b), 1.0);
        EXPECT_DOUBLE_EQ(contrastRatio(a, a), 1.0);
    }
}

TEST(SchemeColors, LightSchemesKeepTheStoredColours)
{
    QRandomGenerator random(7);
    for (int i = 0; i < 300; ++i) {
        const QPalette light = scheme(randomColor(random, 200, 256), randomColor(random, 220, 256),
                                      randomColor(random, 0, 60), randomColor(random, 100, 200));
        const std::uint32_t stored = random.bounded(0x1000000u);
        EXPECT_EQ(SchemeColors::background(light, stored), rgb(stored));
        for (const std::uint32_t seed : {0xFFFFFFu, 0x828CE6u, 0xAAB4E6u})
            EXPECT_EQ(SchemeColors::text(light, 0, rgb(seed)), QColor(Qt::black));
    }
}

TEST(SchemeColors, DarkSchemesUseBaseAndTextAndKeepEveryTextReadable)
{
    QRandomGenerator random(11);
    for (int i = 0; i < 300; ++i) {
        const QPalette dark = scheme(randomColor(random, 0, 90), randomColor(random, 0, 90),
                                     randomColor(random, 180, 256), randomColor(random, 40, 200));
        const QColor base = dark.color(QPalette::Base);
        EXPECT_EQ(SchemeColors::background(dark, 0xFFFFFF), base);
        const std::uint32_t stored = random.bounded(0x1000000u);
        const QColor background = SchemeColors::background(dark, stored);
        const QColor text = dark.color(QPalette::Text);
        if (contrastRatio(text, base) >= 4.5) // a tint of Base as dark as the scheme's text needs
            EXPECT_GE(contrastRatio(text, background), 4.5);
        for (const std::uint32_t ink : {0u, random.bounded(0x1000000u)})
            EXPECT_GE(contrastRatio(SchemeColors::text(dark, ink, background), background), 4.5);
        EXPECT_GE(contrastRatio(SchemeColors::disabledText(dark, background), background), 3.0);
        if (contrastRatio(text, background) >= 4.5)
            EXPECT_EQ(SchemeColors::text(dark, 0, background), text);
    }
}

class GridSchemeTest : public test::GridFixture {
protected:
    GridSchemeTest()
    {
        grid.setPalette(scheme(QColor(0x3d, 0x3d, 0x3d), QColor(0x3d, 0x3d, 0x3d), QColor(0xf0, 0xf0, 0xf0),
                               QColor(0x8a, 0x8a, 0x8a)));
        grid.insertRow("Tick", -1, kNoParent, 1);
        grid.setKind(1, 1, RowKind::CheckBox);
        grid.setCheckStyle(1, 1, 8);
        grid.setTicked(1, 1, true);
        grid.insertRow("Mode", -1, kNoParent, 2);
        grid.setKind(2, 1, RowKind::OptionList);
        grid.setOptions(2, 1, {"Stereo", "Left"});
        grid.insertRow("Other", -1, kNoParent, 3);
        grid.insertRow("Group", -1, kNoParent, 4);
        grid.setBackgroundColor(4, 0, 0x828CE6);
        grid.setEnabled(4, 0, false);
        grid.insertRow("Box", -1, kNoParent, 5);
        grid.setKind(5, 1, RowKind::CheckBox);
        grid.insertRow("Choice", -1, kNoParent, 6);
        grid.setKind(6, 1, RowKind::Radio);
        QApplication::processEvents();
    }

    QImage picture() { return grid.viewport()->grab().toImage(); }

    /// Pixels of the cell's `part` that stand out from `background` at 3:1,
    /// as a control's marks must.
    int markPixels(int rowId, QRect part, const QColor& background)
    {
        const QImage image = picture();
        int count = 0;
        const QRect area = part.translated(grid.cellRect(rowId, 1).topLeft()) & image.rect();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += contrastRatio(image.pixelColor(x, y), background) >= 3.0;
        return count;
    }

    QColor colorAt(int rowId, int column) { return picture().pixelColor(grid.cellRect(rowId, column).topLeft() + QPoint(2, 2)); }
};

TEST_F(GridSchemeTest, DefaultCellsDrawOnBaseAndMarksStandOut)
{
    const QColor base = grid.palette().color(QPalette::Base);
    EXPECT_EQ(colorAt(3, 1), base);
    const QRect cell = grid.cellRect(1, 1);
    EXPECT_GT(markPixels(1, QRect(0, 0, cell.height() + 8, cell.height()), base), 4);
    EXPECT_GT(markPixels(2, QRect(cell.width() - 20, 0, 20, cell.height()), base), 4);
    EXPECT_EQ(markPixels(3, QRect(0, 0, cell.width() - 2, cell.height() - 2), base), 0);
    // Clear boxes and radios keep a visible rim.
    const QRect mark(0, 0, cell.height() + 8, cell.height() - 2); // without the grid lines
    EXPECT_GT(markPixels(5, mark, base), 8);
    EXPECT_GT(markPixels(6, mark, base), 8);

    const CellColors group = GridPainter::cellColors(grid.palette(), *grid.cell(4, 0));
    EXPECT_EQ(colorAt(4, 0), group.background);
    EXPECT_GT(group.background.blue(), group.background.red()); // still the group's hue
    EXPECT_GE(contrastRatio(group.text, group.background), 3.0);
}

} // namespace
} // namespace vq
