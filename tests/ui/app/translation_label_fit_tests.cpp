// The property panes' "Name" column in the window as first started: in
// English and German every row's label on every tab and settings category is shown whole; in a
// pane too narrow for that, a cut label shows its whole text as tooltip.

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <optional>

#include "../view/view_fixture.h"
#include "support/installed_catalogue.h"
#include "ui/app/editor_application.h"
#include "ui/app/main_frame.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/property_pane.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq::test {
namespace {

constexpr int kLabel = PropertyPane::kLabelColumn;

// Opens every pane of the window (each tab's first rows, every settings
// category) with all groups expanded and calls `visit` with a description.
template <typename Visit>
void VisitEveryPane(CVQChannelEditorView& view, Visit visit) {
  PropertyGrid& grid = *view.Pane();
  for (int tab = 0; tab < 4; ++tab) {
    view.ShowTab(tab);
    RecordTableView& list = *view.Page(tab)->List();
    const int rows =
        tab == kTabSettings ? list.model()->rowCount() : std::min(list.model()->rowCount(), 2);
    for (int row = 0; row < rows; ++row) {
      list.SelectOnlyRow(row);
      grid.activateCell(PropertyPane::kShowHideRow, kLabel);  // Show All
      visit(QStringLiteral("tab %1 row %2").arg(tab).arg(row));
    }
  }
}

// The labels cut in the default window, as "where: label".
QStringList CutLabels(bool german) {
  std::optional<InstalledCatalogue> catalogue;
  if (german && !catalogue.emplace(VQ_GERMAN_CATALOGUE).Installed())
    return {"the German catalogue did not load"};
  QTemporaryDir dir;
  const QString file = dir.filePath("small.bin");
  EditorApplication app;
  if (!dir.isValid() || !WriteSettings(*MakeSmallDatabase(), file) ||
      !app.Start({"vqchanneleditor", "--profile", dir.filePath("e.ini"), file}))
    return {"the window did not start"};
  QApplication::processEvents();
  CVQChannelEditorView& view = *app.Frame()->View();
  PropertyGrid& grid = *view.Pane();
  QStringList cut;
  int labels = 0;
  VisitEveryPane(view, [&](const QString& where) {
    for (const int row : grid.model().rowIds()) {
      ++labels;
      if (grid.contentWidth(row, kLabel) > grid.columnWidth(kLabel))
        cut << where + ": " + grid.text(row, kLabel);
    }
  });
  if (labels < 200) cut << QStringLiteral("only %1 labels met").arg(labels);
  app.Exit();
  return cut;
}

TEST(PaneLabelColumn, EveryLabelIsWholeInTheDefaultWindow) {
  for (const bool german : {false, true}) {
    const QStringList cut = CutLabels(german);
    EXPECT_TRUE(cut.isEmpty()) << (german ? "German" : "English") << ":\n"
                               << cut.join('\n').toStdString();
  }
}

TEST(PaneLabelColumn, ANarrowPaneCutsLabelsAndShowsThemAsTooltips) {
  QTemporaryDir dir;
  const QString file = dir.filePath("small.bin");
  ASSERT_TRUE(WriteSettings(*MakeSmallDatabase(), file));
  EditorApplication app;
  ASSERT_TRUE(app.Start({"vqchanneleditor", "--profile", dir.filePath("e.ini"), file}));
  CVQChannelEditorView& view = *app.Frame()->View();
  PropertyGrid& grid = *view.Pane();
  view.SetPaneWidth(grid.minimumWidth());
  QApplication::processEvents();
  // The settings categories with the widest labels, until one is cut.
  view.ShowTab(kTabSettings);
  RecordTableView& categories = *view.Page(kTabSettings)->List();
  int cutRow = -1;
  for (int category = 0; cutRow < 0 && category < categories.model()->rowCount(); ++category) {
    categories.SelectOnlyRow(category);
    grid.activateCell(PropertyPane::kShowHideRow, kLabel);
    for (const int row : grid.shownRows())
      if (grid.contentWidth(row, kLabel) > grid.columnWidth(kLabel)) cutRow = row;
  }
  ASSERT_GE(cutRow, 0) << "a pane at its minimum width cuts a label";
  // The label column takes at most its share of the pane; the value column
  // keeps the rest.
  EXPECT_LE(grid.columnWidth(kLabel), grid.width() * 0.55);
  EXPECT_GE(grid.columnWidth(PropertyPane::kValueColumn), grid.width() * 0.35);

  const QRect cell = grid.cellRect(cutRow, kLabel);
  QHelpEvent help(QEvent::ToolTip, cell.center(), grid.viewport()->mapToGlobal(cell.center()));
  QApplication::sendEvent(grid.viewport(), &help);
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_TRUE(QToolTip::text().contains(grid.text(cutRow, kLabel).toHtmlEscaped()))
      << QToolTip::text().toStdString();
  QToolTip::hideText();
  ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));

  // A whole label has no tooltip.
  const int whole = grid.shownRows().front();
  ASSERT_LE(grid.contentWidth(whole, kLabel), grid.columnWidth(kLabel));
  const QRect wholeCell = grid.cellRect(whole, kLabel);
  QHelpEvent quiet(QEvent::ToolTip, wholeCell.center(),
                   grid.viewport()->mapToGlobal(wholeCell.center()));
  QApplication::sendEvent(grid.viewport(), &quiet);
  EXPECT_FALSE(QToolTip::isVisible());

  // The width the user chose is what the profile keeps.
  EXPECT_EQ(view.PaneWidth(), grid.width());
  app.Exit();
}

}  // namespace
}  // namespace vq::test
