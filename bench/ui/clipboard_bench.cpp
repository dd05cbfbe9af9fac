// Times copying 8192 TV channels of a full PVR file and pasting them into an
// empty PVR file, through the real window's Copy and Paste commands offscreen
// and the desktop clipboard, each including the refresh of the lists and the
// enabled states that follow the clipboard change. The paste creates the
// missing transponders ("Create transponder"), as a user filling an empty
// file does.

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "document/qt/vq_channel_editor_doc.h"
#include "editing/commands/prompter.h"
#include "support/database_builder.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/vq_channel_editor_view.h"

#include "window_bench_support.h"

namespace {

using vq::bench::Median;

// A PVR file with 8192 TV channels over 1500 transponders (`full`), or
// with the default satellites alone.
bool WriteFile(const QString& path, bool full) {
  auto db = vq::test::MakeDatabase(vq::kModelPvr);
  if (full) {
    const std::vector<vq::TransponderNode*> transponders = vq::bench::AddAllTransponders(*db);
    vq::bench::AddAllTvChannels(*db, transponders, transponders.size());
  }
  return vq::bench::WriteSettingsFile(*db, path);
}

struct Timing {
  double wallMs;
  double cpuMs;  // this process's processor time: what a shared machine does not inflate
};

Timing Elapsed(const std::function<void()>& work) {
  QElapsedTimer timer;
  const std::clock_t cpu = std::clock();
  timer.start();
  work();
  QApplication::processEvents();
  return {static_cast<double>(timer.nsecsElapsed()) / 1e6,
          static_cast<double>(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC};
}

// "wall (processor) ms" medians of the runs.
std::string Medians(const std::vector<Timing>& runs) {
  std::vector<double> wall, cpu;
  for (const Timing& t : runs) {
    wall.push_back(t.wallMs);
    cpu.push_back(t.cpuMs);
  }
  char text[64];
  std::snprintf(text, sizeof text, "%8.1f ms (%6.1f ms processor)", Median(wall), Median(cpu));
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  QTemporaryDir dir;
  const QString full = dir.filePath("full.bin");
  const QString empty = dir.filePath("empty.bin");
  if (!WriteFile(full, true) || !WriteFile(empty, false)) return 1;

  vq::EditorApplication app;
  if (!app.Start({"vqchanneleditor", "--profile", dir.filePath("bench.ini")})) return 1;
  vq::CVQChannelEditorDoc& doc = *app.Document();
  vq::CVQChannelEditorView& view = *app.Frame()->View();
  vq::bench::AnsweringUser prompter(false);
  view.SetPrompter(&prompter);
  app.Config().ChanPastingModeNoTp = 3;
  const vq::FrameActions& actions = app.Frame()->Actions();

  std::vector<Timing> copies, pastes;
  doc.OpenDocument(full);
  view.ShowTab(vq::kTabChannels);
  std::vector<int> all(static_cast<size_t>(view.Channels()->rowCount()));
  for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
  view.Page(vq::kTabChannels)->List()->SelectRows(all);
  QApplication::processEvents();
  for (int run = 0; run < 7; ++run) copies.push_back(Elapsed([&] { actions.copy->trigger(); }));

  int pasted = 0;
  for (int run = 0; run < 7; ++run) {
    doc.SetModifiedFlag(false);
    doc.NewDocument();  // so the empty file is read again
    doc.OpenDocument(empty);
    view.ShowTab(vq::kTabChannels);
    QApplication::processEvents();
    if (!actions.paste->isEnabled()) return 1;
    pastes.push_back(Elapsed([&] { actions.paste->trigger(); }));
    pasted = doc.Database().CountChannels(vq::kTv);
  }
  std::printf("Copy 8192 TV channels:             %s median\n", Medians(copies).c_str());
  std::printf("Paste them into an empty PVR file: %s median (%d channels, %d rows)\n",
              Medians(pastes).c_str(), pasted, view.Channels()->rowCount());
  return 0;
}
