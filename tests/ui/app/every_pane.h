#pragma once
// The editor window started on a small settings file, and a walk over the
// panes a user can open in it: each tab's first records and every settings
// category, with every group expanded.

#include <QApplication>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>

#include "../view/view_fixture.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/property_pane.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq::test {

class SmallFileWindow {
 public:
  /// Starts the window with a profile of its own, as at first start.
  bool Start() {
    const QString file = dir_.filePath("small.bin");
    if (!dir_.isValid() || !WriteSettings(*MakeSmallDatabase(), file) ||
        !app_.Start({"vqchanneleditor", "--profile", dir_.filePath("e.ini"), file}))
      return false;
    QApplication::processEvents();
    return true;
  }
  ~SmallFileWindow() { app_.Exit(); }

  EditorApplication& App() { return app_; }
  CVQChannelEditorView& View() { return *app_.Frame()->View(); }

 private:
  QTemporaryDir dir_;
  EditorApplication app_;
};

/// Opens each pane in turn and calls `visit(tab)` with it shown; `rowsPerList`
/// records of the record lists, every settings category.
template <typename Visit>
void VisitEveryPane(CVQChannelEditorView& view, int rowsPerList, Visit visit) {
  PropertyGrid& grid = *view.Pane();
  for (int tab = 0; tab < view.Tabs()->count(); ++tab) {
    view.ShowTab(tab);
    RecordTableView& list = *view.Page(tab)->List();
    const int rows = tab == kTabSettings ? list.model()->rowCount()
                                         : std::min(list.model()->rowCount(), rowsPerList);
    for (int row = 0; row < rows; ++row) {
      list.SelectOnlyRow(row);
      grid.activateCell(PropertyPane::kShowHideRow, PropertyPane::kLabelColumn);  // Show All
      visit(tab);
    }
  }
}

}  // namespace vq::test
