// The property panes' "Name" column in the window as first started: in
// English and German every row's label on every tab and settings category
// is shown whole; in a pane too narrow for that, a cut label shows its
// whole text as tooltip.

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <optional>

#include "every_pane.h"
#include "support/installed_catalogue.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/property_pane.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq::test {
namespace {

constexpr int kLabel = PropertyPane::kLabelColumn;

// The labels cut in the default window, as "tab N: label".
QStringList CutLabels(bool german) {
  std::optional<InstalledCatalogue> catalogue;
  if (german && !catalogue.emplace(VQ_GERMAN_CATALOGUE).Installed())
    return {"the German catalogue did not load"};
  SmallFileWindow window;
  if (!window.Start()) return {"the window did not start"};
  PropertyGrid& grid = *window.View().Pane();
  QStringList cut;
  int labels = 0;
  VisitEveryPane(window.View(), 2, [&](int tab) {
    for (const int row : grid.model().rowIds()) {
      ++labels;
      if (grid.contentWidth(row, kLabel) > grid.columnWidth(kLabel))
        cut << QStringLiteral("tab %1: %2").arg(tab).arg(grid.text(row, kLabel));
    }
  });
  if (labels < 200) cut << QStringLiteral("only %1 labels met").arg(labels);
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
  SmallFileWindow window;
  ASSERT_TRUE(window.Start());
  CVQChannelEditorView& view = window.View();
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
}

}  // namespace
}  // namespace vq::test
