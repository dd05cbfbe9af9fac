// The side tables of the main view (statistics, favourite groups) with a
// larger desktop font, in English and German: every text shows whole, at
// start and after the font grows further while the window is shown.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <optional>

#include "../view/view_fixture.h"
#include "support/installed_catalogue.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/grid/property_grid.h"
#include "ui/view/favorites_panel.h"
#include "ui/view/statistics_panel.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq::test {
namespace {

// The cells of `grid` that do not show whole, as "name: text"; a table
// narrower than its columns cuts them too.
QStringList CutCells(const PropertyGrid& grid, const QString& name) {
  QStringList cut;
  int columns = 2 * grid.frameWidth();
  for (int column = 0; column < grid.columnCount(); ++column) {
    columns += grid.columnWidth(column);
    for (const int row : grid.shownRows())
      if (grid.contentWidth(row, column) > grid.columnWidth(column))
        cut << name + ": " + grid.text(row, column);
  }
  if (grid.width() < columns) cut << QStringLiteral("%1 is %2 wide of %3").arg(name).arg(grid.width()).arg(columns);
  return cut;
}

QStringList CutSideCells(CVQChannelEditorView& view) {
  return CutCells(*view.Statistics()->Grid(), "statistics") + CutCells(*view.Favorites()->Groups(), "groups");
}

class SideTables : public ::testing::TestWithParam<bool> {
 protected:
  void TearDown() override { QApplication::setFont(font_); }
  const QFont font_ = QApplication::font();
};

TEST_P(SideTables, ShowEveryTextWholeInALargerFont) {
  std::optional<InstalledCatalogue> catalogue;
  if (GetParam()) ASSERT_TRUE(catalogue.emplace(VQ_GERMAN_CATALOGUE).Installed());
  QFont larger = font_;
  larger.setPointSizeF(font_.pointSizeF() * 1.4);
  QApplication::setFont(larger);
  QTemporaryDir dir;
  const QString file = dir.filePath("small.bin");
  ASSERT_TRUE(WriteSettings(*MakeSmallDatabase(), file));
  EditorApplication app;
  ASSERT_TRUE(app.Start({"vqchanneleditor", "--profile", dir.filePath("e.ini"), file}));
  QApplication::processEvents();
  CVQChannelEditorView& view = *app.Frame()->View();
  QStringList cut = CutSideCells(view);
  EXPECT_TRUE(cut.isEmpty()) << cut.join('\n').toStdString();

  larger.setPointSizeF(font_.pointSizeF() * 1.8);
  QApplication::setFont(larger);
  QApplication::processEvents();
  cut = CutSideCells(view);
  EXPECT_TRUE(cut.isEmpty()) << "after the font grew:\n" << cut.join('\n').toStdString();
  app.Exit();
}

INSTANTIATE_TEST_SUITE_P(Languages, SideTables, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "German" : "English"; });

}  // namespace
}  // namespace vq::test
