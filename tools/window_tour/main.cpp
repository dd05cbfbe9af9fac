// window_tour SETTINGS.bin OUTDIR [--profile EDITOR.ini]
//
// Starts the editor window on a settings file as the program does (the
// user's language, the platform's font and scale), then shows each tab with
// its first record's pane fully expanded (every settings category on the
// Settings tab) and saves a picture of the window for each as
// OUTDIR/<tab>[-<category>].png. Prints the files it wrote.

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include "ui/app/editor_application.h"
#include "ui/app/main_frame.h"
#include "ui/app/user_language.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/property_pane.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/vq_channel_editor_view.h"

namespace {

constexpr const char* kTabNames[] = {"channels", "transponders", "satellites", "settings"};

bool Save(QWidget& window, const QString& path, QTextStream& out) {
  QApplication::processEvents();
  if (!window.grab().save(path, "PNG")) return false;
  out << path << '\n';
  return true;
}

int Tour(vq::CMainFrame& frame, const QString& outDir) {
  QTextStream out(stdout);
  vq::CVQChannelEditorView& view = *frame.View();
  vq::PropertyGrid& grid = *view.Pane();
  for (int tab = 0; tab < 4; ++tab) {
    view.ShowTab(tab);
    vq::RecordTableView& list = *view.Page(tab)->List();
    const int rows = tab == vq::kTabSettings ? list.model()->rowCount()
                                             : std::min(list.model()->rowCount(), 1);
    for (int row = 0; row < rows; ++row) {
      list.SelectOnlyRow(row);
      grid.activateCell(vq::PropertyPane::kShowHideRow, vq::PropertyPane::kLabelColumn);
      const QString name = tab == vq::kTabSettings
                               ? QStringLiteral("%1-%2").arg(kTabNames[tab]).arg(row + 1, 2, 10, QChar('0'))
                               : QString::fromLatin1(kTabNames[tab]);
      if (!Save(frame, QDir(outDir).filePath(name + ".png"), out)) return 1;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication qt(argc, argv);
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() < 3) {
    QTextStream(stderr) << "usage: window_tour SETTINGS.bin OUTDIR [--profile EDITOR.ini]\n";
    return 2;
  }
  QDir().mkpath(arguments[2]);
  const vq::UserLanguage language{QLocale()};
  // A profile of its own unless one is given: the pictures show the window
  // as it first starts.
  QTemporaryDir scratch;
  QStringList start{arguments[0], arguments[1]};
  start << (arguments.size() > 4 && arguments[3] == "--profile"
                ? QStringList{"--profile", arguments[4]}
                : QStringList{"--profile", scratch.filePath("editor.ini")});
  vq::EditorApplication application;
  if (!application.Start(start)) return 1;
  int result = 1;
  QTimer::singleShot(300, [&] {
    result = Tour(*application.Frame(), arguments[2]);
    QApplication::quit();
  });
  QApplication::exec();
  application.Exit();
  return result;
}
