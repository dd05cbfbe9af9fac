// The editing commands in the user's language: status texts and questions
// with their numbers filled in, the steps named in the Edit menu, and the
// list texts of the main view; English as before without a catalogue.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "../dialogs/modal_answer.h"
#include "../view/view_fixture.h"
#include "support/installed_catalogue.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/row_texts.h"
#include "ui/view/satellite_list_model.h"
#include "ui/view/settings_category_model.h"
#include "ui/view/statistics_panel.h"

namespace vq::test {
namespace {

class TranslatedEditing : public ::testing::Test {
 protected:
  void Start(std::unique_ptr<SettingsDatabase> db) {
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("lists.bin");
    ASSERT_TRUE(WriteSettings(*db, file));
    ASSERT_TRUE(app.Start({"vqchanneleditor", "--profile", dir.filePath("editor.ini"), file}));
    frame = app.Frame();
    view = frame->View();
  }

  void RemoveSelectedChannels(const std::vector<int>& rows) {
    view->Page(kTabChannels)->List()->SelectRows(rows);
    view->Page(kTabChannels)->Button(ListButton::kRemoveSelected)->click();
  }

  // The 22 kHz cell of the first satellite, and the name of the first
  // settings category.
  QStringList ListTexts() const {
    return {view->Satellites()->index(0, kSat22k).data().toString(),
            view->Categories()->index(0, 0).data().toString()};
  }

  // A PVR database with four channels more than the FTA/CI model holds.
  static std::unique_ptr<SettingsDatabase> OverfullForFtaCi() {
    auto db = MakeDatabase(kModelPvr);
    const auto transponders = AddTransponders(*db, 0, 2);
    AddChannels(*db, transponders[0], kTv, 2050);
    AddChannels(*db, transponders[1], kRadio, 2050);
    return db;
  }

  QTemporaryDir dir;
  EditorApplication app;
  CMainFrame* frame = nullptr;
  CVQChannelEditorView* view = nullptr;
};

TEST_F(TranslatedEditing, RemovalsReadGermanWithTheirCounts) {
  const InstalledCatalogue german(VQ_GERMAN_CATALOGUE);
  ASSERT_TRUE(german.Installed());
  Start(MakeSmallDatabase());
  const bool on = view->Database().GetSatelliteNode(0)->Lnb().Is22kHz();
  EXPECT_EQ(ListTexts(), QStringList({on ? "Ein" : "Aus", "TV-Einstellungen"}));

  RemoveSelectedChannels({2, 3});
  EXPECT_EQ(frame->StatusText(), "2 Kanäle entfernt!");
  EXPECT_EQ(frame->Actions().undo->text(), "&Rückgängig: Ausgewählte Kanäle entfernen");
  RemoveSelectedChannels({0});
  EXPECT_EQ(frame->StatusText(), "1 Kanal entfernt!");
  view->Page(kTabChannels)->Button(ListButton::kRemoveAll)->click();
  EXPECT_EQ(frame->StatusText(), "Alle Kanäle entfernt (37)!");
  EXPECT_EQ(frame->Actions().undo->text(), "&Rückgängig: Alle Kanäle entfernen");
  frame->Actions().undo->trigger();
  EXPECT_EQ(frame->Actions().redo->text(), "&Wiederholen: Alle Kanäle entfernen");
}

TEST_F(TranslatedEditing, ModelSwitchAsksInGermanWithTheExcess) {
  const InstalledCatalogue german(VQ_GERMAN_CATALOGUE);
  ASSERT_TRUE(german.Installed());
  Start(OverfullForFtaCi());
  QString title;
  QString question;
  AnswerNextModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) return;
    title = box->windowTitle();
    question = box->text();
    box->button(QMessageBox::No)->click();
  });
  view->Statistics()->FtaButton()->click();
  EXPECT_EQ(title, "Bestätigen");
  EXPECT_TRUE(question.startsWith("Die letzten 4 Kanäle der Struktur werden (zufällig) entfernt."))
      << question.toStdString();
  EXPECT_EQ(frame->StatusText(), "Modell nicht umgeschaltet!");
  EXPECT_EQ(view->Database().GetModel(), kModelPvr);
}

TEST_F(TranslatedEditing, KeepsTheEnglishTextsWithoutACatalogue) {
  Start(MakeSmallDatabase());
  const bool on = view->Database().GetSatelliteNode(0)->Lnb().Is22kHz();
  EXPECT_EQ(ListTexts(), QStringList({on ? "On" : "Off", "TV Settings"}));
  RemoveSelectedChannels({2, 3});
  EXPECT_EQ(frame->StatusText(), "Removed 2 channels!");
  EXPECT_EQ(frame->Actions().undo->text(), "&Undo Remove Selected Channels");
}

}  // namespace
}  // namespace vq::test
