// The transponder and satellite panes in the real editor window: every
// field edited from the grid for one record and for several, the checks
// that refuse a typed value with their message, the rows a choice
// enables, re-ranges or closes, and moves by a typed number, each saved
// to the file and read back.

#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "../dialogs/modal_answer.h"
#include "../view/view_fixture.h"
#include "editing/commands/prompter.h"
#include "support/grid_editor.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/grid/grid_accessible.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/pane_host.h"
#include "ui/panes/property_pane.h"
#include "ui/panes/satellite_pane.h"
#include "ui/panes/transponder_pane.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/satellite_list_model.h"
#include "ui/view/transponder_list_model.h"

namespace vq::test {
namespace {

class QuietUser : public Prompter {
 public:
  void Tell(const std::string& text) override { told.push_back(text); }
  bool AskYesNo(const std::string& text, const std::string&) override {
    told.push_back(text);
    return true;
  }
  int AskThreeWay(const std::string&, const std::string&, const std::string&, const std::string&,
                  const std::string&) override {
    return 0;
  }
  std::optional<int> SelectSatellite() override { return std::nullopt; }
  std::optional<int> SelectTransponder(int) override { return std::nullopt; }

  std::vector<std::string> told;
};

std::unique_ptr<SettingsDatabase> MakeDishDatabase() {
  auto db = MakeDatabase(kModelPvr);
  const char* names[] = {"Astra", "Empty", "Hotbird", "Moving", "Spare", "Spare 2", "Thor"};
  for (int n = 0; n < 7; ++n) db->GetSatelliteNode(n)->SetName(names[n]);
  LnbRecord astra = db->GetSatelliteNode(0)->Lnb();
  astra.SetType(1);
  astra.SetLowOscillator(9750);
  astra.SetHighOscillator(10600);
  LnbRecord hotbird = db->GetSatelliteNode(2)->Lnb();
  hotbird.SetType(0);
  hotbird.SetHighOscillator(5150);
  hotbird.Set22kHz(true);
  hotbird.SetSwitchType(10);
  hotbird.SetSwitchPort(7);
  db->GetSatelliteNode(6)->Satellite().SetMotorIndex(3);
  auto astraTps = AddTransponders(*db, 0, 3);
  astraTps[0]->Record().SetFec(0);
  astraTps[1]->Record().SetFec(4);
  AddChannels(*db, astraTps[0], kTv, 4);
  auto moving = AddTransponders(*db, 3, 2);
  AddChannels(*db, moving[0], kTv, 3);
  AddChannels(*db, moving[1], kRadio, 1);
  return db;
}

class RecordPaneWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    file = dir.filePath("dish.bin");
    ASSERT_TRUE(WriteSettings(*MakeDishDatabase(), file));
    ASSERT_TRUE(app.Start({"vqchanneleditor", "--profile", dir.filePath("e.ini"), file}));
    app.Frame()->activateWindow();
    QApplication::processEvents();
    view = app.Frame()->View();
    view->SetPrompter(&user);
    grid = view->Pane();
  }

  RecordTableView* List(int tab) { return view->Page(tab)->List(); }
  void Show(int tab, const std::vector<int>& rows) {
    view->ShowTab(tab);
    List(tab)->SelectRows(rows);
    grid->activateCell(PropertyPane::kShowHideRow, 0);
  }
  // Types into a text or number cell, as key presses carrying the
  // characters (Latin-1 letters arrive as a keyboard sends them).
  void Type(int row, const QString& text) {
    ASSERT_TRUE(grid->editCell(row, 1)) << row;
    QLineEdit* edit = OpenGridEditor<QLineEdit>(grid);
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
    KeyIn(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  // Types into the edit box of an editable option list.
  void TypeOption(int row, const QString& text) {
    ASSERT_TRUE(grid->editCell(row, 1)) << row;
    QComboBox* combo = OpenGridEditor<QComboBox>(grid);
    ASSERT_NE(combo, nullptr);
    ASSERT_TRUE(combo->isEditable());
    combo->lineEdit()->setText(text);
    grid->finishEditing();
  }
  void Choose(int row, const QString& option) { ChooseGridOption(grid, row, option); }
  // Types and returns the message the pane refused it with.
  QString Refused(int row, const QString& text, bool option = false) {
    QString message;
    AnswerNextMessage(&message);
    if (option)
      TypeOption(row, text);
    else
      Type(row, text);
    return message;
  }
  void Save() { grid->activateCell(PropertyPane::kSaveDiscardRow, 0); }
  std::string Text(int row) { return grid->text(row, 1).toLatin1().toStdString(); }
  bool Enabled(int row) { return grid->cell(row, 1)->has(CellFlag::Enabled); }
  std::string Summary(int group) {
    grid->collapse(group);
    return Text(group);
  }
  std::unique_ptr<SettingsDatabase> SavedAndReloaded() {
    return app.Document()->Save() ? ReadSettings(file) : nullptr;
  }

  QTemporaryDir dir;
  QString file;
  EditorApplication app;
  QuietUser user;
  CVQChannelEditorView* view = nullptr;
  PropertyGrid* grid = nullptr;
};

TEST_F(RecordPaneWindowTest, EveryFieldOfOneTransponderIsEditedFromThePane) {
  using namespace transponder_rows;
  Show(kTabTransponders, {1});
  EXPECT_EQ(Text(kChannels), "T-0, R-0, D-0");
  EXPECT_EQ(Text(kSatelliteName), "Astra");
  EXPECT_EQ(Refused(kSymbolRate, "500"), "Given value is out of [1000, 50000] range!");
  Type(kName, QString::fromLatin1("N\xe9tz \xff"));
  Type(kFrequency, "12188");
  Type(kSymbolRate, "27500");
  Choose(kPolarization, "Vertical");
  Choose(kFec, "5/6");
  Choose(kFtaOnly, "Yes");
  Type(kTpId, "1234");
  Type(kNetworkId, "65535");
  Type(kEcmChannelId, "8191");
  Type(kEcmCasId, "77");
  EXPECT_EQ(Summary(kGeneral), "12188V 27500");
  EXPECT_EQ(Summary(kSatellite), "Astra (0.0E)");
  Save();
  EXPECT_EQ(app.Frame()->StatusText(), "Saved transponder changes!");
  EXPECT_FALSE(view->State().pendingEdit);

  auto saved = SavedAndReloaded();
  ASSERT_NE(saved, nullptr);
  const TransponderRecord r = saved->GetSatelliteNode(0)->GetTransponder(1)->Record();
  EXPECT_EQ(r.GetName(), "N\xe9tz \xff");
  EXPECT_EQ(r.GetFrequency(), 12188);
  EXPECT_EQ(r.GetSymbolRate(), 27500);
  EXPECT_EQ(r.GetPolarizationText(), "Vertical");
  EXPECT_EQ(r.GetFecText(), "5/6");
  EXPECT_TRUE(r.IsFtaOnly());
  EXPECT_EQ(r.GetTpId(), 1234);
  EXPECT_EQ(r.GetNetworkId(), 65535);
  EXPECT_EQ(r.GetEcmChannelId(), 8191u);
  EXPECT_EQ(r.GetEcmCasId(), 77);
}

TEST_F(RecordPaneWindowTest, TwoTranspondersWithDifferentFecBothTakeTheChoice) {
  using namespace transponder_rows;
  Show(kTabTransponders, {0, 1});
  EXPECT_EQ(Text(kFec), "");
  EXPECT_EQ(grid->text(kEcmChannelId, 0), "ECM ID");
  for (int row : {kNumber, kFrequency, kSymbolRate, kTpId, kNetworkId, kEcmCasId})
    EXPECT_FALSE(Enabled(row)) << row;
  Choose(kFec, "3/4");
  Save();
  for (int row : {0, 1}) EXPECT_EQ(view->Transponders()->NodeAt(row)->Record().GetFecText(), "3/4");
  EXPECT_NE(view->Transponders()->NodeAt(2)->Record().GetFecText(), "3/4");
  EXPECT_EQ(List(kTabTransponders)->SelectedRows(), (std::vector<int>{0, 1}));
}

TEST_F(RecordPaneWindowTest, EveryFieldOfOneSatelliteIsEditedWithItsChecks) {
  using namespace satellite_rows;
  app.Config().ColapseAfterSelection = 0;
  Show(kTabSatellites, {2});
  EXPECT_EQ(Summary(kLnb), "S(5150)-22khz");
  EXPECT_EQ(Summary(kSwitch), "Port 7 of 10");
  EXPECT_FALSE(Enabled(kLowOscillator)) << "a single LNB";
  grid->activateCell(PropertyPane::kShowHideRow, 0);

  EXPECT_EQ(Refused(kName, ""), "Satellite could not be empty!");
  EXPECT_EQ(Refused(kPosition, "19.2X"), "Invalid Longitude Value!");
  Type(kName, QString::fromLatin1("H\xf6tbird"));
  Type(kPosition, "13.0E");
  grid->activateCell(kLnbUniversal, 1);
  EXPECT_TRUE(Enabled(kLowOscillator));
  EXPECT_EQ(Refused(kHighOscillator, "4999", true), "Invalid Frequency Value!");
  EXPECT_EQ(Refused(kHighOscillator, "12001 MHz", true), "Invalid Frequency Value!");
  TypeOption(kHighOscillator, "10600 mhz");
  EXPECT_EQ(Text(kHighOscillator), "10600 MHz");
  EXPECT_EQ(Refused(kLowOscillator, "10700", true),
            "LNB Low Frequency must be less than LNB High Frequency!");
  TypeOption(kLowOscillator, " 9750 MHz ");
  EXPECT_EQ(Refused(kHighOscillator, "9000", true),
            "LNB High Frequency must be more than LNB Low Frequency!");
  grid->activateCell(kTone22k, 1);
  grid->activateCell(kOutput12v, 1);

  Choose(kSwitchType, "4 Port");
  EXPECT_EQ(Text(kSwitchPort), "4") << "port 7 limited to 1..4";
  EXPECT_EQ(Refused(kSwitchPort, "5"), "Given value is out of [1, 4] range!");
  Type(kSwitchPort, "2");
  grid->activateCell(kBurstB, 1);
  EXPECT_FALSE(Enabled(kMotorIndex));
  EXPECT_EQ(Text(kMotorIndex), "-");
  grid->activateCell(kMotorUsals, 1);
  EXPECT_EQ(Refused(kMotorIndex, "3"), "Selected motor index is already used by Thor!");
  Type(kMotorIndex, "5");

  const int frequency = PredefinedRow(0, PredefinedPart::kFrequency);
  EXPECT_EQ(Refused(frequency, "2000"), "Given value is out of [3000, 12750] range!");
  EXPECT_EQ(Refused(frequency, "10699"),
            "Selected Frequency isn't in a valid range according to LNB frequency value");
  Type(frequency, "10700");
  Type(PredefinedNameRow(0), "Test card");
  Type(PredefinedRow(0, PredefinedPart::kSymbolRate), "22000");
  Choose(PredefinedRow(0, PredefinedPart::kPolarization), "Vertical");
  Type(PredefinedRow(0, PredefinedPart::kVideoPid), "160");
  Type(PredefinedRow(0, PredefinedPart::kAudioPid), "80");
  Type(PredefinedRow(0, PredefinedPart::kPcrPid), "8191");

  EXPECT_EQ(Summary(kLnb), "U(9750,10600)-12v");
  EXPECT_EQ(Summary(kLnbType), "Universal");
  EXPECT_EQ(Summary(kSwitch), "Port 2 of 4");
  EXPECT_EQ(Summary(kToneBurst), "Satellite B");
  EXPECT_EQ(Summary(kMotor), "USALS (5)");
  EXPECT_EQ(Summary(kPredefined1), "Test card");
  EXPECT_EQ(Summary(kGeneral), "H\xf6tbird (13.0E)");
  Save();
  EXPECT_EQ(app.Frame()->StatusText(), "Saved satellite changes!");

  auto saved = SavedAndReloaded();
  ASSERT_NE(saved, nullptr);
  const SatelliteNode* s = saved->GetSatelliteNode(2);
  const LnbRecord lnb = s->Lnb();
  EXPECT_EQ(s->GetName(), "H\xf6tbird");
  EXPECT_EQ(lnb.GetName(), "H\xf6tbird");
  EXPECT_EQ(s->Satellite().GetPosition(), 130);
  EXPECT_EQ(lnb.GetType(), 1);
  EXPECT_EQ(lnb.GetHighOscillator(), 10600);
  EXPECT_EQ(lnb.GetLowOscillator(), 9750);
  EXPECT_FALSE(lnb.Is22kHz());
  EXPECT_TRUE(lnb.Is12V());
  EXPECT_EQ(lnb.GetSwitchTypeText(), "4 Port");
  EXPECT_EQ(lnb.GetSwitchPort(), 2);
  EXPECT_EQ(lnb.GetToneBurstText(), "Satellite B");
  EXPECT_EQ(lnb.GetMotorTypeText(), "USALS");
  EXPECT_EQ(s->Satellite().GetMotorIndex(), 5);
  EXPECT_EQ(s->Satellite().GetPredefinedName(0), "Test card");
  EXPECT_EQ(s->Satellite().GetPredefinedFrequency(0), 10700);
  EXPECT_EQ(s->Satellite().GetPredefinedSymbolRate(0), 22000);
  EXPECT_EQ(s->Satellite().GetPredefinedPolarizationText(0), "Vertical");
  EXPECT_EQ(s->Satellite().GetPredefinedVideoPid(0), 160);
  EXPECT_EQ(s->Satellite().GetPredefinedAudioPid(0), 80);
  EXPECT_EQ(s->Satellite().GetPredefinedPcrPid(0), 8191);
}

TEST_F(RecordPaneWindowTest, SeveralSatellitesShareTheDishRowsAndChoicesCloseGroups) {
  using namespace satellite_rows;
  app.Config().ColapseAfterSelection = 1;
  Show(kTabSatellites, {0, 2});
  EXPECT_FALSE(grid->cell(kGeneral, 0)->has(CellFlag::Enabled));
  EXPECT_EQ(Text(kHighOscillator), "") << "10600 and 5150";
  EXPECT_FALSE(grid->cell(kLnbSingle, 1)->checkState() == 1);
  EXPECT_FALSE(grid->cell(kLnbUniversal, 1)->checkState() == 1);
  EXPECT_FALSE(Enabled(kLowOscillator));
  grid->activateCell(kOutput12v, 1);
  grid->activateCell(kBurstA, 1);
  EXPECT_FALSE(grid->isExpanded(kToneBurst)) << "a choice closes its group";
  grid->activateCell(kMotorDiseqc, 1);
  EXPECT_FALSE(grid->isExpanded(kMotor));
  EXPECT_EQ(Summary(kMotor), "DiSEqC 1.2 (Not selected)");
  Save();
  for (int n : {0, 2}) {
    const LnbRecord lnb = view->Satellites()->NodeAt(n)->Lnb();
    EXPECT_TRUE(lnb.Is12V()) << n;
    EXPECT_EQ(lnb.GetToneBurstText(), "Satellite A");
    EXPECT_EQ(lnb.GetMotorTypeText(), "DiSEqC 1.2");
  }
  EXPECT_EQ(view->Satellites()->NodeAt(0)->Lnb().GetHighOscillator(), 10600);
  EXPECT_EQ(view->Satellites()->NodeAt(2)->Lnb().GetHighOscillator(), 5150);
  EXPECT_FALSE(view->Satellites()->NodeAt(1)->Lnb().Is12V());
}

TEST_F(RecordPaneWindowTest, EverySatelliteRowIsReachableWithNameAndValue) {
  using namespace satellite_rows;
  Show(kTabSatellites, {2});
  QAccessibleInterface* root = QAccessible::queryAccessibleInterface(grid);
  ASSERT_NE(root, nullptr);
  QStringList named;
  for (int i = 0; i < root->childCount(); i += 2) {
    const int row = grid->shownRows()[static_cast<size_t>(i / 2)];
    if (row == PropertyPane::kTopSpacerRow || row == PropertyPane::kBottomSpacerRow) continue;
    QAccessibleInterface* value = root->child(i + 1);
    EXPECT_FALSE(value->text(QAccessible::Name).isEmpty()) << row;
    named << value->text(QAccessible::Name) + "=" + value->text(QAccessible::Value);
  }
  EXPECT_TRUE(named.contains("High freq=5150 MHz"));
  EXPECT_TRUE(named.contains("Port=7"));
  EXPECT_TRUE(named.contains("Satellite B=Satellite B"));

  QAccessibleInterface* universal = GridAccessible::cellInterface(*grid, kLnbUniversal, 1);
  ASSERT_NE(universal, nullptr);
  EXPECT_EQ(universal->role(), QAccessible::RadioButton);
  EXPECT_EQ(universal->text(QAccessible::Name), "Universal");
  EXPECT_FALSE(universal->state().checked);
  universal->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(universal->state().checked);
  EXPECT_FALSE(GridAccessible::cellInterface(*grid, kLnbSingle, 1)->state().checked);
  EXPECT_TRUE(Enabled(kLowOscillator));
  EXPECT_TRUE(view->State().pendingEdit);
}

TEST_F(RecordPaneWindowTest, ClearingTheSelectionSettlesTheEditAndLeavesNoneBehind) {
  using namespace satellite_rows;
  Show(kTabSatellites, {4});
  grid->activateCell(kOutput12v, 1);
  ASSERT_TRUE(view->State().pendingEdit);
  List(kTabSatellites)->SelectRows({});
  EXPECT_EQ(user.told, std::vector<std::string>{"Save changes?"});
  EXPECT_TRUE(view->Satellites()->NodeAt(4)->Lnb().Is12V());
  EXPECT_FALSE(view->State().pendingEdit);
  EXPECT_FALSE(view->Panes()->Current()->IsModified()) << "no edit is left without a record";
  EXPECT_TRUE(grid->shownRows().empty());
}

}  // namespace
}  // namespace vq::test
