// The editor window in a dark colour scheme: the side tables and the panes
// draw their default cells on the palette's Base, every text of every pane
// and settings category reads at the contrast floor, and a change of scheme
// while the window is shown repaints it. A light scheme keeps the colours
// the panes store exactly.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QPalette>
#include <QTemporaryDir>

#include "../view/view_fixture.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/grid/grid_painter.h"
#include "ui/grid/property_grid.h"
#include "ui/grid/scheme_colors.h"
#include "ui/panes/property_pane.h"
#include "ui/view/favorites_panel.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/settings_category_model.h"
#include "ui/view/statistics_panel.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq::test {
namespace {

// A dark scheme as dark desktop themes set it: light text on #3d3d3d, with
// a greyed text that itself reads poorly on the group rows' stored colours.
QPalette DarkPalette() {
  QPalette palette;
  for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
    palette.setColor(role, QColor(0x3d, 0x3d, 0x3d));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(role, QColor(0xf0, 0xf0, 0xf0));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, QColor(0x7a, 0x7a, 0x7a));
  palette.setColor(QPalette::Highlight, QColor(0x3a, 0x6e, 0xa5));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  return palette;
}

QPalette LightPalette() {
  QPalette palette;
  for (const auto role : {QPalette::Window, QPalette::Button})
    palette.setColor(role, QColor(0xef, 0xef, 0xef));
  palette.setColor(QPalette::Base, Qt::white);
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(role, Qt::black);
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, QColor(0xbe, 0xbe, 0xbe));
  return palette;
}

// The colour drawn near the top-left corner of a grid's cell.
QColor Drawn(PropertyGrid& grid, int row, int column) {
  const QImage picture = grid.viewport()->grab().toImage();
  return picture.pixelColor(grid.cellRect(row, column).topLeft() + QPoint(2, 2));
}

class SchemeWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    const QString file = dir_.filePath("small.bin");
    ASSERT_TRUE(WriteSettings(*MakeSmallDatabase(), file));
    ASSERT_TRUE(app_.Start({"vqchanneleditor", "--profile", dir_.filePath("e.ini"), file}));
    QApplication::processEvents();
  }
  void TearDown() override {
    app_.Exit();
    QApplication::setPalette(original_);
  }

  CVQChannelEditorView& View() { return *app_.Frame()->View(); }

  // Opens every pane (each tab's first rows, every settings category) with
  // its groups expanded and calls `visit` with a description.
  template <typename Visit>
  void VisitEveryPane(Visit visit) {
    for (int tab = 0; tab < 4; ++tab) {
      View().ShowTab(tab);
      RecordTableView& list = *View().Page(tab)->List();
      const int rows = tab == kTabSettings ? list.model()->rowCount() : std::min(list.model()->rowCount(), 2);
      for (int row = 0; row < rows; ++row) {
        list.SelectOnlyRow(row);
        View().Pane()->activateCell(PropertyPane::kShowHideRow, PropertyPane::kLabelColumn);
        visit(QStringLiteral("tab %1 row %2").arg(tab).arg(row));
      }
    }
  }

  const QPalette original_ = QApplication::palette();
  QTemporaryDir dir_;
  EditorApplication app_;
};

TEST_F(SchemeWindow, EveryTextOfEveryPaneReadsOnItsCell) {
  QApplication::setPalette(DarkPalette());
  QApplication::processEvents();
  const QColor base = DarkPalette().color(QPalette::Base);
  EXPECT_EQ(Drawn(*View().Statistics()->Grid(), 0, 1), base);
  EXPECT_EQ(Drawn(*View().Favorites()->Groups(), 0, 1), base);

  // Every settings category: the network one and the hidden one listed too.
  View().Statistics()->NetworkBox()->click();
  SettingsCategoryModel* categories = View().findChild<SettingsCategoryModel*>();
  ASSERT_NE(categories, nullptr);
  categories->AppendHidden();

  PropertyGrid& grid = *View().Pane();
  QStringList faults;
  int pairs = 0, greyed = 0, tinted = 0;
  VisitEveryPane([&](const QString& where) {
    for (const int row : grid.model().rowIds())
      for (const int column : {PropertyPane::kLabelColumn, PropertyPane::kValueColumn}) {
        const GridCell& cell = *grid.cell(row, column);
        const CellColors colors = GridPainter::cellColors(grid.palette(), cell);
        const bool enabled = cell.has(CellFlag::Enabled);
        const double floor = enabled ? SchemeColors::kTextContrast : SchemeColors::kDisabledContrast;
        const double contrast = SchemeColors::contrastRatio(colors.text, colors.background);
        ++pairs;
        greyed += !enabled;
        tinted += colors.background != base && !cell.has(CellFlag::Selected);
        if (contrast < floor)
          faults << QStringLiteral("%1: %2 reads at %3").arg(where, grid.text(row, 0)).arg(contrast, 0, 'f', 2);
        if (cell.backgroundColor == SchemeColors::kDefaultBackground && !cell.has(CellFlag::Selected) &&
            colors.background != base)
          faults << QStringLiteral("%1: %2 is not on Base").arg(where, grid.text(row, 0));
      }
  });
  EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
  EXPECT_EQ(View().Page(kTabSettings)->List()->model()->rowCount(), 10);
  EXPECT_GT(pairs, 400);
  EXPECT_GT(greyed, 10);  // the greyed group headers and disabled rows were met
  EXPECT_GT(tinted, 20);  // so were the group rows
}

TEST_F(SchemeWindow, ALightSchemeKeepsTheStoredColoursAndAChangeRepaints) {
  QApplication::setPalette(LightPalette());
  View().ShowTab(kTabChannels);
  PropertyGrid& grid = *View().Pane();
  grid.activateCell(PropertyPane::kShowHideRow, PropertyPane::kLabelColumn);
  QApplication::processEvents();
  int group = -1, subGroup = -1, plain = -1;
  for (const int row : grid.shownRows()) {
    const std::uint32_t stored = grid.cell(row, 0)->backgroundColor;
    if (stored == PropertyPane::kGroupColor && group < 0) group = row;
    if (stored == PropertyPane::kSubGroupColor && subGroup < 0) subGroup = row;
    if (stored == 0xFFFFFF && grid.cell(row, 1)->kind == RowKind::Number && plain < 0) plain = row;
  }
  ASSERT_GE(group, 0);
  ASSERT_GE(subGroup, 0);
  ASSERT_GE(plain, 0);
  EXPECT_EQ(Drawn(grid, group, 1), QColor(130, 140, 230));
  EXPECT_EQ(Drawn(grid, subGroup, 1), QColor(170, 180, 230));
  EXPECT_EQ(Drawn(grid, plain, 1), QColor(Qt::white));
  EXPECT_EQ(Drawn(*View().Statistics()->Grid(), 0, 1), QColor(Qt::white));

  // The scheme changes while the pane is shown.
  QApplication::setPalette(DarkPalette());
  QApplication::processEvents();
  EXPECT_EQ(Drawn(grid, plain, 1), DarkPalette().color(QPalette::Base));
  EXPECT_NE(Drawn(grid, group, 1), QColor(130, 140, 230));
  EXPECT_EQ(Drawn(*View().Statistics()->Grid(), 0, 1), DarkPalette().color(QPalette::Base));
  // The drop place of a channel drag, too.
  QWidget* marker = app_.Frame()->findChild<QWidget*>("Drop place");
  ASSERT_NE(marker, nullptr);
  marker->resize(8, 2);
  EXPECT_EQ(marker->grab().toImage().pixelColor(1, 1), DarkPalette().color(QPalette::Highlight));
}

}  // namespace
}  // namespace vq::test
