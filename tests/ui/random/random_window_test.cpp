// Random user sessions through the real editor window (frame and view,
// offscreen): tabs, selectors, sorting, selections, every button, context
// menu entry and special action, the favourites panel, the model buttons,
// drag and drop, the imports and exports of channel lists, copy, cut,
// paste and apply over a clipboard that the window and (with random bytes)
// another program fill, undo and redo, and find, with every question, file
// and selection dialog answered at random. After every action the window
// must agree with the database, the clipboard commands' states with the
// clipboard, Undo, Redo and Save with the history and the pane's edit, and
// whenever the modified mark is clear the database must hold
// what the file holds; at the end the saved file must load back into the
// same database. Other sessions undo everything they did and redo it again,
// byte for byte.
//
// VQ_SOAK_SEEDS and VQ_SOAK_ACTIONS run a longer soak (seeds per file and
// actions per seed).

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <iostream>
#include <random>
#include <sstream>

#include "../view/view_fixture.h"
#include "clipboard_actions.h"
#include "editing/history/database_state.h"
#include "support/full_database.h"
#include "support/installed_catalogue.h"
#include "ui/app/frame/main_frame.h"
#include "ui/grid/property_grid.h"
#include "ui/view/favorites_panel.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/selector_bar.h"
#include "ui/view/vq_channel_editor_view.h"
#include "vqtool/demo_description.h"
#include "vqtool/demo_text.h"
#include "window_actions.h"
#include "window_checks.h"
#include "window_session.h"

namespace vq::test {
namespace {

int FromEnvironment(const char* name, int fallback) {
  const int value = qEnvironmentVariableIntValue(name);
  return value > 0 ? value : fallback;
}

std::unique_ptr<SettingsDatabase> MakeDemoDatabase() {
  auto db = MakeDatabase(kModelPvr);
  tool::DescriptionError error;
  if (!tool::BuildFromDescription(tool::BundledDemoDescription(), *db, error)) return nullptr;
  return db;
}

// What the view shows without building a page: the tab, the selections of
// the record lists, the counter and the pane's edit.
std::string ShownState(CVQChannelEditorView& view) {
  std::ostringstream out;
  out << "tab " << view.CurrentTab();
  for (int tab = kTabChannels; tab <= kTabSatellites; ++tab) {
    out << " |";
    for (int row : view.SelectedRows(tab)) out << ' ' << row;
  }
  out << " | " << view.CounterText().toStdString() << " | edit " << view.State().pendingEdit;
  return out.str();
}

std::vector<std::pair<QString, QByteArray>> ClipboardContents() {
  std::vector<std::pair<QString, QByteArray>> contents;
  if (const QMimeData* data = QGuiApplication::clipboard()->mimeData())
    for (const QString& format : data->formats()) contents.emplace_back(format, data->data(format));
  return contents;
}

void SetClipboardContents(const std::vector<std::pair<QString, QByteArray>>& contents) {
  auto* data = new QMimeData;
  for (const auto& [format, bytes] : contents) data->setData(format, bytes);
  QGuiApplication::clipboard()->setMimeData(data);
}

// Everything of every page: selections, current rows, buttons, selectors.
std::string PagesState(CVQChannelEditorView& view) {
  std::ostringstream out;
  out << ShownState(view);
  for (int tab = kTabChannels; tab <= kTabSettings; ++tab) {
    const ListPage* page = view.Page(tab);
    out << "\npage " << tab << ": current " << page->List()->currentIndex().row() << ", rows";
    for (int row : page->List()->SelectedRows()) out << ' ' << row;
    out << ", buttons";
    for (const QPushButton* button : page->findChildren<QPushButton*>())
      out << ' ' << button->isEnabled();
    if (!page->Bar()) continue;
    for (const QComboBox* box : {page->Bar()->First(), page->Bar()->Second()}) {
      if (!box) continue;
      out << ", [" << box->currentIndex() << "]";
      for (int i = 0; i < box->count(); ++i) out << ' ' << box->itemText(i).toStdString();
    }
  }
  return out.str();
}

class RandomWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }

  QString Write(const char* name, std::unique_ptr<SettingsDatabase> db) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(db && WriteSettings(*db, path));
    return path;
  }

  // Runs `actions` random actions from `seed` on a copy of `source`, then
  // saves and reloads.
  void RunSession(const QString& source, unsigned seed, int actions) {
    const QString path = dir.filePath(QString("session-%1.bin").arg(seed));
    QFile::remove(path);
    ASSERT_TRUE(QFile::copy(source, path));
    WindowSession session(path, seed);
    ASSERT_TRUE(session.Opened());
    for (int step = 0; step < actions; ++step) {
      const WindowAction& action = PickAction(session);
      std::cerr << "seed " << seed << " step " << step << ": " << action.name << "\n";
      action.run(session);
      session.Settle();
      const std::vector<std::string> problems = WindowProblems(session.View(), session.Database());
      ASSERT_EQ(problems, std::vector<std::string>{})
          << "seed " << seed << " step " << step << " (" << action.name << ")";
      ASSERT_EQ(ClipboardProblems(session), std::vector<std::string>{})
          << "seed " << seed << " step " << step << " (" << action.name << ")";
      ASSERT_EQ(ActionProblems(session.Frame(), session.Document()), std::vector<std::string>{})
          << "seed " << seed << " step " << step << " (" << action.name << ")";
      ASSERT_EQ(session.DocumentQuestions().unexpected, std::vector<std::string>{})
          << "seed " << seed << " step " << step << " (" << action.name << ")";
      ASSERT_EQ(UnsavedDifference(session), "")
          << "seed " << seed << " step " << step << " (" << action.name << ")";
    }
    ASSERT_TRUE(session.Document().Save());
    const auto reloaded = ReadSettings(path);
    ASSERT_NE(reloaded, nullptr);
    EXPECT_EQ(DatabaseDifference(session.Database(), *reloaded), "") << "seed " << seed;
  }

  // Without the modified mark the database holds what the file holds. The
  // comparison is made again only once the file or the database changed.
  std::string UnsavedDifference(WindowSession& session) {
    if (session.Document().IsModified()) return "";
    QFile file(session.Path());
    if (!file.open(QIODevice::ReadOnly)) return "the file does not open";
    const QByteArray bytes = file.readAll();
    if (bytes == agreedFile && DatabaseMatchesState(session.Database(), agreedState)) return "";
    const auto saved = ReadSettings(session.Path());
    if (!saved) return "the file does not load";
    std::string difference = DatabaseDifference(session.Database(), *saved);
    if (difference.empty()) {
      agreedFile = bytes;
      agreedState = CaptureDatabaseState(session.Database());
    }
    return difference;
  }

  // Runs `actions` random actions (undo and redo among them, saving not),
  // then undoes everything: the database and the image it saves are the
  // start's, byte for byte, and unmodified; redoing as often gives the end
  // state.
  void RunUndoSession(const QString& source, unsigned seed, int actions) {
    const QString path = dir.filePath(QString("undo-%1.bin").arg(seed));
    QFile::remove(path);
    ASSERT_TRUE(QFile::copy(source, path));
    WindowSession session(path, seed);
    ASSERT_TRUE(session.Opened());
    SettingsDatabase& db = session.Database();
    std::vector<uint8_t> startImage, image;
    ASSERT_TRUE(db.GetSettings(startImage));
    const std::vector<uint8_t> start = CaptureDatabaseState(db);
    for (int step = 0; step < actions; ++step) {
      const WindowAction& action = PickAction(session);
      // These replace the document, which starts its history over.
      if (std::string_view(action.name) == "save and reopen" ||
          std::string_view(action.name) == kUseABackup)
        continue;
      action.run(session);
      session.Settle();
      ASSERT_EQ(WindowProblems(session.View(), db), std::vector<std::string>{})
          << "seed " << seed << " step " << step << " (" << action.name << ")";
      ASSERT_EQ(ActionProblems(session.Frame(), session.Document()), std::vector<std::string>{})
          << "seed " << seed << " step " << step << " (" << action.name << ")";
    }
    session.View().CommitPendingEdits();
    const std::vector<uint8_t> end = CaptureDatabaseState(db);
    const FrameActions& a = session.Frame().Actions();
    const bool redoLeft = a.redo->isEnabled();
    int undone = 0;
    for (; a.undo->isEnabled(); ++undone) {
      ASSERT_LT(undone, 10 * actions) << "seed " << seed << ": undo never ends";
      a.undo->trigger();
      session.Settle();
      ASSERT_EQ(WindowProblems(session.View(), db), std::vector<std::string>{})
          << "seed " << seed << " undo " << undone;
    }
    EXPECT_TRUE(DatabaseMatchesState(db, start)) << "seed " << seed;
    EXPECT_FALSE(session.Document().IsModified()) << "seed " << seed;
    ASSERT_TRUE(db.GetSettings(image));
    EXPECT_TRUE(image == startImage) << "seed " << seed;
    // Steps the session had undone itself stay to be redone past the end.
    for (int redone = 0; redone < undone; ++redone) {
      ASSERT_TRUE(a.redo->isEnabled()) << "seed " << seed << " redo " << redone;
      a.redo->trigger();
      session.Settle();
      ASSERT_EQ(WindowProblems(session.View(), db), std::vector<std::string>{})
          << "seed " << seed << " redo " << redone;
    }
    EXPECT_TRUE(DatabaseMatchesState(db, end)) << "seed " << seed;
    EXPECT_EQ(a.redo->isEnabled(), redoLeft) << "seed " << seed;
    EXPECT_EQ(session.Document().IsModified(), undone > 0) << "seed " << seed;
    EXPECT_EQ(session.DocumentQuestions().unexpected, std::vector<std::string>{});
  }

  void RunSessions(const QString& source, unsigned firstSeed, int seeds, int actions) {
    const int count = FromEnvironment("VQ_SOAK_SEEDS", seeds);
    const int length = FromEnvironment("VQ_SOAK_ACTIONS", actions);
    for (int k = 0; k < count && !HasFatalFailure(); ++k)
      RunSession(source, firstSeed + static_cast<unsigned>(k), length);
  }

  QTemporaryDir dir;
  // The last file and database state found to agree.
  QByteArray agreedFile;
  std::vector<uint8_t> agreedState;
};

TEST_F(RandomWindowTest, SessionsOnTheDemoFile) {
  RunSessions(Write("demo.bin", MakeDemoDatabase()), 1, 3, 250);
}

// The same with the German catalogue: translated texts, option lists and
// questions must not change what any action does.
TEST_F(RandomWindowTest, SessionsOnTheDemoFileInGerman) {
  const InstalledCatalogue german(VQ_GERMAN_CATALOGUE);
  ASSERT_TRUE(german.Installed());
  RunSessions(Write("demo.bin", MakeDemoDatabase()), 501, 2, 200);
}

TEST_F(RandomWindowTest, SessionsOnAFullPvrFile) {
  RunSessions(Write("full-pvr.bin", MakeFullDatabase(kModelPvr)), 101, 2, 80);
}

TEST_F(RandomWindowTest, SessionsOnAFullFtaCiFile) {
  RunSessions(Write("full-fta.bin", MakeFullDatabase(kModelFtaCi)), 201, 2, 100);
}

TEST_F(RandomWindowTest, UndoingASessionOnTheDemoFileGivesItsStartBack) {
  const QString source = Write("demo.bin", MakeDemoDatabase());
  for (unsigned seed = 301; seed < 304 && !HasFatalFailure(); ++seed)
    RunUndoSession(source, seed, 120);
}

TEST_F(RandomWindowTest, UndoingASessionOnAFullPvrFileGivesItsStartBack) {
  RunUndoSession(Write("full-pvr.bin", MakeFullDatabase(kModelPvr)), 401, 40);
}

// Choosing a favourite group, then clearing the channels of a transponder
// whose channels were listed.
TEST_F(RandomWindowTest, ClearingChannelsWhileAFavoriteGroupIsChosen) {
  WindowSession session(Write("demo.bin", MakeDemoDatabase()), 1);
  ASSERT_TRUE(session.Opened());
  CVQChannelEditorView& view = session.View();
  int news = -1;
  for (int g = 0; g < kFavoriteGroupCount; ++g)
    if (session.Database().GetFavoriteGroupName(g) == "News") news = g;
  ASSERT_GE(news, 0);
  PropertyGrid* groups = view.Favorites()->Groups();
  QTest::mouseClick(groups->viewport(), Qt::LeftButton, {}, groups->cellRect(news, 0).center());
  ASSERT_EQ(view.Favorites()->ChosenGroup(), news);
  QTest::mouseClick(view.Tabs(), Qt::LeftButton, {},
                    view.Tabs()->tabRect(kTabTransponders).center());
  RecordTableView* transponders = view.Page(kTabTransponders)->List();
  QTest::mouseClick(transponders->viewport(), Qt::LeftButton, {},
                    transponders->visualRect(transponders->model()->index(0, 1)).center());
  QPushButton* clear = nullptr;
  for (QPushButton* button : view.Page(kTabTransponders)->findChildren<QPushButton*>())
    if (button->accessibleName() == "Clear All Channels") clear = button;
  ASSERT_NE(clear, nullptr);
  QTest::mouseClick(clear, Qt::LeftButton);
  EXPECT_EQ(WindowProblems(view, session.Database()), std::vector<std::string>{});
  EXPECT_EQ(session.Frame().StatusText(), "Ready!");
}

// The transponder, satellite and settings pages are built when first used.
// A window that builds them at once and one that waits go through the same
// random actions in step: they show the same after every action, and the
// same on every page once the waiting one has built them too.
TEST_F(RandomWindowTest, PagesBuiltOnFirstUseMatchPagesBuiltAtOnce) {
  const QString source = Write("demo.bin", MakeDemoDatabase());
  std::mt19937 lengths(7);
  for (unsigned seed = 601; seed < 613 && !HasFatalFailure(); ++seed) {
    const QString eagerPath = dir.filePath("eager.bin"), lazyPath = dir.filePath("lazy.bin");
    for (const QString& path : {eagerPath, lazyPath}) {
      QFile::remove(path);
      ASSERT_TRUE(QFile::copy(source, path));
    }
    WindowSession eager(eagerPath, seed), lazy(lazyPath, seed);
    ASSERT_TRUE(eager.Opened() && lazy.Opened());
    eager.View().Page(kTabSettings);
    const int actions = static_cast<int>(lengths() % 40);
    for (int step = 0; step < actions; ++step) {
      const WindowAction& action = PickAction(eager);
      const WindowAction& lazyAction = PickAction(lazy);
      ASSERT_STREQ(lazyAction.name, action.name) << "seed " << seed << " step " << step;
      // Both windows share the clipboard and the keyboard: each starts from
      // what the clipboard held, as the active window.
      const std::vector<std::pair<QString, QByteArray>> clip = ClipboardContents();
      for (WindowSession* session : {&eager, &lazy}) {
        SetClipboardContents(clip);
        QApplication::setActiveWindow(&session->Frame());
        session->Settle();
        action.run(*session);
        session->Settle();
      }
      ASSERT_EQ(ShownState(lazy.View()), ShownState(eager.View()))
          << "seed " << seed << " step " << step << " (" << action.name << ")";
      ASSERT_TRUE(DatabaseMatchesState(lazy.Database(), CaptureDatabaseState(eager.Database())))
          << "seed " << seed << " step " << step << " (" << action.name << ")";
    }
    EXPECT_EQ(PagesState(lazy.View()), PagesState(eager.View())) << "seed " << seed;
  }
}

}  // namespace
}  // namespace vq::test
