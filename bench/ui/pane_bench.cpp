// Times the channel pane in the real window, offscreen, on a PVR file of
// 8192 TV channels: building the pane for one channel and for all of them
// with every group expanded, and committing "Locked" on 8192 selected
// channels through the pane's Save, including the list refresh and the
// pane rebuilt afterwards.

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>
#include <vector>

#include "document/qt/vq_channel_editor_doc.h"
#include "editing/commands/prompter.h"
#include "support/database_builder.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/channel_pane_rows.h"
#include "ui/panes/pane_host.h"
#include "ui/panes/property_pane.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/vq_channel_editor_view.h"

#include "window_bench_support.h"

namespace {

using vq::bench::Median;
using vq::bench::Millis;

bool WriteTvFile(const QString& path) {
  auto db = vq::test::MakeDatabase(vq::kModelPvr);
  const std::vector<vq::TransponderNode*> transponders = vq::test::AddTransponders(*db, 0, 1500);
  for (int i = 0; i < vq::kChannelCapacityModel1; ++i) {
    vq::ChannelNode* c = nullptr;
    db->AddChannel(transponders[static_cast<size_t>(i) % transponders.size()], vq::kTv, &c);
  }
  return vq::bench::WriteSettingsFile(*db, path);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  QTemporaryDir dir;
  const QString path = dir.filePath("tv.bin");
  if (!WriteTvFile(path)) return 1;

  vq::EditorApplication app;
  if (!app.Start({"vqchanneleditor", "--profile", dir.filePath("bench.ini"), path})) return 1;
  vq::EditorConfig& config = app.Config();
  for (int32_t* flag :
       {&config.ExpandChanGeneral, &config.ExpandChanIDs, &config.ExpandChanAudio,
        &config.ExpandChanAudioTrack1, &config.ExpandChanAudioTrack2, &config.ExpandChanAudioTrack3,
        &config.ExpandChanAudioTrack4, &config.ExpandChanAudioTrack5, &config.ExpandChanAudioTrack6,
        &config.ExpandChanAudioAC3Track, &config.ExpandChanFavorites, &config.ExpandChanTransponder,
        &config.ExpandChanSatellite})
    *flag = 1;
  vq::CVQChannelEditorView& view = *app.Frame()->View();
  vq::bench::AnsweringUser user(true);
  view.SetPrompter(&user);
  vq::RecordTableView* list = view.Page(vq::kTabChannels)->List();
  vq::PropertyGrid* grid = view.Pane();
  std::vector<int> all(static_cast<size_t>(list->model()->rowCount()));
  std::iota(all.begin(), all.end(), 0);

  std::vector<double> one, many, locked;
  list->SelectOnlyRow(100);
  for (int run = 0; run < 15; ++run)
    one.push_back(Millis([&] { view.Panes()->ShowForCurrentTab(); }));
  const size_t shownRows = grid->shownRows().size();
  list->SelectRows(all);
  for (int run = 0; run < 9; ++run)
    many.push_back(Millis([&] { view.Panes()->ShowForCurrentTab(); }));
  for (int run = 0; run < 9; ++run) {
    list->SelectRows(all);
    QApplication::processEvents();
    grid->activateCell(vq::channel_rows::kLocked, 1);
    locked.push_back(Millis([&] { grid->activateCell(vq::PropertyPane::kSaveDiscardRow, 0); }));
  }

  std::printf("Channel pane, one channel, all groups open (%zu rows): %6.2f ms median\n", shownRows,
              Median(one));
  std::printf("Channel pane, %zu channels, all groups open:          %6.2f ms median\n", all.size(),
              Median(many));
  std::printf("Save \"Locked\" on %zu channels, with refresh:         %6.2f ms median\n",
              all.size(), Median(locked));
  return 0;
}
