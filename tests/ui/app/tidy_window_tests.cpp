// The tidy-ups in the editor window with their real dialogs: duplicates
// reviewed and removed, a selection sorted and moved to a number, names
// replaced with a preview; Cancel in each dialog changes nothing, and each
// command is one step that Undo takes back byte for byte.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeView>

#include "../dialogs/modal_answer.h"
#include "../view/view_fixture.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "editing/commands/command_frame.h"
#include "invariant_checks.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/frame_actions.h"
#include "ui/app/frame/main_frame.h"
#include "ui/app/commands/tidy_menu_commands.h"
#include "ui/dialogs/duplicate_groups_model.h"
#include "ui/dialogs/duplicates_dialog.h"
#include "ui/dialogs/rename_channels_dialog.h"
#include "ui/dialogs/rename_preview_model.h"
#include "ui/dialogs/sort_channels_dialog.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq::test {
namespace {

// Astra 19.2E with two transponders of stream id 1: "Das Erste" on both
// (the second in favourite group 1 and named by timer 1), "ZDF HD" and
// "ZDF", a test card twice without ids, and five channels of their own.
class TidyWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    file = dir.filePath("tidy.bin");
    auto db = MakeDatabase(kModelPvr);
    db->GetSatelliteNode(0)->Satellite().SetPosition(192);
    auto tps = AddTransponders(*db, 0, 2);
    for (TransponderNode* t : tps) t->Record().SetTpId(1);
    const struct {
      int tp;
      const char* name;
      uint16_t sid;
    } channels[] = {{0, "Das Erste", 1},  {0, "Zebra", 2}, {0, "ZDF HD", 3}, {1, "Das Erste", 1},
                    {1, "\xC4gypten", 4}, {1, "ZDF", 5},   {1, "Test", 0},   {1, "TEST", 0},
                    {0, "arte", 6},       {0, "Bayern", 7}};
    std::vector<ChannelNode*> added;
    for (const auto& c : channels) {
      ChannelNode* node = AddChannels(*db, tps[static_cast<size_t>(c.tp)], kTv, 1).front();
      node->Record().SetName(c.name);
      node->Record().SetProgramId(c.sid);
      added.push_back(node);
    }
    db->AddToFavoriteGroup(added[3], 0);
    db->GetConfigRecord().SetTimerChannel(0, added[3]->GetTableIndex());
    ASSERT_TRUE(WriteSettings(*db, file));
    ASSERT_TRUE(app.Start({"vqchanneleditor", "--profile", dir.filePath("editor.ini"), file}));
    frame = app.Frame();
    before = Tables();
  }

  SettingsDatabase& Db() { return app.Document()->Database(); }
  CVQChannelEditorView& View() { return *frame->View(); }
  TidyMenuCommands& Tidy() { return *frame->Tidy(); }
  std::vector<uint8_t> Tables() {
    std::vector<uint8_t> bytes(Db().ChannelTable().begin(), Db().ChannelTable().end());
    bytes.insert(bytes.end(), Db().GetConfigBytes(), Db().GetConfigBytes() + kConfigRecordSize);
    return bytes;
  }
  std::vector<std::string> Names() {
    std::vector<ChannelNode*> tv;
    Db().CollectChannels(tv, kTv, kFilterNone);
    std::vector<std::string> names;
    for (const ChannelNode* c : tv) names.push_back(c->Record().GetName());
    return names;
  }
  void Select(std::vector<int> rows) { View().Editing().SelectRows(EditList::kChannels, rows); }
  // Runs `action` while `answer` handles its dialog.
  template <class Dialog>
  void RunWith(QAction* action, std::function<void(Dialog*)> answer) {
    bool answered = false;
    AnswerNextModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<Dialog*>(modal);
      if (!dialog) return;
      answered = true;
      answer(dialog);
    });
    Tidy().UpdateEnabled();
    ASSERT_TRUE(action->isEnabled());
    action->trigger();
    EXPECT_TRUE(answered);
  }
  void ExpectUndoRestores() {
    EXPECT_TRUE(InvariantProblems(Db()).empty());
    frame->Actions().undo->trigger();
    EXPECT_EQ(Tables(), before);
  }

  QTemporaryDir dir;
  QString file;
  EditorApplication app;
  CMainFrame* frame = nullptr;
  std::vector<uint8_t> before;
};

TEST_F(TidyWindow, TheCommandsAreUnderSpecialActionsAndInTheChannelMenu) {
  QMenu* special = nullptr;
  for (QAction* menu : frame->menuBar()->actions())
    if (menu->text() == "Special &Actions") special = menu->menu();
  ASSERT_NE(special, nullptr);
  for (QAction* action : {Tidy().FindDuplicatesAction(), Tidy().SortAction(),
                          Tidy().MoveToNumberAction(), Tidy().RenameAction()}) {
    EXPECT_TRUE(special->actions().contains(action)) << action->text().toStdString();
    EXPECT_FALSE(action->statusTip().isEmpty());
  }
  Select({});
  Tidy().UpdateEnabled();
  EXPECT_FALSE(Tidy().MoveToNumberAction()->isEnabled());
  EXPECT_TRUE(Tidy().SortAction()->isEnabled());

  RecordTableView* list = View().Page(kTabChannels)->List();
  const QPoint at = list->viewport()->rect().center();
  // As the menu key opens it.
  QContextMenuEvent event(QContextMenuEvent::Keyboard, at, list->viewport()->mapToGlobal(at));
  QApplication::sendEvent(list, &event);
  QMenu* menu = nullptr;
  for (QMenu* built : View().findChildren<QMenu*>())
    if (built->actions().contains(Tidy().SortAction())) menu = built;
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->actions().contains(Tidy().RenameAction()));
  menu->close();
}

TEST_F(TidyWindow, DuplicatesAreReviewedAndTheOthersRemovedInOneStep) {
  Select({3, 4});
  RunWith<DuplicatesDialog>(Tidy().FindDuplicatesAction(), [](DuplicatesDialog* dialog) {
    EXPECT_EQ(dialog->SummaryText(), "2 groups; 2 channels would be removed.");
    dialog->TwinsBox()->setChecked(true);
    EXPECT_EQ(dialog->Model()->GroupCount(), 3);
    dialog->RuleBox()->setCurrentIndex(2);  // the lowest number
    dialog->RemoveButton()->click();
  });
  EXPECT_EQ(Names(), (std::vector<std::string>{"Das Erste", "Zebra", "ZDF HD", "\xC4gypten", "Test",
                                               "arte", "Bayern"}));
  // The kept "Das Erste" took the favourite place and the timer.
  std::vector<ChannelNode*> tv;
  Db().CollectChannels(tv, kTv, kFilterNone);
  EXPECT_NE(tv[0]->Record().GetFavoritePlace(0), 0);
  EXPECT_EQ(Db().GetConfigRecord().GetTimerChannel(0), tv[0]->GetTableIndex());
  EXPECT_EQ(frame->StatusText(), "Removed 3 duplicate channels");
  // The selection stays on the surviving record.
  EXPECT_EQ(SelectedChannels(View().Editing(), EditList::kChannels),
            std::vector<ChannelNode*>{tv[3]});
  ExpectUndoRestores();
}

TEST_F(TidyWindow, CancelInEachDialogChangesNothing) {
  Select({1, 2, 3});
  RunWith<DuplicatesDialog>(Tidy().FindDuplicatesAction(),
                            [](DuplicatesDialog* d) { d->reject(); });
  RunWith<SortChannelsDialog>(Tidy().SortAction(), [](SortChannelsDialog* d) { d->reject(); });
  RunWith<MoveToNumberDialog>(Tidy().MoveToNumberAction(),
                              [](MoveToNumberDialog* d) { d->reject(); });
  RunWith<RenameChannelsDialog>(Tidy().RenameAction(), [](RenameChannelsDialog* d) {
    d->FindEdit()->setText("a");
    d->ReplaceEdit()->setText("b");
    EXPECT_GT(d->Preview()->rowCount(), 0);
    d->reject();
  });
  EXPECT_EQ(Tables(), before);
  EXPECT_FALSE(app.Document()->IsModified());
  EXPECT_FALSE(frame->Actions().undo->isEnabled());
}

TEST_F(TidyWindow, TheSelectionSortsByNameInThePlacesItHeld) {
  Select({0, 1, 4, 9});
  RunWith<SortChannelsDialog>(Tidy().SortAction(), [](SortChannelsDialog* dialog) {
    EXPECT_TRUE(dialog->SelectedButton()->isChecked());
    dialog->KeyBox()->setCurrentIndex(0);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  EXPECT_EQ(Names(),
            (std::vector<std::string>{"\xC4gypten", "Bayern", "ZDF HD", "Das Erste", "Das Erste",
                                      "ZDF", "Test", "TEST", "arte", "Zebra"}));
  EXPECT_EQ(frame->StatusText(), "Sorted 4 channels");
  EXPECT_EQ(View().Editing().SelectedRows(EditList::kChannels), (std::vector<int>{0, 1, 4, 9}));
  ExpectUndoRestores();
}

TEST_F(TidyWindow, TheSelectionMovesAsABlockToTheTypedNumber) {
  Select({7, 8});
  RunWith<MoveToNumberDialog>(Tidy().MoveToNumberAction(), [](MoveToNumberDialog* dialog) {
    dialog->NumberBox()->setValue(2);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  EXPECT_EQ(Names(),
            (std::vector<std::string>{"Das Erste", "TEST", "arte", "Zebra", "ZDF HD", "Das Erste",
                                      "\xC4gypten", "ZDF", "Test", "Bayern"}));
  EXPECT_EQ(frame->StatusText(), "Moved 2 channels to number 2");
  EXPECT_EQ(View().Editing().SelectedRows(EditList::kChannels), (std::vector<int>{1, 2}));
  ExpectUndoRestores();
}

TEST_F(TidyWindow, RenameShowsEveryChangeAndRefusesWhatWouldBreakARecord) {
  RunWith<RenameChannelsDialog>(Tidy().RenameAction(), [](RenameChannelsDialog* dialog) {
    dialog->AllButton()->setChecked(true);
    dialog->RegexBox()->setChecked(true);
    dialog->FindEdit()->setText("^.*$");
    EXPECT_FALSE(dialog->RenameButton()->isEnabled());
    EXPECT_EQ(dialog->ProblemText(), "Names refused: 10. Change the rule.");
    dialog->FindEdit()->setText("(");
    EXPECT_EQ(dialog->ProblemText(), "The pattern's parentheses do not pair up.");
    dialog->FindEdit()->setText(QString::fromUtf8("€"));
    EXPECT_FALSE(dialog->RenameButton()->isEnabled());
    dialog->FindEdit()->setText(" ?HD$");
    dialog->ReplaceEdit()->setText(" (High Definition)");
    ASSERT_EQ(dialog->Preview()->rowCount(), 1);
    EXPECT_EQ(dialog->Preview()->index(0, RenamePreviewModel::kNew).data().toString(),
              QString("ZDF (High Definition"));
    EXPECT_EQ(dialog->Preview()->index(0, RenamePreviewModel::kNote).data().toString(),
              "Cut to 20 bytes");
    ASSERT_TRUE(dialog->RenameButton()->isEnabled());
    dialog->RenameButton()->click();
  });
  EXPECT_EQ(Names()[2], "ZDF (High Definition");
  EXPECT_EQ(frame->StatusText(), "Renamed 1 channels");
  ExpectUndoRestores();
}

}  // namespace
}  // namespace vq::test
