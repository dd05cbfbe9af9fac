// Times editing commands through the real window, offscreen, on full PVR
// files, each including the refresh of the lists: Remove All of 8192
// channels, Move Down of one channel and of 4000 selected ones, Delete all
// empty transponders among 1500, and switching PVR -> FTA/CI with 8192 channels.

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "document/qt/vq_channel_editor_doc.h"
#include "editing/commands/prompter.h"
#include "support/database_builder.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/statistics_panel.h"
#include "ui/view/vq_channel_editor_view.h"

#include "window_bench_support.h"

namespace {

using vq::bench::Median;

using vq::kTv;

// 1500 transponders over 64 satellites; 8192 TV channels on the first
// `used` of them; every favourite group full.
bool WriteFull(const QString& path, int used) {
  auto db = vq::test::MakeDatabase(vq::kModelPvr);
  std::vector<vq::TransponderNode*> transponders;
  for (int i = 0; i < vq::kTransponderCapacity; ++i) {
    vq::TransponderNode* t = nullptr;
    db->AddTransponder(db->GetSatelliteNode(i % vq::kSatelliteCount), &t);
    transponders.push_back(t);
  }
  std::vector<vq::ChannelNode*> channels;
  for (int i = 0; i < vq::kChannelCapacityModel1; ++i) {
    vq::ChannelNode* c = nullptr;
    db->AddChannel(transponders[static_cast<size_t>(i % used)], kTv, &c);
    channels.push_back(c);
  }
  for (int g = 0; g < vq::kFavoriteGroupCount; ++g)
    db->AddListToFavoriteGroup({channels.begin() + g * 500, channels.begin() + g * 500 + 128}, g);
  return vq::bench::WriteSettingsFile(*db, path);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  QTemporaryDir dir;
  const QString full = dir.filePath("full.bin");
  const QString sparse = dir.filePath("sparse.bin");
  if (!WriteFull(full, vq::kTransponderCapacity) || !WriteFull(sparse, 100)) return 1;

  vq::EditorApplication app;
  if (!app.Start({"vqchanneleditor", "--profile", dir.filePath("bench.ini")})) return 1;
  vq::CVQChannelEditorDoc& doc = *app.Document();
  vq::CMainFrame& frame = *app.Frame();
  vq::CVQChannelEditorView& view = *frame.View();
  vq::bench::AnsweringUser yes(true);  // Yes, so the model switch runs
  view.SetPrompter(&yes);
  vq::RecordTableView* channels = view.Page(vq::kTabChannels)->List();

  // Opens `path` afresh, prepares, then times `command` with the refresh.
  auto time = [&](const QString& path, const std::function<void()>& prepare,
                  const std::function<void()>& command) {
    std::vector<double> runs;
    for (int run = 0; run < 9; ++run) {
      doc.SetModifiedFlag(false);
      doc.NewDocument();
      doc.OpenDocument(path);
      prepare();
      QApplication::processEvents();
      QElapsedTimer timer;
      timer.start();
      command();
      QApplication::processEvents();
      runs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return Median(runs);
  };
  auto click = [&](int tab, vq::ListButton id) { view.Page(tab)->Button(id)->click(); };

  const double removeAll = time(
      full, [&] { view.ShowTab(vq::kTabChannels); },
      [&] { click(vq::kTabChannels, vq::ListButton::kRemoveAll); });
  const int leftAfterRemove = view.Channels()->rowCount();
  const double moveDown = time(
      full,
      [&] {
        std::vector<int> rows;
        for (int r = 0; r < 4000; ++r) rows.push_back(r * 2);
        channels->SelectRows(rows);
      },
      [&] { click(vq::kTabChannels, vq::ListButton::kMoveDown); });
  const double moveOne = time(
      full, [&] { channels->SelectRows({4000}); },
      [&] { click(vq::kTabChannels, vq::ListButton::kMoveDown); });
  const double emptyTransponders = time(
      sparse, [] {}, [&] { frame.Actions().deleteEmptyTransponders->trigger(); });
  const double modelSwitch = time(
      full, [] {}, [&] { view.Statistics()->FtaButton()->click(); });
  const int channelsAfterSwitch = doc.Database().CountChannels(vq::kAllTypes);

  std::printf("Remove All, 8192 channels:            %8.1f ms median (%d rows left)\n", removeAll,
              leftAfterRemove);
  std::printf("Move Down, 4000 of 8192 selected:     %8.1f ms median\n", moveDown);
  std::printf("Move Down, one channel of 8192:       %8.1f ms median\n", moveOne);
  std::printf("Delete all empty transponders (1400): %8.1f ms median\n", emptyTransponders);
  std::printf("PVR -> FTA/CI, 8192 channels:         %8.1f ms median (%d kept)\n", modelSwitch,
              channelsAfterSwitch);
  return 0;
}
