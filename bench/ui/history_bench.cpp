// Times undo, redo and find through the real window, offscreen, on a full
// PVR file (8192 TV channels over 1500 transponders), each including the
// refresh of the lists: Remove All recorded as a step, its Undo and Redo,
// one single-channel Move Down recorded, a keystroke in the find bar, and
// the history's memory after 100 single-channel edits.

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "document/qt/vq_channel_editor_doc.h"
#include "support/database_builder.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/find_bar.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/vq_channel_editor_view.h"

#include "window_bench_support.h"

namespace {

using vq::bench::Median;
using vq::bench::Millis;

bool WriteFull(const QString& path) {
  auto db = vq::test::MakeDatabase(vq::kModelPvr);
  const std::vector<vq::TransponderNode*> transponders = vq::bench::AddAllTransponders(*db);
  vq::bench::AddAllTvChannels(*db, transponders, transponders.size());
  return vq::bench::WriteSettingsFile(*db, path);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  QTemporaryDir dir;
  const QString full = dir.filePath("full.bin");
  if (!WriteFull(full)) return 1;

  vq::EditorApplication app;
  if (!app.Start({"vqchanneleditor", "--profile", dir.filePath("bench.ini"), full})) return 1;
  vq::CVQChannelEditorDoc& doc = *app.Document();
  vq::CMainFrame& frame = *app.Frame();
  vq::CVQChannelEditorView& view = *frame.View();
  vq::RecordTableView* channels = view.Page(vq::kTabChannels)->List();
  QPushButton* removeAll = view.Page(vq::kTabChannels)->Button(vq::ListButton::kRemoveAll);
  QPushButton* moveDown = view.Page(vq::kTabChannels)->Button(vq::ListButton::kMoveDown);
  const vq::FrameActions& a = frame.Actions();

  std::vector<double> remove, undo, redo, move, find;
  for (int run = 0; run < 9; ++run) {
    remove.push_back(Millis([&] { removeAll->click(); }));
    undo.push_back(Millis([&] { a.undo->trigger(); }));
    redo.push_back(Millis([&] { a.redo->trigger(); }));
    a.undo->trigger();
  }
  const int rowsBack = view.Channels()->rowCount();

  doc.History().Clear();
  const size_t before = doc.History().MemoryUsed();
  for (int edit = 0; edit < 100; ++edit) {
    channels->SelectOnlyRow(edit * 50);
    move.push_back(Millis([&] { moveDown->click(); }));
  }
  const size_t grown = doc.History().MemoryUsed() - before;

  a.find->trigger();
  QLineEdit* field = view.Find()->Field();
  const QString text = "channel 81";
  for (int run = 0; run < 9; ++run) {
    field->clear();
    channels->SelectOnlyRow(0);
    for (const QChar c : text) find.push_back(Millis([&] { QTest::keyClicks(field, QString(c)); }));
  }

  std::printf("Remove All of 8192, recorded:         %8.2f ms median\n", Median(remove));
  std::printf("Undo of Remove All, with refresh:     %8.2f ms median (%d rows back)\n",
              Median(undo), rowsBack);
  std::printf("Redo of Remove All, with refresh:     %8.2f ms median\n", Median(redo));
  std::printf("Move Down of one channel, recorded:   %8.2f ms median\n", Median(move));
  std::printf("100 single-channel edits cost:        %8.1f KB of history\n",
              static_cast<double>(grown) / 1024.0);
  std::printf("Find, one keystroke over 8192 rows:   %8.2f ms median (%s)\n", Median(find),
              qPrintable(view.Find()->Result()));
  return 0;
}
