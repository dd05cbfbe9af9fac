// window_tour SETTINGS.bin OUTDIR [--profile EDITOR.ini] [--scheme light|dark]
//
// Starts the editor window on a settings file as the program does (the
// user's language, the platform's font and scale), then shows each tab with
// its first record's pane fully expanded (every settings category on the
// Settings tab) and saves a picture of the window for each as
// OUTDIR/<tab>[-<category>].png. Prints the files it wrote. With --scheme
// the window takes the Fusion style with its light palette, or a dark one
// as dark desktop themes set it.

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPalette>
#include <QPixmap>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
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
  if (!window.grab().save(path, "PNG", 0)) return false;  // smallest file
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

// A dark palette as dark desktop themes set it for Qt programs.
QPalette DarkPalette() {
  QPalette palette;
  const auto set = [&palette](std::initializer_list<QPalette::ColorRole> roles, QRgb rgb) {
    for (const QPalette::ColorRole role : roles) palette.setColor(role, QColor(rgb));
  };
  set({QPalette::Window, QPalette::Button}, 0x3d3d3d);
  set({QPalette::Base}, 0x2f2f2f);
  set({QPalette::AlternateBase}, 0x383838);
  set({QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText,
       QPalette::BrightText},
      0xf0f0f0);
  set({QPalette::ToolTipBase}, 0x2a2a2a);
  set({QPalette::Light}, 0x555555);
  set({QPalette::Midlight}, 0x4a4a4a);
  set({QPalette::Mid}, 0x2c2c2c);
  set({QPalette::Dark}, 0x232323);
  set({QPalette::Shadow}, 0x141414);
  set({QPalette::Highlight}, 0x3a6ea5);
  set({QPalette::HighlightedText}, 0xffffff);
  set({QPalette::Link}, 0x6aa9ff);
  set({QPalette::LinkVisited}, 0xb08ee6);
  set({QPalette::PlaceholderText}, 0xa0a0a0);
  for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, QColor(0x8c8c8c));
  return palette;
}

// The value after `option` in the arguments, or nothing.
QString OptionValue(const QStringList& arguments, const QString& option) {
  const qsizetype at = arguments.indexOf(option, 3);
  return at > 0 && at + 1 < arguments.size() ? arguments[at + 1] : QString();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication qt(argc, argv);
  const QStringList arguments = QApplication::arguments();
  const QString scheme = OptionValue(arguments, "--scheme");
  if (arguments.size() < 3 || !QStringList{"", "light", "dark"}.contains(scheme)) {
    QTextStream(stderr)
        << "usage: window_tour SETTINGS.bin OUTDIR [--profile EDITOR.ini] [--scheme light|dark]\n";
    return 2;
  }
  if (!scheme.isEmpty()) {
    QApplication::setStyle("Fusion");
    QApplication::setPalette(scheme == "dark" ? DarkPalette() : QApplication::style()->standardPalette());
  }
  QDir().mkpath(arguments[2]);
  const vq::UserLanguage language{QLocale()};
  // A profile of its own unless one is given: the pictures show the window
  // as it first starts.
  QTemporaryDir scratch;
  QStringList start{arguments[0], arguments[1]};
  const QString profile = OptionValue(arguments, "--profile");
  start << "--profile" << (profile.isEmpty() ? scratch.filePath("editor.ini") : profile);
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
