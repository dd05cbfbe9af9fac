// The editing commands through the real window: buttons, the Special
// Actions menu, the model buttons, a context menu and drag and drop.

#include <gtest/gtest.h>
#include <QAction>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "../view/view_fixture.h"
#include "modal_answer.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/channel_pane_rows.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/drag_cursors.h"
#include "ui/view/favorite_members_model.h"
#include "ui/view/favorites_panel.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/statistics_panel.h"
#include "ui/view/transponder_list_model.h"

namespace vq::test {
namespace {

class WindowCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("small.bin");
    auto db = MakeSmallDatabase();
    auto tv = db->GetSatelliteNode(0)->GetTransponder(0);
    for (int i = 0; i < tv->GetChannelCount(); ++i)
      tv->GetChannel(i)->Record().SetName("C" + std::to_string(i));
    ASSERT_TRUE(WriteSettings(*db, file));
    ASSERT_TRUE(app.Start({"vqchanneleditor", "--profile", dir.filePath("e.ini"), file}));
    frame = app.Frame();
    view = frame->View();
    channels = view->Page(kTabChannels)->List();
  }

  QPushButton* Button(int tab, ListButton id) { return view->Page(tab)->Button(id); }
  std::string NameAt(int row) { return view->Channels()->NodeAt(row)->Record().GetName(); }
  QPoint RowCentre(int row) {
    return QPoint(20, channels->rowViewportPosition(row) + channels->rowHeight(row) / 2);
  }

  QTemporaryDir dir;
  EditorApplication app;
  CMainFrame* frame = nullptr;
  CVQChannelEditorView* view = nullptr;
  RecordTableView* channels = nullptr;
};

TEST_F(WindowCommands, ButtonsRemoveAndMoveChannels) {
  channels->SelectRows({0, 1, 2});
  ASSERT_TRUE(Button(kTabChannels, ListButton::kRemoveSelected)->isEnabled());
  QTest::mouseClick(Button(kTabChannels, ListButton::kRemoveSelected), Qt::LeftButton);
  EXPECT_EQ(view->Channels()->rowCount(), 37);
  EXPECT_EQ(frame->StatusText(), "Removed 3 channels!");
  EXPECT_TRUE(app.Document()->IsModified());

  channels->SelectOnlyRow(0);
  QTest::mouseClick(Button(kTabChannels, ListButton::kMoveDown), Qt::LeftButton);
  EXPECT_EQ(NameAt(1), "C3");
  EXPECT_EQ(channels->SelectedRows(), std::vector<int>{1});
  EXPECT_EQ(frame->StatusText(), "Ready!");
}

TEST_F(WindowCommands, PendingPaneEditsAreCommittedBeforeCommandsAndTabChanges) {
  app.Config().PostEditAction = 1;
  channels->SelectOnlyRow(0);
  view->Pane()->activateCell(channel_rows::kLocked, 1);
  ASSERT_TRUE(view->State().pendingEdit);
  QTest::mouseClick(Button(kTabChannels, ListButton::kMoveDown), Qt::LeftButton);
  EXPECT_FALSE(view->State().pendingEdit);
  ASSERT_EQ(NameAt(1), "C0");
  EXPECT_TRUE(view->Channels()->NodeAt(1)->Record().IsLocked()) << "written before the move";
  view->Pane()->activateCell(channel_rows::kSkipped, 1);
  view->ShowTab(kTabTransponders);
  EXPECT_FALSE(view->State().pendingEdit);
  EXPECT_TRUE(view->Channels()->NodeAt(1)->Record().IsSkipped());
}

TEST_F(WindowCommands, FavoritesPanelAddsFollowsAndRemoves) {
  FavoritesPanel* favorites = view->Favorites();
  favorites->ChooseGroup(0);
  channels->SelectRows({3, 4});
  QTest::mouseClick(Button(kTabChannels, ListButton::kAddToFavorites), Qt::LeftButton);
  ASSERT_EQ(favorites->MembersModel()->rowCount(), 4);
  EXPECT_FALSE(Button(kTabChannels, ListButton::kAddToFavorites)->isEnabled());

  favorites->Members()->selectionModel()->select(favorites->MembersModel()->index(2, 0),
                                                 QItemSelectionModel::ClearAndSelect);
  EXPECT_EQ(channels->SelectedRows(), std::vector<int>{3}) << "the channel list follows";
  ASSERT_TRUE(favorites->RemoveButton()->isEnabled());
  QTest::mouseClick(favorites->RemoveAllButton(), Qt::LeftButton);
  EXPECT_EQ(favorites->MembersModel()->rowCount(), 0);
  EXPECT_FALSE(favorites->RemoveAllButton()->isEnabled());
}

TEST_F(WindowCommands, AddTransponderThroughTheDialogThenPurgeIt) {
  QAction* purge = frame->Actions().deleteEmptyTransponders;
  EXPECT_FALSE(purge->isEnabled());
  view->ShowTab(kTabTransponders);
  AnswerNextModal([](QWidget* modal) {
    auto* list = modal->findChild<RecordTableView*>();
    list->SelectOnlyRow(1);
    static_cast<QDialog*>(modal)->accept();
  });
  QTest::mouseClick(Button(kTabTransponders, ListButton::kAddNew), Qt::LeftButton);
  EXPECT_EQ(view->Transponders()->rowCount(), 3);
  EXPECT_EQ(frame->StatusText(), "Added new transponder!");
  ASSERT_TRUE(purge->isEnabled());
  purge->trigger();
  EXPECT_EQ(frame->StatusText(), "Removed all empty transponders(1)!");
  EXPECT_EQ(view->Transponders()->rowCount(), 2);
}

TEST_F(WindowCommands, SendToMovesATransponderToTheChosenSatellite) {
  view->ShowTab(kTabTransponders);
  view->Page(kTabTransponders)->List()->SelectOnlyRow(1);
  emit view->Page(kTabTransponders)->List()->contextMenuWanted(QPoint(0, 0));
  QMenu* sendTo = nullptr;
  for (QMenu* menu : view->findChildren<QMenu*>())
    if (menu->title() == "Send to") sendTo = menu;
  ASSERT_NE(sendTo, nullptr);
  ASSERT_GE(sendTo->actions().size(), 2);
  ASSERT_TRUE(sendTo->actions()[1]->isEnabled());
  sendTo->actions()[1]->trigger();
  const TransponderNode* moved = view->Transponders()->NodeAt(1);
  EXPECT_EQ(moved->GetSatellite(), app.Document()->Database().GetSatelliteNode(1));
}

TEST_F(WindowCommands, TheModelButtonSwitchesTheModel) {
  ASSERT_TRUE(view->Statistics()->FtaButton()->isEnabled());
  view->Statistics()->FtaButton()->click();
  EXPECT_EQ(app.Document()->Database().GetModel(), kModelFtaCi);
  EXPECT_EQ(frame->StatusText(), "Model switched to FTA/CI!");
  EXPECT_TRUE(view->Statistics()->FtaButton()->isChecked());
}

TEST_F(WindowCommands, DraggingRowsMovesThemOrRemovesThem) {
  frame->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
  QWidget* viewport = channels->viewport();
  channels->SelectRows({1, 2});
  QTest::mousePress(viewport, Qt::LeftButton, {}, RowCentre(1));
  QTest::mouseMove(viewport, RowCentre(3));
  QTest::mouseMove(viewport, RowCentre(6));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, RowCentre(6));
  EXPECT_EQ(NameAt(0) + NameAt(1) + NameAt(2) + NameAt(3) + NameAt(4) + NameAt(5), "C0C3C4C5C1C2");
  EXPECT_EQ(channels->SelectedRows(), (std::vector<int>{4, 5}));

  QPushButton* remove = Button(kTabChannels, ListButton::kRemoveSelected);
  const QPoint onButton = viewport->mapFromGlobal(remove->mapToGlobal(remove->rect().center()));
  QTest::mousePress(viewport, Qt::LeftButton, {}, RowCentre(4));
  QTest::mouseMove(viewport, RowCentre(2));
  QTest::mouseMove(viewport, onButton);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, onButton);
  EXPECT_EQ(view->Channels()->rowCount(), 38);
  EXPECT_EQ(frame->StatusText(), "Removed 2 channels!");
}

bool ShowsCursor(DragCursor kind) {
  const QCursor* cursor = QGuiApplication::overrideCursor();
  return cursor && cursor->pixmap().toImage() == MakeDragCursor(kind).pixmap().toImage();
}

TEST_F(WindowCommands, DragFeedbackShowsTheDropEffectAndScrollsAtTheEdge) {
  frame->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
  QWidget* viewport = channels->viewport();
  QWidget* members = view->Favorites()->Members()->viewport();
  view->Favorites()->ChooseGroup(0);
  channels->SelectOnlyRow(8);
  QTest::mousePress(viewport, Qt::LeftButton, {}, RowCentre(3));
  ASSERT_EQ(channels->SelectedRows(), std::vector<int>{3}) << "the pressed row is dragged";
  QTest::mouseMove(viewport, RowCentre(5));
  EXPECT_TRUE(ShowsCursor(DragCursor::kMove));
  const QPoint onMembers = viewport->mapFromGlobal(members->mapToGlobal(members->rect().center()));
  QTest::mouseMove(viewport, onMembers);
  EXPECT_TRUE(ShowsCursor(DragCursor::kAdd));

  ASSERT_GT(channels->verticalScrollBar()->maximum(), 0);
  const QPoint below(20, viewport->height() + 3);
  QTest::mouseMove(viewport, below);
  EXPECT_TRUE(ShowsCursor(DragCursor::kNoDrop));
  QTRY_VERIFY_WITH_TIMEOUT(channels->verticalScrollBar()->value() > 0, 20000);

  const QPoint nowhere = viewport->mapFromGlobal(view->Statistics()->mapToGlobal(QPoint(5, 5)));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, nowhere);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(view->Channels()->rowCount(), 40) << "a drop elsewhere does nothing";
  EXPECT_FALSE(app.Document()->IsModified());
}

}  // namespace
}  // namespace vq::test
