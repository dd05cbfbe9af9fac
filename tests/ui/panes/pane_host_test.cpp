// The pane host in a real PropertyGrid over the fake view: the value column,
// an edit still open in the grid, selection changes reported after the fact
// and what assistive technology reads from the pane.

#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

#include "editing/fake_editing_view.h"
#include "editing/commands/favorite_commands.h"
#include "support/database_builder.h"
#include "ui/app/config/editor_config.h"
#include "ui/grid/grid_accessible.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/channel_pane.h"
#include "ui/panes/channel_pane_rows.h"
#include "ui/panes/pane_host.h"

namespace vq::test {
namespace {

using namespace channel_rows;

// As in the window, a rebuilt channel list or a new selection reports a
// selection change.
class HostView : public FakeView {
 public:
  using FakeView::FakeView;
  void CommitPane(bool asking) override {
    FakeView::CommitPane(asking);
    if (host) host->CommitPane(asking);
  }
  void Refill(EditList list) override {
    FakeView::Refill(list);
    if (host && list == EditList::kChannels) host->SelectionChanged(kTabChannels);
  }
  void SelectRows(EditList list, const std::vector<int>& rows) override {
    FakeView::SelectRows(list, rows);
    if (host && list == EditList::kChannels) host->SelectionChanged(kTabChannels);
  }
  void MarkModified() override {
    FakeView::MarkModified();
    if (host) host->DatabaseChanged();
  }
  PaneHost* host = nullptr;
};

class PaneHostTest : public ::testing::Test {
 protected:
  PaneHostTest() {
    grid.insertColumn(0, "Name", 100);
    grid.insertColumn(1, "Value", 200);
    grid.resize(420, 600);
    grid.setMessageHandler([this](const QString& text, const QString&) { messages << text; });
    view.host = &host;
    host.SetUser(&user);
    grid.show();
    QApplication::processEvents();
  }

  void Select(const std::vector<int>& rows) {
    view.Select(EditList::kChannels, rows);
    host.SelectionChanged(kTabChannels);
  }
  int ScrollBar() const {
    return grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &grid);
  }

  std::unique_ptr<SettingsDatabase> db = [] {
    auto made = MakeDatabase(kModelPvr);
    AddChannels(*made, AddTransponders(*made, 0, 1).front(), kTv, 8);
    return made;
  }();
  HostView view{*db};
  ScriptedPrompter user;
  EditorConfig config;
  PropertyGrid grid;
  PaneHost host{grid, view, config};
  QStringList messages;
};

ChannelRecord RecordAt(HostView& view, int row) {
  return view.ChannelAt(EditList::kChannels, row)->Record();
}

// The window system confirms a new size, and the style and font arrive,
// through events a loaded machine delivers later: the columns are checked
// once the grid has its size and they have settled, within a generous bound.
TEST_F(PaneHostTest, TheValueColumnFillsTheGridAlsoWhenResized) {
  const auto fills = [this](int width) {
    return QTest::qWaitFor(
        [&] {
          return grid.width() == width &&
                 grid.columnWidth(1) == width - grid.columnWidth(0) - 4 - ScrollBar();
        },
        10000);
  };
  Select({0});
  EXPECT_GE(grid.columnWidth(0), 100) << "the label column is never narrower than its usual width";
  EXPECT_TRUE(fills(420)) << grid.width() << " " << grid.columnWidth(0) << " " << grid.columnWidth(1);
  grid.resize(600, 600);
  EXPECT_TRUE(fills(600)) << grid.width() << " " << grid.columnWidth(0) << " " << grid.columnWidth(1);
}

TEST_F(PaneHostTest, AnEditStillOpenInTheGridIsCommittedFirst) {
  config.ExpandChanGeneral = 1;
  config.PostEditAction = 1;
  Select({2});
  ASSERT_TRUE(grid.editCell(kName, 1));
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, "Typed");
  host.CommitPendingEdits();
  EXPECT_EQ(RecordAt(view, 2).GetName(), "Typed");
  EXPECT_FALSE(grid.isEditing());
  EXPECT_FALSE(view.state.pendingEdit);
}

TEST_F(PaneHostTest, ReportsWhetherThePaneHoldsAnEdit) {
  QSignalSpy changed(&host, &PaneHost::editStateChanged);
  config.ExpandChanIDs = 1;
  Select({0});
  EXPECT_FALSE(host.HoldsEdit());
  ASSERT_TRUE(grid.editCell(kVideoPid, 1));
  EXPECT_TRUE(host.HoldsEdit()) << "typing may be under way";
  EXPECT_EQ(changed.count(), 1);
  grid.finishEditing();
  EXPECT_FALSE(host.HoldsEdit()) << "nothing was typed";
  EXPECT_EQ(changed.count(), 2) << "the closed editor is reported too";
  grid.activateCell(kLocked, 1);
  EXPECT_TRUE(host.HoldsEdit());
  EXPECT_EQ(changed.count(), 3);
  config.PostEditAction = 2;
  host.CommitPendingEdits();
  EXPECT_FALSE(host.HoldsEdit());
  EXPECT_GE(changed.count(), 4);
}

TEST_F(PaneHostTest, TheChosenChannelStaysChosenWhenTheOldOneLeavesTheList) {
  std::vector<ChannelNode*> scrambled;
  for (int row : {2, 3, 4}) scrambled.push_back(view.ChannelAt(EditList::kChannels, row));
  for (ChannelNode* c : scrambled) {
    c->Record().SetScrambled(true);
    db->LeaveFreeList(c);
  }
  view.ShowSource(kSourceScrambled);
  Select({0});
  grid.activateCell(kScrambled, 1);
  Select({2});
  EXPECT_EQ(view.channels, (std::vector<ChannelNode*>{scrambled[1], scrambled[2]}));
  EXPECT_EQ(view.SelectedRows(EditList::kChannels), std::vector<int>{1});
  EXPECT_EQ(grid.text(kNumber, 1), "2") << "the pane shows the chosen channel";
  EXPECT_FALSE(scrambled[0]->Record().IsScrambled());
}

TEST_F(PaneHostTest, ListsRebuiltByTheCommitDoNotRebuildThePaneUnderIt) {
  const std::vector<ChannelNode*> members = {view.ChannelAt(EditList::kChannels, 1),
                                             view.ChannelAt(EditList::kChannels, 2),
                                             view.ChannelAt(EditList::kChannels, 3)};
  for (ChannelNode* c : members) db->AddToFavoriteGroup(c, 1);
  view.ShowSource(kSourceFavorites + 1);
  Select({0, 1});
  // Leaving the listed group 2 rebuilds the list before group 6 is joined.
  grid.activateCell(kFavorite1 + 1, 1);
  grid.activateCell(kFavorite1 + 5, 1);
  grid.activateCell(PropertyPane::kSaveDiscardRow, 0);
  for (ChannelNode* c : {members[0], members[1]}) {
    EXPECT_EQ(c->Record().GetFavoritePlace(1), 0);
    EXPECT_NE(c->Record().GetFavoritePlace(5), 0) << "written after the list lost the rows";
  }
  EXPECT_EQ(view.channels, std::vector<ChannelNode*>{members[2]});
  EXPECT_FALSE(host.Current()->IsModified());
}

TEST_F(PaneHostTest, ChangesMadeElsewhereRefreshThePaneBeforeItsNextEdit) {
  ChannelNode* shown = view.ChannelAt(EditList::kChannels, 1);
  db->AddToFavoriteGroup(shown, 2);
  Select({1});
  EXPECT_EQ(grid.cell(kFavorite1 + 2, 1)->checkState(), 1);
  // "Remove All" under the favourites list empties the group.
  view.favoriteGroup = 2;
  view.Refill(EditList::kFavorites);
  RemoveAllFavorites(view);
  EXPECT_EQ(grid.cell(kFavorite1 + 2, 1)->checkState(), 0) << "the pane shows the change";
  config.PostEditAction = 1;
  grid.activateCell(kLocked, 1);
  host.CommitPendingEdits();
  EXPECT_TRUE(shown->Record().IsLocked()) << "the edit started from the records as they are";
}

TEST_F(PaneHostTest, EveryPaneRowIsReachableWithNameAndValue) {
  Select({0});
  grid.activateCell(PropertyPane::kShowHideRow, 0);
  QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&grid);
  ASSERT_NE(root, nullptr);
  ASSERT_EQ(root->childCount(), static_cast<int>(grid.shownRows().size()) * 2);
  QStringList named;
  for (int i = 0; i < root->childCount(); i += 2) {
    QAccessibleInterface* value = root->child(i + 1);
    const int row = grid.shownRows()[static_cast<size_t>(i / 2)];
    if (row == PropertyPane::kTopSpacerRow || row == PropertyPane::kBottomSpacerRow) continue;
    EXPECT_FALSE(value->text(QAccessible::Name).isEmpty()) << row;
    named << value->text(QAccessible::Name) + "=" + value->text(QAccessible::Value);
  }
  EXPECT_TRUE(named.contains("Hide All=Hide All"));
  EXPECT_TRUE(named.contains("Discard=Discard"));
  EXPECT_TRUE(named.contains("Video PID=0"));
  EXPECT_TRUE(named.contains("CAS=Free"));
  EXPECT_TRUE(named.contains("Favorite 2=MOVIE"));
  EXPECT_TRUE(named.contains("Frequency=10700 MHz"));

  QAccessibleInterface* locked = GridAccessible::cellInterface(grid, kLocked, 1);
  ASSERT_NE(locked, nullptr);
  EXPECT_EQ(locked->role(), QAccessible::CheckBox);
  locked->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(locked->state().checked);
  EXPECT_TRUE(view.state.pendingEdit);
  QAccessibleInterface* track = GridAccessible::cellInterface(grid, kTrack1, 1);
  EXPECT_EQ(track->role(), QAccessible::RadioButton);
  EXPECT_EQ(track->text(QAccessible::Name), "Track 1");
  EXPECT_TRUE(track->state().checked);
  EXPECT_TRUE(GridAccessible::cellInterface(grid, kTrack1 + 1, 1)->state().disabled);
}

}  // namespace
}  // namespace vq::test
