// Times the transponder and satellite panes in the real window, offscreen,
// on a PVR file of 1500 transponders over 64 satellites: committing an LNB
// change to all 64 satellites and a FEC change to all 1500 transponders
// through the pane's Save, including the list refresh and the pane rebuilt
// afterwards.

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>
#include <vector>

#include "editing/commands/prompter.h"
#include "support/database_builder.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/property_pane.h"
#include "ui/panes/satellite_pane.h"
#include "ui/panes/transponder_pane.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/vq_channel_editor_view.h"

#include "window_bench_support.h"

namespace {

using vq::bench::Median;
using vq::bench::Millis;

bool WriteDishFile(const QString& path) {
  auto db = vq::test::MakeDatabase(vq::kModelPvr);
  for (int t = 0; t < vq::kTransponderCapacity; ++t) {
    vq::TransponderNode* added = nullptr;
    if (!db->AddTransponder(db->GetSatelliteNode(t % vq::kSatelliteCount), &added)) return false;
    vq::ChannelNode* channel = nullptr;
    if (t % 3 == 0) db->AddChannel(added, vq::kTv, &channel);
  }
  return vq::bench::WriteSettingsFile(*db, path);
}

std::vector<int> AllRows(vq::RecordTableView* list) {
  std::vector<int> all(static_cast<size_t>(list->model()->rowCount()));
  std::iota(all.begin(), all.end(), 0);
  return all;
}

// Chooses option `index` of an option row, as the grid's drop-down does.
void ChooseOption(vq::PropertyGrid* grid, int row, int index) {
  if (!grid->editCell(row, vq::PropertyPane::kValueColumn)) return;
  for (QComboBox* combo : grid->viewport()->findChildren<QComboBox*>(Qt::FindDirectChildrenOnly))
    if (combo->isVisible()) {
      combo->setCurrentIndex(index);
      emit combo->activated(index);
      return;
    }
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  QTemporaryDir dir;
  const QString path = dir.filePath("dish.bin");
  if (!WriteDishFile(path)) return 1;

  vq::EditorApplication app;
  if (!app.Start({"vqchanneleditor", "--profile", dir.filePath("bench.ini"), path})) return 1;
  app.Config().ColapseAfterSelection = 0;
  vq::CVQChannelEditorView& view = *app.Frame()->View();
  vq::bench::AnsweringUser user(true);
  view.SetPrompter(&user);
  vq::PropertyGrid* grid = view.Pane();

  std::vector<double> lnb, fec;
  view.ShowTab(vq::kTabSatellites);
  vq::RecordTableView* satellites = view.Page(vq::kTabSatellites)->List();
  const std::vector<int> allSatellites = AllRows(satellites);
  for (int run = 0; run < 9; ++run) {
    satellites->SelectRows(allSatellites);
    grid->activateCell(vq::PropertyPane::kShowHideRow, 0);
    QApplication::processEvents();
    grid->activateCell(vq::satellite_rows::kOutput12v, 1);
    lnb.push_back(Millis([&] { grid->activateCell(vq::PropertyPane::kSaveDiscardRow, 0); }));
  }

  view.ShowTab(vq::kTabTransponders);
  vq::RecordTableView* transponders = view.Page(vq::kTabTransponders)->List();
  const std::vector<int> allTransponders = AllRows(transponders);
  for (int run = 0; run < 9; ++run) {
    transponders->SelectRows(allTransponders);
    grid->activateCell(vq::PropertyPane::kShowHideRow, 0);
    QApplication::processEvents();
    ChooseOption(grid, vq::transponder_rows::kFec, run % 6);
    fec.push_back(Millis([&] { grid->activateCell(vq::PropertyPane::kSaveDiscardRow, 0); }));
  }

  std::printf("Save an LNB change on %zu satellites, with refresh:     %6.2f ms median\n",
              allSatellites.size(), Median(lnb));
  std::printf("Save a FEC change on %zu transponders, with refresh:  %6.2f ms median\n",
              allTransponders.size(), Median(fec));
  return 0;
}
