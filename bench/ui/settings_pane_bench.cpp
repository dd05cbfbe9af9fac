// Times building the receiver settings pane's largest category, the eight
// timers with every timer defined and expanded, in the real window
// (offscreen, painting included).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabBar>
#include <QTemporaryDir>

#include "document/qt/vq_channel_editor_doc.h"
#include "editing/settings/settings_categories.h"
#include "editing/settings/settings_values.h"
#include "support/database_builder.h"
#include "ui/app/editor_application.h"
#include "ui/app/config/editor_config.h"
#include "ui/app/frame/main_frame.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/pane_host.h"
#include "ui/view/vq_channel_editor_view.h"
#include "window_bench_support.h"

namespace {

QTemporaryDir* gDir = nullptr;

// A PVR file whose eight timers are defined (each mode in turn) and name
// channels, so every timer row is enabled and shows a name.
QString WriteTimerFile() {
  auto db = vq::test::MakeDatabase(vq::kModelPvr);
  auto channels =
      vq::test::AddChannels(*db, vq::test::AddTransponders(*db, 0, 1).front(), vq::kTv, 20);
  vq::ReceiverConfig config = db->GetConfigRecord();
  for (int t = 0; t < vq::ReceiverConfig::kTimerCount; ++t) {
    config.SetTimerMode(t, static_cast<uint32_t>(1 + t % 5));
    config.SetTimerStartDate(t, 2027, 1 + t, 10 + t);
    config.SetTimerChannel(t, channels[static_cast<size_t>(t)]->GetTableIndex());
    config.SetTimerDuration(t, static_cast<uint16_t>(30 * t));
  }
  const QString path = gDir->filePath("timers.bin");
  return vq::bench::WriteSettingsFile(*db, path) ? path : QString();
}

void ExpandEveryTimer(vq::EditorConfig& c) {
  for (std::int32_t* flag :
       {&c.ExpandSettTimer1, &c.ExpandSettTimer2, &c.ExpandSettTimer3, &c.ExpandSettTimer4,
        &c.ExpandSettTimer5, &c.ExpandSettTimer6, &c.ExpandSettTimer7, &c.ExpandSettTimer8})
    *flag = 1;
  c.CurrentSettingsItem = vq::kSettingsTimer;
}

void BM_BuildTimerCategoryInTheWindow(benchmark::State& state) {
  vq::EditorApplication app;
  const QString path = WriteTimerFile();
  if (path.isEmpty() ||
      !app.Start({"vqchanneleditor", "--profile", gDir->filePath("bench.ini"), path})) {
    state.SkipWithError("the editor did not start");
    return;
  }
  app.Frame()->resize(1280, 800);
  app.Frame()->show();
  ExpandEveryTimer(app.Config());
  vq::CVQChannelEditorView* view = app.Frame()->View();
  view->Tabs()->setCurrentIndex(vq::kTabSettings);
  QApplication::processEvents();
  for (auto _ : state) {
    view->Panes()->ShowForCurrentTab();
    view->Pane()->repaint();
  }
  state.counters["rows"] = static_cast<double>(view->Pane()->shownRows().size());
}
BENCHMARK(BM_BuildTimerCategoryInTheWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  QTemporaryDir dir;
  gDir = &dir;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
