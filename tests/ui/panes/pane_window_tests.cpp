// The channel pane in the real editor window: every field edited from the
// grid, the asking rules, the file commands that settle the pane's edit
// first, a moved channel staying in the pane, and the action states that
// follow the pane. Edits of several channels, the range message and the
// Value column are the pane harness's and pane host's business.

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "../../editing/invariant_checks.h"
#include "../dialogs/modal_answer.h"
#include "../view/view_fixture.h"
#include "editing/commands/prompter.h"
#include "support/grid_editor.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/channel_pane_rows.h"
#include "ui/panes/pane_host.h"
#include "ui/panes/property_pane.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"

namespace vq::test {
namespace {

using namespace channel_rows;

// Answers the pane's questions and records them with the document's, so
// their order shows.
class PaneUser : public Prompter {
 public:
  explicit PaneUser(std::vector<std::string>& log) : log_(log) {}
  void Tell(const std::string& text) override { log_.push_back("tell: " + text); }
  bool AskYesNo(const std::string& text, const std::string& title) override {
    log_.push_back(title + ": " + text);
    return yes;
  }
  int AskThreeWay(const std::string&, const std::string&, const std::string&, const std::string&,
                  const std::string&) override {
    return 0;
  }
  std::optional<int> SelectSatellite() override { return std::nullopt; }
  std::optional<int> SelectTransponder(int) override { return std::nullopt; }

  bool yes = true;

 private:
  std::vector<std::string>& log_;
};

class PaneWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    file = dir.filePath("small.bin");
    other = dir.filePath("other.bin");
    ASSERT_TRUE(WriteSettings(*MakeSmallDatabase(), file));
    auto second = MakeDatabase(kModelFtaCi);
    AddChannels(*second, AddTransponders(*second, 0, 1).front(), kTv, 4);
    ASSERT_TRUE(WriteSettings(*second, other));
    ASSERT_TRUE(app.Start({"vqchanneleditor", "--profile", dir.filePath("e.ini"), file}));
    app.Frame()->activateWindow();
    QApplication::processEvents();
    view = app.Frame()->View();
    view->SetPrompter(&user);
    grid = view->Pane();
    channels = view->Page(kTabChannels)->List();
  }

  void ShowAll() { grid->activateCell(PropertyPane::kShowHideRow, 0); }
  void Type(int row, const QString& text) {
    ASSERT_TRUE(grid->editCell(row, 1)) << row;
    QLineEdit* edit = OpenGridEditor<QLineEdit>(grid);
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    KeyIn(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  void Choose(int row, const QString& option) { ChooseGridOption(grid, row, option); }
  void Save() { grid->activateCell(PropertyPane::kSaveDiscardRow, 0); }
  ChannelRecord Row(int row) { return view->Channels()->NodeAt(row)->Record(); }

  QTemporaryDir dir;
  QString file, other;
  EditorApplication app;
  std::vector<std::string> log;
  PaneUser user{log};
  CVQChannelEditorView* view = nullptr;
  PropertyGrid* grid = nullptr;
  RecordTableView* channels = nullptr;
};

TEST_F(PaneWindowTest, EveryFieldOfOneChannelIsEditedFromThePane) {
  channels->SelectOnlyRow(4);
  ShowAll();
  Type(kName, QString::fromLatin1("Kan\xe4l \xdf"));
  Type(kNumber, "2");
  grid->activateCell(kLocked, 1);
  grid->activateCell(kSkipped, 1);
  Choose(kCas, "Viaccess");
  Type(kSubtitle, "12");
  Type(kVideoPid, "101");
  Type(kPcrPid, "102");
  Type(kTeletextPid, "103");
  Type(kPmtPid, "104");
  Type(kProgramId, "65535");
  Type(kEcmPid, "105");
  Choose(kAudioMode, "Mono");
  Type(kAudioCount, "3");
  Type(kTrackPid1 + 2, "203");
  Choose(kTrackLanguage1 + 2, "Greek");
  grid->activateCell(kTrack1 + 2, 1);
  Type(kAc3Pid, "300");
  Choose(kAc3Language, "Polish");
  grid->activateCell(kFavorite1 + 5, 1);
  EXPECT_TRUE(view->State().pendingEdit);
  Save();
  EXPECT_FALSE(view->State().pendingEdit);
  EXPECT_TRUE(log.empty()) << "the pane's Save does not ask";

  ASSERT_TRUE(app.Document()->Save());
  auto saved = ReadSettings(file);
  ASSERT_NE(saved, nullptr);
  std::vector<ChannelNode*> tv;
  saved->CollectChannels(tv, kTv, kFilterNone);
  const ChannelRecord r = tv[1]->Record();
  EXPECT_EQ(r.GetName(), "Kan\xe4l \xdf") << "typed Latin-1 round-trips byte for byte";
  EXPECT_TRUE(r.IsLocked());
  EXPECT_TRUE(r.IsSkipped());
  EXPECT_TRUE(r.IsScrambled()) << "a CAS other than Free scrambles";
  EXPECT_EQ(r.GetCasText(), "Viaccess");
  EXPECT_EQ(r.GetSubtitle(), 12);
  EXPECT_EQ(r.GetVideoPid(), 101);
  EXPECT_EQ(r.GetPcrPid(), 102);
  EXPECT_EQ(r.GetTeletextPid(), 103);
  EXPECT_EQ(r.GetPmtPid(), 104);
  EXPECT_EQ(r.GetProgramId(), 65535);
  EXPECT_EQ(r.GetEcmPid(), 105);
  EXPECT_EQ(r.GetAudioModeText(), "Mono");
  EXPECT_EQ(r.GetAudioCount(), 3);
  EXPECT_EQ(r.GetAudioPid(2), 203);
  EXPECT_EQ(r.GetAudioLanguageText(2), "Greek");
  EXPECT_EQ(r.GetAudioSelected(), 2);
  EXPECT_EQ(r.GetAc3Pid(), 300);
  EXPECT_EQ(r.GetAc3LanguageText(), "Polish");
  EXPECT_NE(r.GetFavoritePlace(5), 0);
  EXPECT_EQ(r.GetFreeNumber(), 0) << "filed at the end of the scrambled list";
}

TEST_F(PaneWindowTest, CtrlSRightAfterTypingANameSavesTheName) {
  channels->SelectOnlyRow(2);
  ASSERT_FALSE(app.Frame()->Actions().save->isEnabled());
  grid->activateCell(PropertyPane::kShowHideRow, 0);
  ASSERT_TRUE(grid->editCell(kName, 1));
  EXPECT_TRUE(app.Frame()->Actions().save->isEnabled()) << "an open edit is a change";
  QLineEdit* edit = OpenGridEditor<QLineEdit>(grid);
  ASSERT_NE(edit, nullptr);
  edit->selectAll();
  QTest::keyClicks(edit, "Saved by Ctrl+S");
  QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(log, std::vector<std::string>{"Confirm: Save changes?"});
  EXPECT_FALSE(app.Document()->IsModified());
  auto saved = ReadSettings(file);
  ASSERT_NE(saved, nullptr);
  std::vector<ChannelNode*> tv;
  saved->CollectChannels(tv, kTv, kFilterNone);
  EXPECT_EQ(tv[2]->Record().GetName(), "Saved by Ctrl+S");
}

TEST_F(PaneWindowTest, OpeningAnotherFileSettlesTheEditBeforeTheFileQuestion) {
  channels->SelectOnlyRow(0);
  grid->activateCell(kLocked, 1);
  AnswerNextModal([this](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    log.push_back("document: " + (box ? box->text().toStdString() : std::string("?")));
    if (box) box->button(QMessageBox::No)->click();
  });
  ASSERT_TRUE(app.Frame()->OpenFile(other));
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0], "Confirm: Save changes?");
  EXPECT_EQ(log[1].rfind("document: Save changes to ", 0), 0u) << log[1];
  EXPECT_EQ(app.Document()->PathName(), other);
  EXPECT_FALSE(Row(0).IsLocked()) << "nothing reached the new file's channels";
  EXPECT_FALSE(view->State().pendingEdit);
  EXPECT_FALSE(app.Document()->IsModified());
  auto untouched = ReadSettings(other);
  ASSERT_NE(untouched, nullptr);
  std::vector<ChannelNode*> tv;
  untouched->CollectChannels(tv, kTv, kFilterNone);
  for (const ChannelNode* c : tv) EXPECT_FALSE(c->Record().IsLocked());
}

TEST_F(PaneWindowTest, ChoosingAnotherRowCommitsToTheRowThePaneShowed) {
  channels->SelectOnlyRow(5);
  grid->activateCell(kSkipped, 1);
  QTest::mouseClick(channels->viewport(), Qt::LeftButton, {},
                    channels->visualRect(channels->model()->index(7, 1)).center());
  EXPECT_EQ(log, std::vector<std::string>{"Confirm: Save changes?"});
  EXPECT_TRUE(Row(5).IsSkipped());
  EXPECT_FALSE(Row(7).IsSkipped());
  EXPECT_EQ(grid->text(kNumber, 1), "8");

  user.yes = false;
  grid->activateCell(kSkipped, 1);
  channels->SelectOnlyRow(9);
  EXPECT_FALSE(Row(7).IsSkipped()) << "No drops the edit";
}

TEST_F(PaneWindowTest, TheMovedChannelStaysInThePaneWithItsNewNumberAndTakesEdits) {
  QPushButton* down = view->Page(kTabChannels)->Button(ListButton::kMoveDown);
  QPushButton* up = view->Page(kTabChannels)->Button(ListButton::kMoveUp);
  for (int row : {3, 0}) {
    channels->SelectOnlyRow(row);
    ChannelNode* moved = view->Channels()->NodeAt(row);
    ASSERT_FALSE(moved->Record().IsSkipped());
    down->click();
    ASSERT_EQ(view->Channels()->NodeAt(row + 1), moved);
    EXPECT_EQ(grid->text(kNumber, 1), QString::number(row + 2));
    EXPECT_EQ(grid->text(kName, 1), QString::fromLatin1(moved->Record().GetName()));
    // The pane's draft holds the record as the move left it, so an edit
    // lands on the moved channel.
    grid->activateCell(kSkipped, 1);
    Save();
    EXPECT_TRUE(moved->Record().IsSkipped()) << row;
    up->click();
    ASSERT_EQ(view->Channels()->NodeAt(row), moved);
    EXPECT_EQ(grid->text(kNumber, 1), QString::number(row + 1));
    grid->activateCell(kSkipped, 1);
    Save();
    EXPECT_FALSE(moved->Record().IsSkipped()) << row;
  }
  EXPECT_TRUE(log.empty());
}

// Four y-diaeresis (0xFF) would write the free-slot marker over the
// record's first bytes: the channel would vanish from the saved file.
TEST_F(PaneWindowTest, ANameThatWouldMarkTheSlotFreeKeepsTheChannel) {
  channels->SelectOnlyRow(0);
  ShowAll();
  Type(kName, QString::fromLatin1("\xff\xff\xff\xff Test"));
  Save();
  EXPECT_EQ(grid->text(kName, 1), QString::fromLatin1("?\xff\xff\xff Test"))
      << "the pane shows the name as stored";
  EXPECT_EQ(Row(0).GetName(), "?\xff\xff\xff Test");
  ASSERT_TRUE(app.Document()->Save());
  auto saved = ReadSettings(file);
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(saved->CountChannels(kTv), 40);
  EXPECT_EQ(InvariantProblems(*saved), std::vector<std::string>{});
}

// With AutoSave the save rebuilds the pane at once; the choice on a track
// still closes the track's group.
TEST_F(PaneWindowTest, AChoiceOnATrackClosesItAlsoWithAutoSave) {
  app.Config().AutoSave = 1;
  app.Config().ColapseAfterSelection = 1;
  channels->SelectOnlyRow(0);
  ShowAll();
  Type(kAudioCount, "3");
  ASSERT_TRUE(grid->isExpanded(kTrack1 + 2));
  grid->activateCell(kTrack1 + 2, 1);
  EXPECT_EQ(Row(0).GetAudioSelected(), 2);
  EXPECT_FALSE(grid->isExpanded(kTrack1 + 2));
  EXPECT_EQ(app.Config().ExpandChanAudioTrack3, 0);
  EXPECT_TRUE(grid->isExpanded(kTrack1 + 1)) << "the other tracks stay open";
}

// An open editor stands for an edit (Undo and Save take it); one that closes
// without a change leaves nothing to undo or save.
TEST_F(PaneWindowTest, AnEditThatEndsWithoutAChangeLeavesNoActionEnabled) {
  const FrameActions& a = app.Frame()->Actions();
  channels->SelectOnlyRow(2);
  ShowAll();
  ASSERT_FALSE(a.undo->isEnabled());
  ASSERT_TRUE(grid->editCell(kNumber, 1));
  EXPECT_TRUE(a.undo->isEnabled());
  EXPECT_TRUE(a.save->isEnabled());
  QLineEdit* edit = OpenGridEditor<QLineEdit>(grid);
  ASSERT_NE(edit, nullptr);
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_FALSE(a.undo->isEnabled());
  EXPECT_FALSE(a.save->isEnabled());

  Type(kNumber, "3");  // the number it has
  EXPECT_FALSE(a.undo->isEnabled());
  EXPECT_FALSE(a.save->isEnabled());
}

TEST_F(PaneWindowTest, EditorConfigurationCommitsFirstAndRebuildsThePane) {
  app.Config().PostEditAction = 1;
  channels->SelectOnlyRow(3);
  grid->activateCell(kLocked, 1);
  AnswerNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
  app.Frame()->Actions().configuration->trigger();
  EXPECT_TRUE(Row(3).IsLocked());
  EXPECT_FALSE(view->State().pendingEdit);
}

}  // namespace
}  // namespace vq::test
