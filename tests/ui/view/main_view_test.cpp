// The main view over a real document: load timing texts, selector choices,
// tabs keeping selections, and the hidden settings code word.

#include <QComboBox>
#include <QHeaderView>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include "ui/view/channel_list_model.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/selector_bar.h"
#include "ui/view/settings_category_model.h"
#include "ui/view/transponder_list_model.h"
#include "view_fixture.h"

namespace vq::test {
namespace {

QStringList Texts(const QSignalSpy& spy) {
  QStringList texts;
  for (const QList<QVariant>& call : spy) texts << call.front().toString();
  return texts;
}

TEST_F(ViewFixture, OpeningReportsTheLoadTimeAndNewDoesNot) {
  qint64 now = 1000;
  view.SetClock([&now] { return now += 250; });
  QSignalSpy status(&view, &CVQChannelEditorView::statusText);
  ASSERT_TRUE(document.OpenDocument(path));
  EXPECT_EQ(Texts(status),
            QStringList({"Loading settings file...", "Settings file loaded in 0.25 sec!"}));

  status.clear();
  ASSERT_TRUE(document.NewDocument());
  EXPECT_TRUE(Texts(status).isEmpty());
  EXPECT_EQ(view.Channels()->rowCount(), 0);
}

TEST_F(ViewFixture, ChoosingSelectorsRefillsWithStatusTexts) {
  ASSERT_TRUE(document.OpenDocument(path));
  SelectorBar* bar = view.Page(kTabChannels)->Bar();
  QSignalSpy status(&view, &CVQChannelEditorView::statusText);
  bar->Second()->setCurrentIndex(kRadio);
  emit bar->Second()->activated(kRadio);
  EXPECT_EQ(view.State().shownChannelType, kRadio);
  EXPECT_EQ(view.Channels()->rowCount(), 3);
  EXPECT_EQ(Texts(status), QStringList({"Please wait ...", "Ready!"}));

  QTest::mouseClick(bar->Next(), Qt::LeftButton);  // "Free"
  EXPECT_EQ(view.State().channelListSource, kSourceFree);
  view.SetShownChannelType(kData);
  EXPECT_EQ(view.State().channelListSource, kSourceAll) << "data channels list all";
  EXPECT_FALSE(bar->First()->isEnabled());
  view.SetShownChannelType(kTv);
  view.SetChannelListSource(kSourceFavorites);
  EXPECT_EQ(view.Channels()->rowCount(), 2);
  view.SetTransponderListSatellite(2);
  EXPECT_EQ(view.Transponders()->rowCount(), 0);
}

TEST_F(ViewFixture, TabsKeepSelectionsUnlessMarkedForRefill) {
  ASSERT_TRUE(document.OpenDocument(path));
  view.Page(kTabChannels)->List()->SelectRows({3, 5});
  view.Tabs()->setCurrentIndex(kTabTransponders);
  EXPECT_EQ(config.CurrentTab, kTabTransponders);
  view.Page(kTabTransponders)->List()->SelectOnlyRow(1);
  view.Tabs()->setCurrentIndex(kTabChannels);
  EXPECT_EQ(view.Page(kTabChannels)->List()->SelectedRows(), (std::vector<int>{3, 5}));
  view.Tabs()->setCurrentIndex(kTabTransponders);
  EXPECT_EQ(view.Page(kTabTransponders)->List()->SelectedRows(), (std::vector<int>{1}));

  view.State().refillChannels = true;
  view.Tabs()->setCurrentIndex(kTabChannels);
  EXPECT_EQ(view.Page(kTabChannels)->List()->SelectedRows(), (std::vector<int>{0}));
  EXPECT_FALSE(view.State().refillChannels);
}

TEST_F(ViewFixture, RememberedTabAndCategoryAreShownOnLoad) {
  config.CurrentTab = kTabSettings;
  config.CurrentSettingsItem = 8;
  ASSERT_TRUE(document.OpenDocument(path));
  EXPECT_EQ(view.Tabs()->currentIndex(), kTabSettings);
  EXPECT_EQ(view.Page(kTabSettings)->List()->SelectedRows(), (std::vector<int>{7}));
}

TEST_F(ViewFixture, CodeWordNeedsCtrlAndAlt) {
  ASSERT_TRUE(document.OpenDocument(path));
  view.show();
  view.Tabs()->setCurrentIndex(kTabSettings);
  RecordTableView* list = view.Page(kTabSettings)->List();
  const auto type = [list](Qt::KeyboardModifiers held) {
    for (QChar c : QString("RunPath")) {
      const Qt::KeyboardModifiers shift = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
      QTest::keyClick(list, static_cast<Qt::Key>(Qt::Key_A + (c.toUpper().unicode() - 'A')),
                      held | shift);
    }
  };
  type(Qt::NoModifier);
  type(Qt::ControlModifier);
  EXPECT_FALSE(view.Categories()->HasHidden());
  type(Qt::ControlModifier | Qt::AltModifier);
  EXPECT_TRUE(view.Categories()->HasHidden());
  EXPECT_EQ(view.Categories()->rowCount(), 9);
}

TEST_F(ViewFixture, NumberHeaderClickSortsDescending) {
  ASSERT_TRUE(document.OpenDocument(path));
  RecordTableView* list = view.Page(kTabChannels)->List();
  emit list->horizontalHeader()->sectionClicked(0);
  EXPECT_TRUE(view.State().channelsDescending);
  EXPECT_EQ(view.Channels()->index(0, 0).data().toString(), "40");
  emit list->horizontalHeader()->sectionClicked(1);
  EXPECT_TRUE(view.State().channelsDescending) << "only the number column sorts";
}

}  // namespace
}  // namespace vq::test
