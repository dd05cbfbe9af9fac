// The find bar of the editor window: Latin-1 names typed in any case,
// stepping with F3 and Enter, "Select all matches" feeding Remove Selected,
// every tab, and Escape. Which records match, in which order, is the find
// tests' business.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "../view/view_fixture.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/find_bar.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/settings_category_model.h"

namespace vq::test {
namespace {

// Types `text` as keystrokes; letters beyond ASCII go as key events with
// their text, as an input method sends them.
void TypeInto(QWidget* field, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 0x80)
      QTest::keyClicks(field, QString(c));
    else
      QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

// Satellite 0 "Astra": 30 TV channels on 11494 MHz, then 10 on 12692 MHz.
// Channel 5 is "Ö1" (Latin-1).
std::unique_ptr<SettingsDatabase> MakeFindDatabase() {
  auto db = MakeDatabase(kModelPvr);
  db->GetSatelliteNode(0)->SetName("Astra");
  db->GetSatelliteNode(1)->SetName("Hot Bird");
  auto tps = AddTransponders(*db, 0, 2);
  tps[0]->Record().SetFrequency(11494);
  tps[1]->Record().SetFrequency(12692);
  auto channels = AddChannels(*db, tps[0], kTv, 30);
  const auto more = AddChannels(*db, tps[1], kTv, 10);
  channels.insert(channels.end(), more.begin(), more.end());
  for (size_t i = 0; i < channels.size(); ++i) {
    channels[i]->Record().SetName("Channel " + std::to_string(i));
    channels[i]->Record().SetProgramId(static_cast<uint16_t>(100 + i));
  }
  channels[5]->Record().SetName(
      "\xD6"
      "1");
  return db;
}

class FindWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("find.bin");
    ASSERT_TRUE(WriteSettings(*MakeFindDatabase(), file));
    ASSERT_TRUE(app.Start({"vqchanneleditor", "--profile", dir.filePath("editor.ini"), file}));
    frame = app.Frame();
    view = frame->View();
    bar = view->Find();
  }

  // Opens the bar with Ctrl+F's command and types `text` into it.
  void Type(const QString& text) {
    frame->Actions().find->trigger();
    bar->Field()->clear();
    TypeInto(bar->Field(), text);
  }
  RecordTableView* List(int tab) { return view->Page(tab)->List(); }
  std::vector<int> Selected(int tab = kTabChannels) { return List(tab)->SelectedRows(); }
  QString NameAt(int row) { return view->Channels()->index(row, 1).data().toString(); }

  QTemporaryDir dir;
  EditorApplication app;
  CMainFrame* frame = nullptr;
  CVQChannelEditorView* view = nullptr;
  FindBar* bar = nullptr;
};

TEST_F(FindWindow, FindsLatin1NamesTypedInAnyCase) {
  EXPECT_TRUE(bar->isHidden());
  Type(QString::fromUtf8("ö1"));
  EXPECT_FALSE(bar->isHidden());
  ASSERT_EQ(Selected().size(), 1u);
  EXPECT_EQ(NameAt(Selected().front()), QString::fromUtf8("Ö1"));
  EXPECT_EQ(bar->Result(), "1 of 1");

  Type("no such name");
  EXPECT_EQ(bar->Result(), "No matches");
  EXPECT_EQ(Selected().size(), 1u) << "the selection stays";
}

TEST_F(FindWindow, F3EnterAndShiftF3StepThroughTheMatchesAndWrap) {
  Type("channel 1");  // Channel 1 and Channel 10..19, in list order
  const int first = Selected().front();
  EXPECT_EQ(NameAt(first), "Channel 1");
  QTest::keyClick(bar->Field(), Qt::Key_Return);
  EXPECT_EQ(NameAt(Selected().front()), "Channel 10");
  EXPECT_EQ(bar->Result(), "2 of 11");
  frame->Actions().findPrevious->trigger();
  frame->Actions().findPrevious->trigger();
  EXPECT_EQ(NameAt(Selected().front()), "Channel 19") << "wrapped to the last match";
  frame->Actions().findNext->trigger();
  EXPECT_EQ(Selected().front(), first) << "and back to the first";
  EXPECT_EQ(frame->Actions().findNext->shortcut(), QKeySequence("F3"));
  EXPECT_EQ(frame->Actions().findPrevious->shortcut(), QKeySequence("Shift+F3"));
  EXPECT_EQ(frame->Actions().find->shortcut(), QKeySequence("Ctrl+F"));

  QTest::keyClick(bar->Field(), Qt::Key_Escape);
  EXPECT_TRUE(bar->isHidden());
}

TEST_F(FindWindow, SelectAllMatchesThenRemoveSelectedRemovesExactlyThem) {
  SettingsDatabase& db = app.Document()->Database();
  Type("12692");
  bar->SelectAllButton()->click();
  EXPECT_EQ(Selected().size(), 10u);
  EXPECT_EQ(bar->Result(), "10 selected");
  view->Page(kTabChannels)->Button(ListButton::kRemoveSelected)->click();
  EXPECT_EQ(db.CountChannels(kAllTypes), 30);
  for (int row = 0; row < view->Channels()->rowCount(); ++row)
    EXPECT_EQ(view->Channels()->NodeAt(row)->GetTransponder()->Record().GetFrequency(), 11494);
  EXPECT_EQ(frame->Actions().undo->text(), "&Undo Remove Selected Channels");
}

TEST_F(FindWindow, WorksOnEveryTab) {
  view->ShowTab(kTabTransponders);
  Type("12692");
  ASSERT_EQ(Selected(kTabTransponders).size(), 1u);
  EXPECT_EQ(bar->Result(), "1 of 1");

  view->ShowTab(kTabSatellites);
  EXPECT_EQ(bar->Result(), "No matches") << "the result follows the tab";
  Type("hot b");
  ASSERT_EQ(Selected(kTabSatellites).size(), 1u);
  EXPECT_EQ(List(kTabSatellites)->model()->index(Selected(kTabSatellites).front(), 1).data(),
            "Hot Bird");

  view->ShowTab(kTabSettings);
  const QString category = view->Categories()->index(2, 0).data().toString();
  Type(category.toLower());
  EXPECT_EQ(Selected(kTabSettings), std::vector<int>{2});
}

TEST_F(FindWindow, TheBarIsNamedForAssistiveTechnology) {
  frame->Actions().find->trigger();
  EXPECT_EQ(bar->accessibleName(), "Find bar");
  EXPECT_EQ(bar->Field()->accessibleName(), "Find text");
  EXPECT_EQ(bar->PreviousButton()->accessibleName(), "Find previous");
  EXPECT_EQ(bar->NextButton()->accessibleName(), "Find next");
  EXPECT_EQ(bar->SelectAllButton()->accessibleName(), "Select all matches");
  EXPECT_EQ(bar->CloseButton()->accessibleName(), "Close find bar");
  Type("zz");
  EXPECT_EQ(bar->findChild<QLabel*>("Find result")->accessibleDescription(), "No matches");
  bar->CloseButton()->click();
  EXPECT_TRUE(bar->isHidden());
}

}  // namespace
}  // namespace vq::test
