// Times the editor window on a full PVR file (8192 channels, 1500
// transponders), offscreen: opening until every list is filled, switching
// tabs and selectors, and the peak memory of the whole program.

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "document/qt/vq_channel_editor_doc.h"
#include "support/full_database.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/list_state.h"
#include "ui/view/vq_channel_editor_view.h"

#include "window_bench_support.h"

namespace {

using vq::bench::Median;

long PeakKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

template <class Work>
double Millis(Work work) {
  QElapsedTimer timer;
  timer.start();
  work();
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  QTemporaryDir dir;
  const QString path = dir.filePath("full.bin");
  {
    auto db = vq::test::MakeFullDatabase();
    if (!vq::bench::WriteSettingsFile(*db, path)) return 1;
  }
  vq::EditorApplication app;
  if (!app.Start({"vqchanneleditor", "--profile", dir.filePath("bench.ini"), path})) return 1;
  QApplication::processEvents();
  vq::CVQChannelEditorDoc& doc = *app.Document();
  vq::CVQChannelEditorView& view = *app.Frame()->View();

  std::vector<double> open, tabs, selectors;
  for (int run = 0; run < 15; ++run) {
    doc.NewDocument();
    QApplication::processEvents();
    open.push_back(Millis([&] { doc.OpenDocument(path); }));
    QApplication::processEvents();
    for (int tab : {1, 2, 3, 0})
      tabs.push_back(Millis([&] {
        view.ShowTab(tab);
        QApplication::processEvents();
      }));
    for (int source : {int{vq::kSourceFree}, vq::kSourceSatellite + 3, vq::kSourceFavorites + 1,
                       int{vq::kSourceAll}})
      selectors.push_back(Millis([&] {
        view.SetChannelListSource(source);
        QApplication::processEvents();
      }));
    selectors.push_back(Millis([&] {
      view.SetTransponderListSatellite(run % 2 ? 0 : 5);
      QApplication::processEvents();
    }));
  }
  std::printf("channels listed: %d\n", view.Channels()->rowCount());
  std::printf("open full PVR file until lists filled: median %.1f ms (max %.1f)\n", Median(open),
              *std::max_element(open.begin(), open.end()));
  std::printf("switch tab: median %.1f ms (max %.1f)\n", Median(tabs),
              *std::max_element(tabs.begin(), tabs.end()));
  std::printf("switch selector: median %.1f ms (max %.1f)\n", Median(selectors),
              *std::max_element(selectors.begin(), selectors.end()));
  std::printf("peak memory (VmHWM): %.1f MB\n", PeakKilobytes() / 1024.0);
  app.Exit();
  return 0;
}
