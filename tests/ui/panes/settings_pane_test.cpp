// The receiver settings pane over the grid's bookkeeping: each category's
// rows and values, the rows that follow others, the checks with their
// messages, the timers and the commit of the category shown.

#include <gtest/gtest.h>

#include "database/settings_database.h"
#include "editing/fake_editing_view.h"
#include "editing/settings/settings_categories.h"
#include "editing/settings/settings_values.h"
#include "support/database_builder.h"
#include "ui/app/config/editor_config.h"
#include "ui/grid/grid_controller.h"
#include "ui/panes/pane_context.h"
#include "ui/panes/settings_pane.h"

namespace vq::test {
namespace {

using namespace settings_rows;

class ChannelChooser : public ScriptedPrompter {
 public:
  std::optional<int> SelectChannel() override {
    ++channelDialogs;
    return channel;
  }
  std::optional<int> channel;
  int channelDialogs = 0;
};

class SettingsPaneTest : public ::testing::Test, public PaneContext, public GridListener {
 protected:
  void SetUp() override {
    db = MakeDatabase(kModelPvr);
    channels = AddChannels(*db, AddTransponders(*db, 0, 1).front(), kTv, 3);
    view = std::make_unique<FakeView>(*db);
    grid.insertColumn(0, "Name", 100);
    grid.insertColumn(1, "Value", 200);
  }

  EditingView& Editing() override { return *view; }
  Prompter* User() override { return &user; }
  EditorConfig& Config() override { return config; }
  void RebuildPane() override { pane.Show(); }
  void CommitPane(bool asking) override {
    pane.Commit(asking);
    RebuildPane();
  }
  void EditPending(bool pending) override { view->state.pendingEdit = pending; }
  int notify(const GridNotification& note) override { return pane.Notify(note); }
  void message(const std::string& text, const std::string&) override { messages.push_back(text); }

  void ShowCategory(int category) {
    config.CurrentSettingsItem = category;
    pane.Show();
  }
  std::string Text(int row, int column = 1) const { return grid.text(row, column); }
  bool Enabled(int row, int column = 1) const {
    return grid.cell(row, column)->has(CellFlag::Enabled);
  }
  bool Type(int row, const std::string& text) { return controller.commitText(row, 1, text); }
  bool Choose(int row, const std::string& option) {
    return controller.chooseOption(row, 1, grid.findOption(row, 1, option));
  }
  void Click(int row, int column = 1) {
    controller.leftPress(row, column, column == 1 ? CellPart::Box : CellPart::Body, false);
    controller.leftRelease();
  }
  void Press(int row, int column) {
    controller.leftPress(row, column, CellPart::Body, false);
    controller.leftRelease();
  }
  void Save() { Press(PropertyPane::kSaveDiscardRow, 0); }
  ReceiverConfig Stored() { return db->GetConfigRecord(); }

  std::unique_ptr<SettingsDatabase> db;
  std::vector<ChannelNode*> channels;
  std::unique_ptr<FakeView> view;
  ChannelChooser user;
  EditorConfig config;
  GridModel grid{this};
  GridController controller{grid};
  SettingsPane pane{grid, *this};
  std::vector<std::string> messages;
};

TEST_F(SettingsPaneTest, EveryCategoryIsOneOpenGroupThatDoesNotFold) {
  for (int category : {kSettingsTv, kSettingsLanguage, kSettingsTimeDate, kSettingsParental,
                       kSettingsUserInterface, kSettingsPower, kSettingsNetwork, kSettingsOther,
                       kSettingsHidden}) {
    ShowCategory(category);
    SCOPED_TRACE(category);
    EXPECT_FALSE(Enabled(PropertyPane::kShowHideRow, 0));
    for (const SettingGroup& group : SettingGroups(category)) {
      EXPECT_TRUE(grid.isExpanded(group.row));
      EXPECT_FALSE(Enabled(group.row, 0));
      EXPECT_EQ(Text(group.row), group.valueText);
    }
    EXPECT_EQ(grid.shownRows().size(),
              SettingGroups(category).size() + SettingRows(category).size() + 4);
  }
  ShowCategory(kSettingsTv);
  EXPECT_EQ(Text(kTvGroup), "Settings");
}

TEST_F(SettingsPaneTest, TvSystemReRangesTheUhfChannel) {
  ShowCategory(kSettingsTv);
  EXPECT_EQ(Text(kTvSystem), "PAL-B/G");
  ASSERT_TRUE(Type(kUhfChannel, "69"));
  ASSERT_TRUE(Choose(kTvSystem, "PAL-D/K"));
  EXPECT_EQ(grid.cell(kUhfChannel, 1)->value, 61);
  EXPECT_EQ(grid.cell(kUhfChannel, 1)->maximum, 61);
  ASSERT_TRUE(Choose(kTvSystem, "NTSC-M"));
  EXPECT_EQ(grid.cell(kUhfChannel, 1)->value, 61) << "inside NTSC-M's 14..81";
  ASSERT_TRUE(Type(kUhfChannel, "80"));
  ASSERT_TRUE(Type(kBrightness, "-5"));
  Save();
  EXPECT_EQ(Stored().GetTvSystem(), 0);
  EXPECT_EQ(Stored().GetUhfChannel(), 80);
  EXPECT_EQ(Stored().GetBrightness(), -5);
  EXPECT_EQ(view->LastStatus(), "Saved settings changes!");
}

TEST_F(SettingsPaneTest, PreferredLanguagesFollowTheirBoxAndMenuUsesTheMenuTable) {
  Stored().SetMenuLanguage(12);
  ShowCategory(kSettingsLanguage);
  EXPECT_EQ(Text(kMenuLanguage), "Polish");
  EXPECT_EQ(grid.optionCount(kMenuLanguage, 1), 13);
  EXPECT_TRUE(Enabled(kMainAudio));
  Click(kPreferred);
  for (int row : {kMainAudio, kAlternativeAudio, kMainSubtitle, kAlternativeSubtitle})
    EXPECT_FALSE(Enabled(row)) << row;
  Click(kPreferred);
  ASSERT_TRUE(Choose(kAlternativeSubtitle, "Greek"));
  Save();
  EXPECT_EQ(Stored().GetAlternativeSubtitleLanguageText(), "Greek");
}

TEST_F(SettingsPaneTest, AddressesAreCheckedAndShownInFullForm) {
  ShowCategory(kSettingsNetwork);
  ASSERT_TRUE(Type(kLocalIp, "192.168.001.010"));
  EXPECT_EQ(Text(kLocalIp), "192.168.001.010");
  ASSERT_TRUE(Type(kGateway, "10.0.0.1"));
  EXPECT_EQ(Text(kGateway), "010.000.000.001");
  const std::string mask = Text(kSubnetMask);
  for (const char* bad : {"192.168.1", "256.1.1.1", "1.2.3.4.5", "a.b.c.d"}) {
    messages.clear();
    Type(kSubnetMask, bad);
    EXPECT_EQ(messages, (std::vector<std::string>{"Invalid IP address!"})) << bad;
    EXPECT_EQ(Text(kSubnetMask), mask) << bad;
  }
  ASSERT_TRUE(Type(kNetworkId, "user-name-too-long"));
  EXPECT_EQ(Text(kNetworkId), "user-name-t") << "cut to 11 characters";
  ASSERT_TRUE(Choose(kConnectionMode, "Auto"));
  Save();
  const ReceiverConfig stored = Stored();
  EXPECT_EQ(stored.GetLocalIp(), (Ipv4Address{192, 168, 1, 10}));
  EXPECT_EQ(stored.GetGateway(), (Ipv4Address{10, 0, 0, 1}));
  EXPECT_EQ(stored.GetNetworkId(), "user-name-t");
  EXPECT_EQ(stored.GetConnectionMode(), 1);
}

TEST_F(SettingsPaneTest, LocationAndLockCodeRefuseWhatDoesNotParse) {
  ShowCategory(kSettingsOther);
  EXPECT_EQ(Text(kBaseGroup), "Location");
  ASSERT_TRUE(Type(kLongitude, "13.4e"));
  EXPECT_EQ(Text(kLongitude), "13.4E") << "shown again in the pane's form";
  Type(kLatitude, "52.5X");
  EXPECT_EQ(messages, (std::vector<std::string>{"Invalid Longitude Value!"}));
  EXPECT_EQ(Text(kLatitude), "0.0N");
  Save();
  EXPECT_EQ(Stored().GetLongitude(), 134);

  ShowCategory(kSettingsParental);
  EXPECT_TRUE(grid.cell(kLockCode, 1)->has(CellFlag::DigitsOnly));
  EXPECT_EQ(Text(kLockCode), "1234");
  messages.clear();
  Type(kLockCode, "12");
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(Text(kLockCode), "1234");
  ASSERT_TRUE(Type(kLockCode, "0815"));
  ASSERT_TRUE(Choose(kAgeLimit, "12"));
  Save();
  EXPECT_EQ(Stored().GetPasswordText(), "0815");
  EXPECT_EQ(Stored().GetAgeLimit(), 12);
}

TEST_F(SettingsPaneTest, GmtOffsetListsEveryHalfHourFromMinusTwelve) {
  ShowCategory(kSettingsTimeDate);
  const std::vector<std::string> options = grid.options(kGmtOffset, 1);
  ASSERT_EQ(options.size(), 48u);
  EXPECT_EQ(options.front(), "GMT -12:00");
  EXPECT_EQ(options.back(), "GMT +11:30");
  EXPECT_EQ(Text(kGmtOffset), "GMT +00:00");
  EXPECT_EQ(Text(kClock), Stored().GetClockText());
  ASSERT_TRUE(Type(kClock, "31/12/2027 23:58"));
  ASSERT_TRUE(Choose(kGmtOffset, "GMT -01:30"));
  Save();
  EXPECT_EQ(Stored().GetClockText(), "31/12/2027 23:58");
  EXPECT_EQ(Stored().GetGmtOffset(), 21);
}

TEST_F(SettingsPaneTest, TimerModeReKindsItsStartAndEnablesItsRows) {
  config.ExpandSettTimer3 = 1;
  ShowCategory(kSettingsTimer);
  EXPECT_TRUE(Enabled(PropertyPane::kShowHideRow, 0)) << "the timers fold";
  EXPECT_TRUE(grid.isExpanded(kTimerGroup));
  EXPECT_TRUE(grid.isExpanded(TimerRow(2, kTimerSub)));
  EXPECT_FALSE(grid.isExpanded(TimerRow(0, kTimerSub)));
  const int start = TimerRow(2, kTimerStart);
  EXPECT_EQ(Text(TimerRow(2, kTimerSub)), "Not Defined");
  EXPECT_EQ(grid.cell(start, 1)->kind, RowKind::None);
  EXPECT_EQ(Text(TimerRow(2, kTimerChannel)), "Not Defined");
  for (int part : {kTimerStart, kTimerButtons, kTimerDuration, kTimerHddSave})
    EXPECT_FALSE(Enabled(TimerRow(2, part))) << part;

  ASSERT_TRUE(Choose(TimerRow(2, kTimerSub), "Weekly"));
  EXPECT_EQ(grid.cell(start, 1)->kind, RowKind::DateTime);
  EXPECT_TRUE(Enabled(TimerRow(2, kTimerButtons)));
  ASSERT_TRUE(Choose(TimerRow(2, kTimerSub), "Once"));
  ASSERT_TRUE(Type(start, "20:15 24/12/2027"));
  EXPECT_EQ(Text(start), "20:15 24/12/2027");
  ASSERT_TRUE(Choose(TimerRow(2, kTimerSub), "Weekly"));
  EXPECT_EQ(Text(start),
            "20:15   24 (" + std::string(pane.Draft().View().GetTimerWeekdayText(2)) + ")");
  ASSERT_TRUE(Type(TimerRow(2, kTimerDuration), "01:45"));
  Click(TimerRow(2, kTimerHddSave));

  user.channel = channels[1]->GetTableIndex();
  Press(TimerRow(2, kTimerButtons), 1);
  EXPECT_EQ(user.channelDialogs, 1);
  EXPECT_EQ(Text(TimerRow(2, kTimerChannel)), channels[1]->Record().GetName());
  Save();
  const ReceiverConfig stored = Stored();
  EXPECT_EQ(stored.GetTimerMode(2), kTimerWeekly);
  EXPECT_EQ(stored.GetTimerStartDate(2).day, 24);
  EXPECT_EQ(stored.GetTimerDuration(2), 105);
  EXPECT_TRUE(stored.IsTimerHddSave(2));
  EXPECT_EQ(stored.GetTimerChannel(2), channels[1]->GetTableIndex());

  Press(TimerRow(2, kTimerButtons), 0);
  EXPECT_EQ(Text(TimerRow(2, kTimerChannel)), "Not Defined");
  Save();
  EXPECT_EQ(Stored().GetTimerChannel(2), kNoTimerChannel);
}

TEST_F(SettingsPaneTest, StartWithoutAStoredDateIsTypedAsText) {
  Stored().SetTimerMode(1, kTimerOnce);  // the date stays MJD 0
  config.ExpandSettTimer2 = 1;
  ShowCategory(kSettingsTimer);
  const int start = TimerRow(1, kTimerStart);
  EXPECT_EQ(grid.cell(start, 1)->kind, RowKind::Text);
  EXPECT_EQ(Text(start), "00:00 --/--/----") << "not the picker's idea of now";
  ASSERT_TRUE(Type(start, "07:30 01/05/2028"));
  EXPECT_EQ(grid.cell(start, 1)->kind, RowKind::DateTime);
  EXPECT_EQ(Text(start), "07:30 01/05/2028");
  Save();
  EXPECT_EQ(Stored().GetTimerStartDate(1).month, 5);
}

TEST_F(SettingsPaneTest, ValuesThePickerCannotHoldAreShownAsTheyStand) {
  Stored().SetTimerMode(3, kTimerDaily);
  Stored().SetTimerDuration(3, 25 * 60);
  config.ExpandSettTimer4 = 1;
  ShowCategory(kSettingsTimer);
  const int duration = TimerRow(3, kTimerDuration);
  EXPECT_EQ(Text(duration), "25:00") << "not the time of day now";
  ASSERT_TRUE(Type(duration, "02:15"));
  EXPECT_EQ(grid.cell(duration, 1)->kind, RowKind::DateTime);

  Stored().SetClockMonth(13);
  ShowCategory(kSettingsTimeDate);
  EXPECT_EQ(grid.cell(kClock, 1)->kind, RowKind::Text);
  EXPECT_EQ(Text(kClock), Stored().GetClockText());
  ASSERT_TRUE(Type(kClock, "01/02/2030 10:00"));
  Save();
  EXPECT_EQ(Stored().GetClockMonth(), 2);
}

TEST_F(SettingsPaneTest, CancelledChannelDialogChangesNothing) {
  Stored().SetTimerMode(0, kTimerDaily);
  ShowCategory(kSettingsTimer);
  Press(TimerRow(0, kTimerButtons), 1);
  EXPECT_EQ(user.channelDialogs, 1);
  EXPECT_FALSE(pane.IsModified());
  EXPECT_FALSE(view->state.pendingEdit);
}

TEST_F(SettingsPaneTest, CommitWritesTheCategoryTheDraftWasBuiltFor) {
  ShowCategory(kSettingsPower);
  Click(kLnbPower);
  ASSERT_TRUE(view->state.pendingEdit);
  // The list moved on; the pending edit still belongs to the power rows.
  config.CurrentSettingsItem = kSettingsHidden;
  pane.Commit(true);
  EXPECT_FALSE(Stored().IsLnbPower());
}

}  // namespace
}  // namespace vq::test
