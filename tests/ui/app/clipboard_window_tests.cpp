// Copy, cut, paste and apply in the real editor window: the Edit menu, the
// shortcuts and the context menus over the desktop clipboard, their enabled
// states when this or another program changes the clipboard, and the
// pane's pending edit around them.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include "../view/view_fixture.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "editing/clipboard/clip_formats.h"
#include "editing/clipboard/clipboard.h"
#include "editing/clipboard/qt/qt_clipboard.h"
#include "editing/commands/prompter.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/grid/grid_cell.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/channel_pane_rows.h"
#include "ui/panes/property_pane.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/satellite_list_model.h"
#include "ui/view/selector_bar.h"
#include "ui/view/settings_category_model.h"
#include "ui/view/transponder_list_model.h"
#include "ui/view/view_clipboard.h"

namespace vq::test {
namespace {

// Answers every question Yes and records it; a three-way question is
// closed (which skips); the copy dialogs take everything offered.
class ClipUser : public Prompter {
 public:
  void Tell(const std::string& text) override { log.push_back("tell: " + text); }
  bool AskYesNo(const std::string& text, const std::string&) override {
    log.push_back("ask: " + text);
    return true;
  }
  int AskThreeWay(const std::string& text, const std::string&, const std::string&,
                  const std::string&, const std::string&) override {
    log.push_back("three: " + text);
    return 0;
  }
  std::optional<int> SelectSatellite() override { return std::nullopt; }
  std::optional<int> SelectTransponder(int) override { return std::nullopt; }

  std::vector<std::string> log;
};

// Counts how often the clipboard is read.
class CountingClipboard : public MemoryClipboard {
 public:
  std::vector<std::string> Formats() const override {
    ++reads;
    return MemoryClipboard::Formats();
  }
  std::vector<uint8_t> Get(std::string_view format) const override {
    ++reads;
    return MemoryClipboard::Get(format);
  }
  mutable int reads = 0;
};

QByteArray Bytes(const char* format) {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data ? data->data(format) : QByteArray();
}

// What another program does: puts bytes under a format name (or text).
void PutAsAnotherProgram(std::string_view format, const QByteArray& bytes) {
  auto* data = new QMimeData;
  if (format.empty())
    data->setText(QString::fromLatin1(bytes));
  else
    data->setData(QString::fromLatin1(format.data(), static_cast<qsizetype>(format.size())), bytes);
  QGuiApplication::clipboard()->setMimeData(data);
}

QString FirstClipFormat() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data) return {};
  for (const QString& format : data->formats())
    if (format.startsWith("VQ-")) return format;
  return {};
}

class ClipboardWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    file = dir.filePath("small.bin");
    auto db = MakeSmallDatabase();
    std::vector<ChannelNode*> tv;
    db->CollectChannels(tv, kTv, kFilterNone);
    for (size_t i = 0; i < tv.size(); ++i) tv[i]->Record().SetName("TV " + std::to_string(i));
    ASSERT_TRUE(WriteSettings(*db, file));
    ASSERT_TRUE(app.Start({"vqchanneleditor", "--profile", dir.filePath("e.ini"), file}));
    frame = app.Frame();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    view = frame->View();
    view->SetPrompter(&user);
    PutAsAnotherProgram({}, "plain text");
  }

  SettingsDatabase& Db() { return app.Document()->Database(); }
  RecordTableView* List(int tab) { return view->Page(tab)->List(); }
  const FrameActions& Actions() { return frame->Actions(); }

  // Opens the context menu of the current tab's list at `row` (or below
  // the rows when -1) and returns its entries by text.
  std::map<QString, QAction*> ContextMenuAt(int row) {
    RecordTableView* list = List(view->CurrentTab());
    const QPoint at = row >= 0 ? list->visualRect(list->model()->index(row, 0)).center()
                               : QPoint(5, list->viewport()->height() - 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &event);
    std::map<QString, QAction*> entries;
    for (QMenu* menu : view->findChildren<QMenu*>())
      if (menu->isVisible() && !menu->parentWidget()->inherits("QMenu")) {
        shownMenu = menu;
        for (QAction* action : menu->actions())
          if (!action->isSeparator()) entries[action->text()] = action;
      }
    return entries;
  }
  void CloseMenu() {
    if (shownMenu) shownMenu->close();
  }
  void Press(QKeySequence keys) { QTest::keySequence(List(view->CurrentTab()), keys); }

  QTemporaryDir dir;
  QString file;
  EditorApplication app;
  CMainFrame* frame = nullptr;
  CVQChannelEditorView* view = nullptr;
  ClipUser user;
  QPointer<QMenu> shownMenu;
};

TEST_F(ClipboardWindow, ShortcutsCopyAndPasteChannelsAtTheEndOfTheList) {
  view->ShowTab(kTabChannels);
  List(kTabChannels)->SelectRows({2, 3, 4});
  Press(QKeySequence("Ctrl+C"));
  EXPECT_EQ(FirstClipFormat(), "VQ-TV-Channels");
  EXPECT_FALSE(app.Document()->IsModified()) << "a copy changes nothing";

  Press(QKeySequence("Ctrl+V"));
  ASSERT_EQ(view->Channels()->rowCount(), 43);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(view->Channels()->NodeAt(40 + i)->Record().GetName(),
              view->Channels()->NodeAt(2 + i)->Record().GetName());
  EXPECT_EQ(List(kTabChannels)->SelectedRows(), std::vector<int>{42}) << "the last row";
  EXPECT_TRUE(app.Document()->IsModified());
  EXPECT_EQ(frame->StatusText(), "Ready!");
  EXPECT_TRUE(user.log.empty()) << user.log.front();
}

TEST_F(ClipboardWindow, CutAndPasteOfATransponderBringItsChannelsBack) {
  // Cut on the transponder tab takes the channels along.
  view->ShowTab(kTabTransponders);
  List(kTabTransponders)->SelectOnlyRow(0);
  ASSERT_TRUE(Actions().cut->isEnabled());
  Actions().cut->trigger();
  EXPECT_EQ(FirstClipFormat(), "VQ-Transponder");
  EXPECT_EQ(Db().GetSatelliteNode(0)->GetTransponderCount(), 1);
  EXPECT_EQ(Db().CountChannels(kTv), 0);
  ASSERT_TRUE(Actions().paste->isEnabled());
  Actions().paste->trigger();
  EXPECT_EQ(Actions().undo->text(), "&Undo Paste");
  EXPECT_EQ(Db().GetSatelliteNode(0)->GetTransponderCount(), 2);
  EXPECT_EQ(Db().CountChannels(kTv), 40);
  EXPECT_EQ(view->Transponders()->rowCount(), 2);
  view->ShowTab(kTabChannels);
  EXPECT_EQ(view->Channels()->rowCount(), 40) << "the channel list was rebuilt";

  // The settings tab copies but has nothing to cut or paste.
  view->ShowTab(kTabSettings);
  EXPECT_TRUE(Actions().copy->isEnabled());
  EXPECT_FALSE(Actions().cut->isEnabled());
  EXPECT_FALSE(Actions().paste->isEnabled());
}

// The Edit menu's states against the clipboard are the random window
// test's business; the satellite list's own context menu entries are not.
TEST_F(ClipboardWindow, SatelliteMenuEntriesFollowWhatWasCopied) {
  // A satellite copied alone gives nothing to paste on the satellite tab.
  view->ShowTab(kTabSatellites);
  List(kTabSatellites)->SelectOnlyRow(0);
  std::map<QString, QAction*> menu = ContextMenuAt(0);
  menu["Copy satellite only"]->trigger();
  CloseMenu();
  EXPECT_EQ(FirstClipFormat(), "VQ-Satellite");
  EXPECT_FALSE(Actions().paste->isEnabled());
  menu = ContextMenuAt(0);
  EXPECT_TRUE(menu["Apply attributes"]->isEnabled());
  EXPECT_FALSE(menu["Paste all copied transponders and channels"]->isEnabled());
  menu["Copy with all transponders and channels"]->trigger();
  CloseMenu();
  EXPECT_TRUE(Actions().paste->isEnabled());
  List(kTabSatellites)->SelectRows({0, 1});
  EXPECT_FALSE(Actions().paste->isEnabled()) << "one satellite only";
}

TEST_F(ClipboardWindow, StateUpdatesUseTheSnapshotOfTheLastChange) {
  CountingClipboard counting;
  ViewClipboard* commands = view->ClipboardCommands();
  commands->SetClipboard(&counting);
  counting.reads = 0;
  for (int row = 0; row < 20; ++row) List(kTabChannels)->SelectOnlyRow(row);
  view->ShowTab(kTabTransponders);
  view->ShowTab(kTabChannels);
  EXPECT_EQ(counting.reads, 0) << "selection and tab changes read no clipboard";
  EXPECT_FALSE(Actions().paste->isEnabled());

  List(kTabChannels)->SelectOnlyRow(3);
  Actions().copy->trigger();
  EXPECT_EQ(counting.reads, 0) << "a copy asks the clipboard nothing";
  EXPECT_EQ(counting.FirstFormat(), "VQ-TV-Channel");
  EXPECT_FALSE(Actions().paste->isEnabled()) << "no change reported yet";
  commands->ClipboardChanged();
  EXPECT_TRUE(Actions().paste->isEnabled());
  Actions().paste->trigger();
  EXPECT_EQ(Db().CountChannels(kTv), 41);

  // A clipboard read later (as the window's start does) counts as empty
  // until the event loop runs; a clipboard replaced meanwhile is never read.
  CountingClipboard replaced;
  replaced.Put("VQ-TV-Channel", counting.Get("VQ-TV-Channel"));
  commands->SetClipboard(&replaced, true);
  commands->SetClipboard(&counting, true);
  counting.reads = 0;
  EXPECT_FALSE(Actions().paste->isEnabled());
  QCoreApplication::processEvents();
  EXPECT_EQ(replaced.reads, 0);
  EXPECT_EQ(counting.reads, 1) << "one question to the clipboard's owner a change";
  EXPECT_TRUE(Actions().paste->isEnabled());
  commands->SetClipboard(frame->DesktopClipboard());
}

TEST_F(ClipboardWindow, AnOpenContextMenuFollowsAClipboardChange) {
  List(kTabChannels)->SelectOnlyRow(5);
  Actions().copy->trigger();
  const QByteArray channel = Bytes("VQ-TV-Channel");
  Actions().copy->trigger();
  List(kTabChannels)->SelectRows({1, 2});
  Actions().copy->trigger();
  EXPECT_EQ(FirstClipFormat(), "VQ-TV-Channels");

  std::map<QString, QAction*> menu = ContextMenuAt(1);
  ASSERT_TRUE(menu.count("Apply attributes"));
  EXPECT_FALSE(menu["Apply attributes"]->isEnabled()) << "a list is never applied";
  EXPECT_TRUE(menu["Paste"]->isEnabled());
  PutAsAnotherProgram(kClipTvChannel, channel);
  EXPECT_TRUE(menu["Apply attributes"]->isEnabled());
  PutAsAnotherProgram({}, "text");
  EXPECT_FALSE(menu["Paste"]->isEnabled());
  PutAsAnotherProgram(kClipTvChannel, channel);
  menu["Apply attributes"]->trigger();
  CloseMenu();

  const std::string name = view->Channels()->NodeAt(5)->Record().GetName();
  EXPECT_EQ(view->Channels()->NodeAt(1)->Record().GetName(), name);
  EXPECT_EQ(view->Channels()->NodeAt(2)->Record().GetName(), name);
  EXPECT_EQ(view->Channels()->rowCount(), 40) << "applied, nothing added";
  EXPECT_TRUE(app.Document()->IsModified());
}

TEST_F(ClipboardWindow, PasteAndApplyCommitThePendingEditAndShowTheRecordsAgain) {
  using namespace channel_rows;
  PropertyGrid* grid = view->Pane();
  List(kTabChannels)->SelectOnlyRow(5);
  Actions().copy->trigger();
  const std::string copied = view->Channels()->NodeAt(5)->Record().GetName();

  // A name typed for row 1 and left pending.
  List(kTabChannels)->SelectOnlyRow(1);
  grid->activateCell(PropertyPane::kShowHideRow, 0);
  ASSERT_TRUE(grid->editCell(kName, 1));
  QLineEdit* edit = grid->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr);
  edit->selectAll();
  QTest::keyClicks(edit, "Pending");
  QTest::keyClick(edit, Qt::Key_Return);
  ASSERT_TRUE(view->State().pendingEdit);

  std::map<QString, QAction*> menu = ContextMenuAt(1);
  menu["Apply attributes"]->trigger();
  CloseMenu();
  ASSERT_EQ(user.log.size(), 1u) << "the pending edit is asked about first";
  EXPECT_FALSE(view->State().pendingEdit);
  EXPECT_EQ(view->Channels()->NodeAt(1)->Record().GetName(), copied);
  EXPECT_EQ(grid->cell(kName, 1)->text, copied) << "the pane shows the applied record";

  // The same for a paste: the edit is written, then the pasted channel shows.
  ASSERT_TRUE(grid->editCell(kName, 1));
  edit = grid->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr);
  edit->selectAll();
  QTest::keyClicks(edit, "Kept");
  QTest::keyClick(edit, Qt::Key_Return);
  ASSERT_TRUE(view->State().pendingEdit);
  Actions().paste->trigger();
  EXPECT_EQ(user.log.size(), 2u);
  EXPECT_EQ(view->Channels()->NodeAt(1)->Record().GetName(), "Kept");
  ASSERT_EQ(view->Channels()->rowCount(), 41);
  EXPECT_EQ(List(kTabChannels)->SelectedRows(), std::vector<int>{40});
  EXPECT_EQ(grid->cell(kName, 1)->text, copied);
  EXPECT_FALSE(view->State().pendingEdit);
}

TEST_F(ClipboardWindow, SettingsAreAppliedByCategoryOrAll) {
  ReceiverConfig config = Db().GetConfigRecord();
  config.SetScreenType(1);
  config.SetTimerDuration(0, 90);
  view->ShowTab(kTabSettings);
  std::map<QString, QAction*> menu = ContextMenuAt(0);
  ASSERT_TRUE(menu["Copy settings"]->isEnabled());
  EXPECT_FALSE(menu["Apply all settings"]->isEnabled());
  menu["Copy settings"]->trigger();
  CloseMenu();
  EXPECT_EQ(FirstClipFormat(), "VQ-Settings");

  config.SetScreenType(0);
  config.SetTimerDuration(0, 10);
  const int timerRow = view->Categories()->RowOfCode(3);
  List(kTabSettings)->SelectOnlyRow(timerRow);
  menu = ContextMenuAt(-1);
  EXPECT_FALSE(menu["Apply category settings"]->isEnabled()) << "no category under the pointer";
  EXPECT_TRUE(menu["Apply all settings"]->isEnabled());
  CloseMenu();

  menu = ContextMenuAt(timerRow);
  ASSERT_TRUE(menu["Apply category settings"]->isEnabled());
  menu["Apply category settings"]->trigger();
  CloseMenu();
  EXPECT_EQ(Db().GetConfigRecord().GetTimerDuration(0), 90);
  EXPECT_EQ(Db().GetConfigRecord().GetScreenType(), 0) << "only the timers were applied";
  EXPECT_TRUE(app.Document()->IsModified());

  menu = ContextMenuAt(timerRow);
  menu["Apply all settings"]->trigger();
  CloseMenu();
  EXPECT_EQ(Db().GetConfigRecord().GetScreenType(), 1);
}

}  // namespace
}  // namespace vq::test
