// The receiver settings pane in the real editor window: the category list
// with the network box and the code word, values typed and picked in the
// grid's own editors, the checks' messages, the timer's channel from the
// "Select Channel" dialog, and a saved file that loads back the record.

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <cstring>

#include "../dialogs/modal_answer.h"
#include "../view/view_fixture.h"
#include "editing/settings/settings_categories.h"
#include "editing/settings/settings_values.h"
#include "support/grid_editor.h"
#include "ui/app/editor_application.h"
#include "ui/app/config/editor_config.h"
#include "ui/app/frame/main_frame.h"
#include "ui/dialogs/dialog_prompter.h"
#include "ui/dialogs/select_channel_dialog.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/pane_host.h"
#include "ui/panes/property_pane.h"
#include "ui/panes/settings_pane_rows.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/settings_category_model.h"
#include "ui/view/statistics_panel.h"

namespace vq::test {
namespace {

using namespace settings_rows;
using Record = std::array<uint8_t, ReceiverConfig::kSize>;

// Says yes to "Save changes?" and picks channels in the real dialog.
class SettingsUser : public Prompter {
 public:
  explicit SettingsUser(const SettingsDatabase& db) : dialogs_(db, "VQChannelEditor") {}
  void Tell(const std::string& text) override { told.push_back(text); }
  bool AskYesNo(const std::string& text, const std::string&) override {
    asked.push_back(text);
    return true;
  }
  int AskThreeWay(const std::string&, const std::string&, const std::string&, const std::string&,
                  const std::string&) override {
    return 0;
  }
  std::optional<int> SelectSatellite() override { return std::nullopt; }
  std::optional<int> SelectTransponder(int) override { return std::nullopt; }
  std::optional<int> SelectChannel() override { return dialogs_.SelectChannel(); }

  std::vector<std::string> told, asked;

 private:
  DialogPrompter dialogs_;
};

class SettingsWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    file = dir.filePath("small.bin");
    ASSERT_TRUE(WriteSettings(*MakeSmallDatabase(), file));
    ASSERT_TRUE(app.Start({"vqchanneleditor", "--profile", dir.filePath("e.ini"), file}));
    app.Frame()->activateWindow();
    QApplication::processEvents();
    view = app.Frame()->View();
    user = std::make_unique<SettingsUser>(Db());
    view->SetPrompter(user.get());
    grid = view->Pane();
    categories = view->Page(kTabSettings)->List();
    view->Tabs()->setCurrentIndex(kTabSettings);
  }

  SettingsDatabase& Db() { return app.Document()->Database(); }
  ReceiverConfig Stored() { return Db().GetConfigRecord(); }
  Record Bytes() {
    Record record;
    std::memcpy(record.data(), Db().GetConfigBytes(), record.size());
    return record;
  }
  void ShowCategory(int code) {
    const int row = view->Categories()->RowOfCode(code);
    ASSERT_GE(row, 0) << code;
    categories->SelectOnlyRow(row);
  }
  int ShownCategory() const {
    const std::vector<int> rows = categories->SelectedRows();
    return rows.size() == 1 ? view->Categories()->CodeAt(rows.front()) : -1;
  }
  void Type(int row, const QString& text) {
    ASSERT_TRUE(grid->editCell(row, 1)) << row;
    QLineEdit* edit = OpenGridEditor<QLineEdit>(grid);
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  void Choose(int row, const QString& option) { ChooseGridOption(grid, row, option); }
  void Pick(int row, const QDateTime& value) {
    ASSERT_TRUE(grid->editCell(row, 1)) << row;
    auto* picker = OpenGridEditor<QDateTimeEdit>(grid);
    ASSERT_NE(picker, nullptr);
    picker->setDateTime(value);
    QTest::keyClick(picker, Qt::Key_Return);
  }
  void Save() { grid->activateCell(PropertyPane::kSaveDiscardRow, 0); }
  std::string Text(int row) const { return grid->text(row, 1).toStdString(); }

  QTemporaryDir dir;
  QString file;
  EditorApplication app;
  std::unique_ptr<SettingsUser> user;
  CVQChannelEditorView* view = nullptr;
  PropertyGrid* grid = nullptr;
  RecordTableView* categories = nullptr;
};

// With AutoSave the save rebuilds the pane at once; the mode chosen on a
// timer still closes that timer's group.
TEST_F(SettingsWindowTest, AChosenTimerModeClosesItsTimerAlsoWithAutoSave) {
  app.Config().AutoSave = 1;
  app.Config().ColapseAfterSelection = 1;
  ShowCategory(kSettingsTimer);
  grid->activateCell(PropertyPane::kShowHideRow, 0);
  ASSERT_TRUE(grid->isExpanded(TimerRow(2, kTimerSub)));
  Choose(TimerRow(2, kTimerSub), "Weekly");
  EXPECT_EQ(Stored().GetTimerMode(2), 5);
  EXPECT_FALSE(grid->isExpanded(TimerRow(2, kTimerSub)));
  EXPECT_EQ(app.Config().ExpandSettTimer3, 0);
  EXPECT_TRUE(grid->isExpanded(TimerRow(1, kTimerSub)));
}

TEST_F(SettingsWindowTest, NetworkCategoryIsListedOnlyWhileTheBoxIsTicked) {
  SettingsCategoryModel* model = view->Categories();
  ASSERT_EQ(model->RowOfCode(kSettingsNetwork), -1);
  ShowCategory(kSettingsOther);
  ASSERT_TRUE(grid->rowExists(kVolumeGroup));
  QCheckBox* box = view->Statistics()->NetworkBox();
  box->click();
  EXPECT_TRUE(box->isChecked());
  EXPECT_EQ(model->RowOfCode(kSettingsNetwork), model->RowOfCode(kSettingsOther) - 1);
  EXPECT_EQ(model->index(model->RowOfCode(kSettingsNetwork), 0).data().toString(),
            "Network Settings");
  EXPECT_EQ(ShownCategory(), kSettingsOther) << "the category shown stays";

  ShowCategory(kSettingsNetwork);
  ASSERT_TRUE(grid->rowExists(kLocalIp));
  QString message;
  AnswerNextMessage(&message);
  Type(kLocalIp, "256.1.1.1");
  EXPECT_EQ(message, "Invalid IP address!");
  EXPECT_EQ(Text(kLocalIp), Stored().GetLocalIpText());
  Type(kLocalIp, "192.168.001.010");
  ASSERT_TRUE(view->State().pendingEdit);

  // Clearing the box lands the pending edit, then the category leaves and
  // the pane shows the one that took its place.
  box->click();
  EXPECT_FALSE(box->isChecked());
  EXPECT_EQ(user->asked, (std::vector<std::string>{"Save changes?"}));
  EXPECT_EQ(Stored().GetLocalIpText(), "192.168.001.010");
  EXPECT_EQ(model->RowOfCode(kSettingsNetwork), -1);
  EXPECT_EQ(ShownCategory(), kSettingsOther);
  EXPECT_TRUE(grid->rowExists(kVolumeGroup));
  EXPECT_FALSE(grid->rowExists(kLocalIp));
  EXPECT_EQ(app.Config().CurrentSettingsItem, kSettingsOther);
}

TEST_F(SettingsWindowTest, CodeWordRevealsTheHiddenCategory) {
  categories->setFocus();
  for (const char ch : std::string("RunPath")) {
    const bool upper = ch >= 'A' && ch <= 'Z';
    Qt::KeyboardModifiers modifiers = Qt::ControlModifier | Qt::AltModifier;
    if (upper) modifiers |= Qt::ShiftModifier;
    QTest::keyClick(categories, static_cast<Qt::Key>(Qt::Key_A + (std::toupper(ch) - 'A')),
                    modifiers);
  }
  ASSERT_TRUE(view->Categories()->HasHidden());
  ShowCategory(kSettingsHidden);
  grid->activateCell(kDiagnostics, 1);
  grid->activateCell(kNoCard, 1);
  Save();
  EXPECT_TRUE(Stored().IsDiagnostics());
  EXPECT_TRUE(Stored().IsNoCard()) << "stored inverted: 0 is set";
  EXPECT_EQ(Stored().GetByte(115), 0);
  EXPECT_EQ(app.Frame()->StatusText(), "Saved settings changes!");
}

// Which bytes a category writes is the settings commit test's business.
TEST_F(SettingsWindowTest, TimeCategoryIsSavedAndTheFileLoadsItBack) {
  ShowCategory(kSettingsTimeDate);
  Pick(kClock, QDateTime(QDate(2029, 2, 28), QTime(21, 7)));
  EXPECT_EQ(Text(kClock), "28/02/2029 21:07");
  Choose(kGmtOffset, "GMT +05:30");
  grid->activateCell(kAutoUpdate, 1);
  Save();
  const Record after = Bytes();
  EXPECT_EQ(Stored().GetClockText(), "28/02/2029 21:07");
  EXPECT_EQ(Stored().GetClockDayOfWeek(), 3) << "a Wednesday";
  EXPECT_EQ(Stored().GetGmtOffsetText(), "GMT +05:30");

  ASSERT_TRUE(app.Document()->Save());
  app.Document()->NewDocument();
  ASSERT_TRUE(app.Document()->OpenDocument(file));
  EXPECT_EQ(std::memcmp(Db().GetConfigBytes(), after.data(), ReceiverConfig::kShortSize), 0);
  EXPECT_EQ(ShownCategory(), kSettingsTimeDate) << "the category stays chosen";
}

TEST_F(SettingsWindowTest, TimerTakesItsChannelFromTheSelectChannelDialog) {
  app.Config().ExpandSettTimer1 = 1;
  ShowCategory(kSettingsTimer);
  Choose(TimerRow(0, kTimerSub), "Daily");
  EXPECT_FALSE(grid->isExpanded(TimerRow(0, kTimerSub))) << "a mode chosen closes its timer";
  grid->expand(TimerRow(0, kTimerSub));
  EXPECT_TRUE(grid->cell(TimerRow(0, kTimerButtons), 1)->has(CellFlag::Enabled));
  Pick(TimerRow(0, kTimerStart), QDateTime(QDate(2002, 1, 1), QTime(6, 45)));
  EXPECT_EQ(Text(TimerRow(0, kTimerStart)), "06:45");

  std::vector<ChannelNode*> tv;
  Db().CollectChannels(tv, kTv, kFilterNone);
  AnswerNextModal([](QWidget* modal) {
    auto* dialog = qobject_cast<SelectChannelDialog*>(modal);
    if (!dialog) return;
    dialog->List()->SelectOnlyRow(3);
    dialog->accept();
  });
  grid->activateCell(TimerRow(0, kTimerButtons), 1);
  EXPECT_EQ(Text(TimerRow(0, kTimerChannel)), tv[3]->Record().GetName());
  Save();
  EXPECT_EQ(Stored().GetTimerMode(0), kTimerDaily);
  EXPECT_EQ(Stored().GetTimerHour(0), 6);
  EXPECT_EQ(Stored().GetTimerChannel(0), tv[3]->GetTableIndex());

  // Deleting the channel leaves the timer without one.
  view->Tabs()->setCurrentIndex(kTabChannels);
  Db().DeleteChannels({tv[3]});
  emit view->databaseChanged();
  view->Tabs()->setCurrentIndex(kTabSettings);
  EXPECT_EQ(Text(TimerRow(0, kTimerChannel)), "Not Defined");
}

TEST_F(SettingsWindowTest, RememberedCodeSevenLandsOnOtherWithoutTheNetwork) {
  app.Config().CurrentSettingsItem = kSettingsNetwork;
  app.Document()->NewDocument();
  ASSERT_TRUE(app.Document()->OpenDocument(file));
  EXPECT_EQ(ShownCategory(), kSettingsOther);
  EXPECT_TRUE(grid->rowExists(kF1Button));
}

}  // namespace
}  // namespace vq::test
