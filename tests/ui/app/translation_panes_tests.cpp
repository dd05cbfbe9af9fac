// The property panes in the user's language: with the German catalogue the
// rows, options, buttons, summaries and messages read German, an option
// chosen by its German text still writes the value it stands for.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "../dialogs/modal_answer.h"
#include "../view/view_fixture.h"
#include "editing/settings/settings_categories.h"
#include "editing/settings/settings_values.h"
#include "support/grid_editor.h"
#include "support/installed_catalogue.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/channel_pane_rows.h"
#include "ui/panes/property_pane.h"
#include "ui/panes/satellite_pane.h"
#include "ui/panes/settings_pane_rows.h"
#include "ui/panes/transponder_pane.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/settings_category_model.h"
#include "ui/view/transponder_list_model.h"

namespace vq::test {
namespace {

constexpr int kLabel = PropertyPane::kLabelColumn;
constexpr int kValue = PropertyPane::kValueColumn;

class TranslatedPanes : public ::testing::Test {
 protected:
  // Starts the window on a small list in German; the catalogue stays
  // installed for the test (texts are looked up as panes are built).
  void Start() {
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(catalogue.Installed());
    const QString file = dir.filePath("small.bin");
    ASSERT_TRUE(WriteSettings(*MakeSmallDatabase(), file));
    ASSERT_TRUE(app.Start({"vqchanneleditor", "--profile", dir.filePath("e.ini"), file}));
    view = app.Frame()->View();
    grid = view->Pane();
  }
  void Show(int tab, int row) {
    view->ShowTab(tab);
    view->Page(tab)->List()->SelectOnlyRow(row);
    grid->activateCell(PropertyPane::kShowHideRow, kLabel);  // Show All
  }
  void Choose(int row, const QString& option) { ChooseGridOption(grid, row, option); }
  void Save() { grid->activateCell(PropertyPane::kSaveDiscardRow, kLabel); }
  QString Label(int row) const { return grid->text(row, kLabel); }
  QString Value(int row) const { return grid->text(row, kValue); }

  QTemporaryDir dir;
  const InstalledCatalogue catalogue{VQ_GERMAN_CATALOGUE};
  EditorApplication app;
  CVQChannelEditorView* view = nullptr;
  PropertyGrid* grid = nullptr;
};

// Labels and summaries composed from translated patterns (the window sweep
// meets only fixed texts).
TEST_F(TranslatedPanes, ComposedChannelPaneTextsReadGerman) {
  Start();
  Show(kTabChannels, 0);
  using namespace channel_rows;
  EXPECT_EQ(Label(kTrack1 + 1), "Spur 2");
  EXPECT_EQ(Label(kFavorite1), "Favorit 1");
  EXPECT_EQ(grid->optionText(kCas, kValue, 6), "Viaccess") << "a system's name stays";
}

TEST_F(TranslatedPanes, GermanOptionsWriteTheValuesTheyStandFor) {
  Start();
  Show(kTabChannels, 0);
  using namespace channel_rows;
  Choose(kAudioMode, "Rechts");
  Choose(kTrackLanguage1, "Deutsch");
  EXPECT_EQ(Value(kAudioMode), "Rechts");
  Save();
  const ChannelRecord channel = view->Channels()->NodeAt(0)->Record();
  EXPECT_EQ(channel.GetAudioMode(), 2);
  EXPECT_EQ(channel.GetAudioLanguage(0), 1);
  EXPECT_EQ(channel.GetAudioModeText(), "Right") << "the record's own texts stay English";

  Show(kTabTransponders, 0);
  Choose(transponder_rows::kPolarization, "Vertikal");
  Choose(transponder_rows::kFtaOnly, "Nein");
  Save();
  const TransponderNode* transponder = view->Transponders()->NodeAt(0);
  EXPECT_EQ(transponder->Record().GetPolarization(), 2);
  EXPECT_FALSE(transponder->Record().IsFtaOnly());
  Choose(transponder_rows::kFtaOnly, "Ja");
  Save();
  EXPECT_TRUE(transponder->Record().IsFtaOnly());
}

TEST_F(TranslatedPanes, SatellitePaneReadsGermanAndRefusesInGerman) {
  Start();
  Show(kTabSatellites, 0);
  using namespace satellite_rows;
  // Fixed rows and options are the sweep's business; these are composed.
  EXPECT_EQ(Label(kPredefined1 + 10), "Vorgabe 2");
  EXPECT_TRUE(Value(kTransponders).startsWith("Gesamt ")) << Value(kTransponders).toStdString();

  QString message;
  AnswerNextMessage(&message);
  ASSERT_TRUE(grid->editCell(kName, kValue));
  QLineEdit* edit = OpenGridEditor<QLineEdit>(grid);
  ASSERT_NE(edit, nullptr);
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(message, "Der Satellitenname darf nicht leer sein!");

  AnswerNextMessage(&message);
  ASSERT_TRUE(grid->editCell(PredefinedRow(0, PredefinedPart::kVideoPid), kValue));
  edit = OpenGridEditor<QLineEdit>(grid);
  ASSERT_NE(edit, nullptr);
  edit->selectAll();
  QTest::keyClicks(edit, "9999");
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_TRUE(message.startsWith("Der Wert liegt außerhalb des Bereichs [0, "))
      << message.toStdString();
}

TEST_F(TranslatedPanes, GermanUndoStepsNameThePaneEdit) {
  Start();
  app.Config().PostEditAction = 1;  // save automatically
  Show(kTabChannels, 0);
  grid->activateCell(channel_rows::kLocked, kValue);
  ASSERT_TRUE(view->HoldsEdit());
  const QAction* undo = app.Frame()->Actions().undo;
  EXPECT_EQ(undo->text(), "&Rückgängig: Kanal bearbeiten") << "while the edit is pending";
  Save();
  EXPECT_FALSE(view->HoldsEdit());
  EXPECT_EQ(undo->text(), "&Rückgängig: Kanal bearbeiten") << "once it is a step of the history";
}

TEST_F(TranslatedPanes, AGermanTimerModeWritesItsValueAndNamesTheWeekdayInGerman) {
  Start();
  app.Config().ExpandSettTimer1 = 1;
  view->ShowTab(kTabSettings);
  const int timers = view->Categories()->RowOfCode(kSettingsTimer);
  ASSERT_GE(timers, 0);
  view->Page(kTabSettings)->List()->SelectOnlyRow(timers);
  using namespace settings_rows;
  // Fixed rows and options are the sweep's business; the weekday of the
  // start is composed.
  const int timer = TimerRow(0, kTimerSub);
  Choose(timer, "Wöchentlich");
  grid->expand(timer);
  const QString start = Value(TimerRow(0, kTimerStart));
  const QStringList weekdays = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
  EXPECT_TRUE(weekdays.contains(start.section('(', 1).chopped(1))) << start.toStdString();
  Save();
  EXPECT_EQ(app.Document()->Database().GetConfigRecord().GetTimerMode(0), kTimerWeekly);
}

}  // namespace
}  // namespace vq::test
