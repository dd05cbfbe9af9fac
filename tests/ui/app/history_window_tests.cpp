// Undo and redo in the editor window: the Edit menu's entries and their
// states, list commands and pane edits taken back and done again with the
// list source and selection of their moment, and a history that New and
// Open start over. Byte-exact undo of random sessions and the modified mark
// are the random window and history tests' business.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "../dialogs/modal_answer.h"
#include "../view/view_fixture.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/channel_pane_rows.h"
#include "ui/panes/property_pane.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/selector_bar.h"

namespace vq::test {
namespace {

class HistoryWindow : public ::testing::Test {
 protected:
  void Start(std::unique_ptr<SettingsDatabase> db) {
    ASSERT_TRUE(dir.isValid());
    file = dir.filePath("lists.bin");
    ASSERT_TRUE(WriteSettings(*db, file));
    ASSERT_TRUE(app.Start({"vqchanneleditor", "--profile", dir.filePath("editor.ini"), file}));
    frame = app.Frame();
    view = frame->View();
  }

  SettingsDatabase& Db() { return app.Document()->Database(); }
  const FrameActions& Actions() { return frame->Actions(); }
  bool Modified() { return app.Document()->IsModified(); }
  QPushButton* Button(int tab, ListButton id) { return view->Page(tab)->Button(id); }
  RecordTableView* List(int tab) { return view->Page(tab)->List(); }

  QTemporaryDir dir;
  QString file;
  EditorApplication app;
  CMainFrame* frame = nullptr;
  CVQChannelEditorView* view = nullptr;
};

TEST_F(HistoryWindow, UndoAndRedoNameTheStepAndFollowWhatIsLeft) {
  Start(MakeSmallDatabase());
  QAction* undo = Actions().undo;
  QAction* redo = Actions().redo;
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());
  EXPECT_EQ(undo->text(), "&Undo");
  EXPECT_EQ(undo->shortcuts(), QList<QKeySequence>{QKeySequence("Ctrl+Z")});
  EXPECT_EQ(redo->shortcuts(),
            (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
  EXPECT_FALSE(undo->icon().isNull());
  EXPECT_FALSE(redo->icon().isNull());

  List(kTabChannels)->SelectRows({2, 3});
  Button(kTabChannels, ListButton::kRemoveSelected)->click();
  Button(kTabChannels, ListButton::kRemoveAll)->click();
  EXPECT_EQ(view->Channels()->rowCount(), 0);
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_EQ(undo->text(), "&Undo Remove All Channels");
  EXPECT_EQ(undo->statusTip(), "Undo Remove All Channels");
  EXPECT_TRUE(frame->windowTitle().startsWith("lists.bin *"));

  undo->trigger();
  EXPECT_EQ(view->Channels()->rowCount(), 38);
  EXPECT_EQ(undo->text(), "&Undo Remove Selected Channels");
  EXPECT_EQ(redo->text(), "&Redo Remove All Channels");
  undo->trigger();
  EXPECT_EQ(view->Channels()->rowCount(), 40);
  EXPECT_EQ(List(kTabChannels)->SelectedRows(), (std::vector<int>{2, 3}))
      << "the selection of before the command";
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(Modified());
  EXPECT_EQ(Db().CountChannels(kAllTypes), 43);

  redo->trigger();
  redo->trigger();
  EXPECT_EQ(view->Channels()->rowCount(), 0);
  EXPECT_FALSE(redo->isEnabled());
  EXPECT_TRUE(Modified());
}

// The list source and the selection of the moment come back with the step;
// a step's "&" shows as such in the menu.
TEST_F(HistoryWindow, UndoPutsBackTheListSourceAndSelection) {
  Start(MakeSmallDatabase());
  view->SetChannelListSource(kSourceSatellite + 0);
  view->SetShownChannelType(kRadio);
  List(kTabChannels)->SelectRows({1});
  const QString name = view->Channels()->index(1, 1).data().toString();
  view->ShowTab(kTabSatellites);
  List(kTabSatellites)->SelectRows({0});
  Button(kTabSatellites, ListButton::kClearTransponders)->click();
  EXPECT_EQ(Actions().undo->text(), "&Undo Clear All Transponders && All Channels");
  view->ShowTab(kTabChannels);
  view->SetChannelListSource(kSourceAll);

  Actions().undo->trigger();
  EXPECT_EQ(view->CurrentTab(), kTabSatellites);
  EXPECT_EQ(view->State().channelListSource, kSourceSatellite + 0);
  EXPECT_EQ(view->State().shownChannelType, kRadio);
  EXPECT_EQ(view->Page(kTabChannels)->Bar()->Second()->currentIndex(), kRadio);
  ASSERT_EQ(List(kTabChannels)->SelectedRows(), std::vector<int>{1});
  EXPECT_EQ(view->Channels()->index(1, 1).data().toString(), name);
  EXPECT_EQ(List(kTabSatellites)->SelectedRows(), std::vector<int>{0});
}

TEST_F(HistoryWindow, NewAndOpenStartTheHistoryOver) {
  Start(MakeSmallDatabase());
  Button(kTabChannels, ListButton::kRemoveAll)->click();
  ASSERT_TRUE(Actions().undo->isEnabled());
  QString question;
  AnswerNextMessage(&question, QMessageBox::No);
  ASSERT_TRUE(app.Document()->NewDocument());
  EXPECT_TRUE(question.startsWith("Save changes to "));
  EXPECT_FALSE(Actions().undo->isEnabled());
  EXPECT_FALSE(Actions().redo->isEnabled());
  EXPECT_FALSE(Modified());
  ASSERT_TRUE(frame->OpenFile(file));
  EXPECT_FALSE(Actions().undo->isEnabled());
  EXPECT_EQ(view->Channels()->rowCount(), 40);
}

// A pane edit is one step; an edit still in the pane is written by Undo
// and taken back at once.
TEST_F(HistoryWindow, PaneEditsAreStepsEvenWhileStillPending) {
  Start(MakeSmallDatabase());
  app.Config().PostEditAction = 1;  // save automatically
  List(kTabChannels)->SelectRows({4});
  const QString original = view->Channels()->index(4, 1).data().toString();
  PropertyGrid* grid = view->Pane();
  grid->activateCell(PropertyPane::kShowHideRow, 0);  // Show All
  const auto rename = [&](const QString& name) {
    ASSERT_TRUE(grid->editCell(channel_rows::kName, PropertyPane::kValueColumn));
    QLineEdit* edit = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, name);
    QTest::keyClick(edit, Qt::Key_Return);
  };
  rename("Renamed");
  ASSERT_TRUE(view->HoldsEdit());
  EXPECT_TRUE(Actions().undo->isEnabled());
  EXPECT_EQ(Actions().undo->text(), "&Undo Edit Channel");
  EXPECT_FALSE(Actions().redo->isEnabled());

  Actions().undo->trigger();
  EXPECT_FALSE(view->HoldsEdit());
  EXPECT_EQ(view->Channels()->index(4, 1).data().toString(), original);
  EXPECT_EQ(List(kTabChannels)->SelectedRows(), std::vector<int>{4});
  EXPECT_EQ(Actions().redo->text(), "&Redo Edit Channel");
  Actions().redo->trigger();
  EXPECT_EQ(view->Channels()->index(4, 1).data().toString(), "Renamed");
  EXPECT_EQ(grid->text(channel_rows::kName, PropertyPane::kValueColumn), "Renamed")
      << "the pane shows the record again";
}

// A typed channel number moves the channel's row; undo moves it back and
// selects it where it was.
TEST_F(HistoryWindow, UndoOfANumberTypedInThePaneMovesTheRowBack) {
  Start(MakeSmallDatabase());
  List(kTabChannels)->SelectRows({6});
  const QString name = view->Channels()->index(6, 1).data().toString();
  PropertyGrid* grid = view->Pane();
  grid->activateCell(PropertyPane::kShowHideRow, 0);
  ASSERT_TRUE(grid->editCell(channel_rows::kNumber, PropertyPane::kValueColumn));
  QLineEdit* edit = grid->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr);
  edit->selectAll();
  QTest::keyClicks(edit, "1");
  QTest::keyClick(edit, Qt::Key_Return);
  grid->activateCell(PropertyPane::kSaveDiscardRow, 0);  // Save
  ASSERT_FALSE(view->HoldsEdit());
  ASSERT_EQ(view->Channels()->index(0, 1).data().toString(), name);

  Actions().undo->trigger();
  EXPECT_EQ(view->Channels()->index(6, 1).data().toString(), name);
  EXPECT_EQ(List(kTabChannels)->SelectedRows(), std::vector<int>{6});
  EXPECT_FALSE(Modified());
  Actions().redo->trigger();
  EXPECT_EQ(view->Channels()->index(0, 1).data().toString(), name);
  EXPECT_EQ(List(kTabChannels)->SelectedRows(), std::vector<int>{0});
}

}  // namespace
}  // namespace vq::test
