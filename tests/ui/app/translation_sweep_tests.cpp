// A sweep of the German window for texts left in English: every text the
// catalogue translates must not show in its English form anywhere a user
// or a screen reader meets it (menus, tool tips, buttons, labels, tab and
// column headings, list cells, every pane row and option on every tab and
// settings category, and the dialogs of the Settings and Help menus).

#include <gtest/gtest.h>

#include <algorithm>

#include <optional>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTabBar>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "every_pane.h"
#include "support/installed_catalogue.h"
#include "ui/app/editor_application.h"
#include "ui/app/config/editor_config_dialog.h"
#include "ui/app/frame/main_frame.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/property_pane.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq::test {
namespace {

QString WithoutMarks(QString text) { return text.remove('&').trimmed(); }

// English texts of the catalogue whose German reads differently; patterns
// with placeholders are left out (they never show unfilled).
QSet<QString> TranslatedEnglishTexts() {
  QFile file(VQ_GERMAN_SOURCE);
  QSet<QString> texts;
  if (!file.open(QIODevice::ReadOnly)) return texts;
  QXmlStreamReader xml(&file);
  QString source;
  while (xml.readNextStartElement() || !xml.atEnd()) {
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"source") source = xml.readElementText();
    if (xml.name() == u"translation") {
      const QString german = xml.readElementText(QXmlStreamReader::IncludeChildElements);
      if (!source.contains('%') && WithoutMarks(german) != WithoutMarks(source))
        texts.insert(WithoutMarks(source));
    }
  }
  return texts;
}

class Sweep {
 public:
  explicit Sweep(QSet<QString> english) : english_(std::move(english)) {}

  void Add(const QString& where, const QString& text) {
    for (const QString& line : text.split('\n')) {
      const QString shown = WithoutMarks(line);
      if (english_.contains(shown)) found_.insert(where + ": \"" + shown + "\"");
    }
  }
  void AddAction(const QString& where, const QAction* action) {
    Add(where, action->text());
    Add(where + " tip", action->toolTip());
    Add(where + " status tip", action->statusTip());
    if (action->menu())
      for (const QAction* entry : action->menu()->actions())
        AddAction(where + " > " + entry->text(), entry);
  }
  void AddWidgets(const QWidget& top) {
    for (const QWidget* w : top.findChildren<QWidget*>()) {
      const QString where = w->metaObject()->className();
      Add(where + " name", w->accessibleName());
      Add(where + " description", w->accessibleDescription());
      Add(where + " tip", w->toolTip());
      Add(where + " title", w->windowTitle());
      if (const auto* label = qobject_cast<const QLabel*>(w)) Add("label", label->text());
      if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        Add("button", button->text());
      if (const auto* box = qobject_cast<const QGroupBox*>(w)) Add("group box", box->title());
      if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        Add("field hint", edit->placeholderText());
      if (const auto* tabs = qobject_cast<const QTabBar*>(w))
        for (int i = 0; i < tabs->count(); ++i) Add("tab", tabs->tabText(i));
      if (const auto* view = qobject_cast<const QAbstractItemView*>(w)) AddModel(*view->model());
      for (const QAction* action : w->actions()) AddAction(where + " action", action);
    }
  }
  void AddModel(const QAbstractItemModel& model) {
    for (int c = 0; c < model.columnCount(); ++c) {
      Add("heading", model.headerData(c, Qt::Horizontal).toString());
      for (int r = 0; r < std::min(model.rowCount(), 40); ++r) {
        Add("cell", model.index(r, c).data().toString());
        Add("cell tip", model.index(r, c).data(Qt::ToolTipRole).toString());
        Add("cell name", model.index(r, c).data(Qt::AccessibleTextRole).toString());
      }
    }
  }
  void AddGrid(const QString& where, const PropertyGrid& grid) {
    for (int row : grid.shownRows())
      for (int column = 0; column < grid.columnCount(); ++column) {
        Add(where + " row", grid.text(row, column));
        for (const QString& option : grid.options(row, column)) Add(where + " option", option);
      }
  }
  QStringList Found() const {
    QStringList found(found_.begin(), found_.end());
    found.sort();
    return found;
  }

 private:
  QSet<QString> english_;
  QSet<QString> found_;
};

// The texts of the catalogue the window shows in English, German or not.
QStringList EnglishTextsShown(bool german) {
  std::optional<InstalledCatalogue> catalogue;
  if (german && !catalogue.emplace(VQ_GERMAN_CATALOGUE).Installed())
    return {"the German catalogue did not load"};

  SmallFileWindow window;
  if (!window.Start()) return {"the window did not start"};
  CVQChannelEditorView& view = window.View();
  CMainFrame& frame = *window.App().Frame();

  view.OpenFind();  // the find bar's texts come with it
  Sweep sweep(TranslatedEnglishTexts());
  for (const QAction* menu : frame.menuBar()->actions()) sweep.AddAction("menu", menu);
  VisitEveryPane(view, 2, [&](int tab) {
    sweep.AddGrid(view.Tabs()->tabText(tab), *view.Pane());
    sweep.AddWidgets(frame);
  });
  const EditorConfigDialog configuration(EditorConfig{});
  sweep.AddWidgets(configuration);
  const AboutDialog about(QIcon{}, nullptr);
  sweep.AddWidgets(about);
  return sweep.Found();
}

TEST(TranslationSweep, TheGermanWindowShowsNoTranslatedTextInEnglish) {
  ASSERT_GT(TranslatedEnglishTexts().size(), 500) << VQ_GERMAN_SOURCE;
  const QStringList left = EnglishTextsShown(true);
  EXPECT_TRUE(left.isEmpty()) << left.join('\n').toStdString();
}

// The sweep itself reaches menus, tool tips, panes of every tab, settings
// categories, option lists and dialogs: in English it meets their texts.
TEST(TranslationSweep, ReachesEveryKindOfTextInTheEnglishWindow) {
  const QStringList shown = EnglishTextsShown(false);
  const QString all = shown.join('\n') + '\n';
  for (const char* expected :
       {"menu > Save &As...: \"Save As...\"\n", "tab: \"Transponders\"\n",
        "Satellites option: \"Vertical\"\n", "Settings row: \"Age limit\"\n",
        "Channels row: \"Audio PID\"\n", "heading: \"Description\"\n", "button: \"Cancel\"\n",
        "field hint: \"Name, frequency, service id or PID\"\n"})
    EXPECT_TRUE(all.contains(expected)) << expected << " in\n" << all.toStdString();
}

}  // namespace
}  // namespace vq::test
