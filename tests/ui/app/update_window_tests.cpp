// "Update channels from internet" in the editor window: the menu entry's
// state, a folder source applied as reviewed, the real review dialog,
// Cancel during a download and an unreachable source.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTemporaryDir>
#include <fstream>

#include "../dialogs/modal_answer.h"
#include "../view/view_fixture.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "interchange/qt/download_module.h"
#include "interchange/transponder_update_text.h"
#include "invariant_checks.h"
#include "scan_table_texts.h"
#include "scripted_http_server.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/app/commands/transponder_update_command.h"
#include "ui/dialogs/transponder_review_dialog.h"
#include "ui/dialogs/transponder_review_model.h"

namespace vq::test {
namespace {

constexpr int kWaitMs = 20000;

class ScriptedUpdateDialogs : public TransponderUpdateDialogs {
 public:
  std::optional<std::vector<TransponderUpdate>> Review(const TransponderComparison& comparison,
                                                       const ScanTableSet& tables) override {
    ++reviews;
    for (const std::string& line : ComparisonLines(comparison)) lines.push_back(line);
    notes = tables.notes;
    if (!apply) return std::nullopt;
    std::vector<TransponderUpdate> chosen = comparison.AllUpdates();
    std::erase_if(chosen, [this](const TransponderUpdate& u) { return u.kind != kind; });
    return chosen;
  }
  void Tell(const QString& text) override { told.append(text); }

  bool apply = true;
  UpdateKind kind = UpdateKind::kNew;
  int reviews = 0;
  std::vector<std::string> lines, notes;
  QStringList told;
};

// Hot Bird at 13.0E (10719 V empty, 12597 H with three radio channels) and
// a satellite without a position; the table lists 10719 V and a new 11034 H.
class UpdateWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    file = dir.filePath("hotbird.bin");
    auto db = MakeDatabase(kModelPvr);
    SatelliteNode& hotbird = *db->GetSatelliteNode(0);
    hotbird.SetName("Hot Bird");
    hotbird.Satellite().SetPosition(130);
    hotbird.Lnb().SetType(1);
    auto tps = AddTransponders(*db, 0, 2);
    tps[0]->Record().SetFrequency(10719);
    tps[0]->Record().SetPolarization(2);
    tps[1]->Record().SetFrequency(12597);
    AddChannels(*db, tps[1], kRadio, 3);
    db->GetSatelliteNode(1)->SetName("Nowhere");
    AddTransponders(*db, 1, 1);
    ASSERT_TRUE(WriteSettings(*db, file));
    QDir(dir.path()).mkdir("tables");
    std::ofstream(dir.filePath("tables/Hotbird-13.0E").toStdString())
        << Section(10719, "VERTICAL", 27500) << Section(11034, "HORIZONTAL", 27500, "3/4");

    ASSERT_TRUE(app.Start({"vqchanneleditor", "--profile", dir.filePath("editor.ini"), file}));
    frame = app.Frame();
    frame->AttachTransponderUpdate(dialogs, Downloads());
    original = MakeDatabase(kModelPvr);
    std::vector<uint8_t> image;
    ASSERT_TRUE(Db().GetSettings(image));
    ASSERT_TRUE(original->LoadImage(image));
  }

  SettingsDatabase& Db() { return app.Document()->Database(); }
  QAction* Action() { return frame->Actions().updateFromInternet; }
  void Run() {
    const AllowProgress slowReading;
    QSignalSpy finished(frame->UpdateCommand(), &TransponderUpdateCommand::finished);
    Action()->trigger();
    EXPECT_TRUE(finished.count() > 0 || finished.wait(kWaitMs));
  }
  bool Unchanged() {
    return std::ranges::equal(Db().TransponderTable(), original->TransponderTable()) &&
           std::ranges::equal(Db().ChannelTable(), original->ChannelTable()) &&
           std::ranges::equal(Db().SatelliteTable(), original->SatelliteTable()) &&
           !app.Document()->IsModified();
  }

  // The editor's own downloads: through its network module.
  static DownloadMaker Downloads() {
    return ModuleDownloadMaker({QStringLiteral(VQ_NETWORK_MODULE_DIR)});
  }

  QTemporaryDir dir;
  QString file;
  EditorApplication app{Downloads()};
  CMainFrame* frame = nullptr;
  ScriptedUpdateDialogs dialogs;
  std::unique_ptr<SettingsDatabase> original;
};

TEST_F(UpdateWindow, AFolderSourceAppliesOnlyWhatWasChosen) {
  ASSERT_TRUE(Action()->isEnabled());
  app.Config().ScanTableSource = dir.filePath("tables").toStdString();
  Run();
  ASSERT_EQ(dialogs.reviews, 1);
  EXPECT_EQ(dialogs.lines,
            (std::vector<std::string>{"Satellite 1 \"Hot Bird\" at 13.0E: 2 differences",
                                      "  tables: Hotbird-13.0E",
                                      "  new      11034 H 27500 3/4 (Hotbird-13.0E line 9)",
                                      "  vanished 12597 H 27500 Auto, 3 channels",
                                      "Satellite 2 \"Nowhere\": no orbital position; left alone"}));
  EXPECT_EQ(Db().GetSatelliteNode(0)->GetTransponderCount(), 3);
  EXPECT_EQ(Db().CountChannels(kRadio), 3);
  EXPECT_TRUE(app.Document()->IsModified());
  EXPECT_EQ(frame->StatusText(), "Transponders updated: 1 added, 0 changed, 0 removed!");
  EXPECT_TRUE(InvariantProblems(Db()).empty());
  EXPECT_TRUE(dialogs.told.isEmpty());
}

TEST_F(UpdateWindow, TheReviewDialogAppliesWhatIsTicked) {
  app.Config().ScanTableSource = dir.filePath("tables").toStdString();
  WindowTransponderUpdateDialogs real;
  real.SetParent(frame);
  frame->AttachTransponderUpdate(real, Downloads());
  QString summary;
  AnswerModalOf<TransponderReviewDialog>([&summary](TransponderReviewDialog* dialog) {
    summary = dialog->SummaryText();
    dialog->ApplyButton()->click();
  });
  Run();
  EXPECT_EQ(summary, "1 of 2 differences ticked.");
  EXPECT_EQ(Db().GetSatelliteNode(0)->GetTransponderCount(), 3);
  EXPECT_EQ(Db().CountChannels(kRadio), 3);
  EXPECT_TRUE(app.Document()->IsModified());
}

// The table never arrives: the progress dialog comes up after its minimum
// duration and its Cancel ends the update.
TEST_F(UpdateWindow, CancelDuringADownloadChangesNothing) {
  ScriptedHttpServer server;
  server.Script("/dvb-s/", {ScriptedHttpServer::Kind::kBody, "Hotbird-13.0E"});
  server.Script("/dvb-s/Hotbird-13.0E", ScriptedHttpServer::Kind::kSilent);
  app.Config().ScanTableSource = server.Url("/dvb-s/").toStdString();
  TransponderUpdateCommand* command = frame->UpdateCommand();
  const AllowProgress waiting;
  QSignalSpy finished(command, &TransponderUpdateCommand::finished);
  Action()->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return server.Requests("/dvb-s/Hotbird-13.0E") > 0; }, kWaitMs));
  QProgressDialog* progress = command->Progress();
  ASSERT_NE(progress, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([progress] { return progress->isVisible(); }, kWaitMs));
  QPushButton* cancel = progress->findChild<QPushButton*>();
  ASSERT_NE(cancel, nullptr);
  QTest::mouseClick(cancel, Qt::LeftButton);
  ASSERT_TRUE(finished.count() > 0 || finished.wait(kWaitMs));
  EXPECT_EQ(dialogs.reviews, 0);
  EXPECT_TRUE(dialogs.told.isEmpty());
  EXPECT_FALSE(command->IsRunning());
  EXPECT_TRUE(Unchanged());
  EXPECT_EQ(frame->StatusText(), "Ready!");
}

TEST_F(UpdateWindow, AnUnreachableSourceWithoutInstalledTablesSaysSoAndChangesNothing) {
  QTcpServer closed;
  closed.listen(QHostAddress::LocalHost);
  app.Config().ScanTableSource =
      QString("http://127.0.0.1:%1/dvb-s/").arg(closed.serverPort()).toStdString();
  closed.close();
  frame->UpdateCommand()->SetFallbackFolder(dir.filePath("missing"));
  Run();
  ASSERT_EQ(dialogs.told.size(), 1);
  EXPECT_TRUE(dialogs.told[0].contains("cannot be reached")) << dialogs.told[0].toStdString();
  EXPECT_TRUE(dialogs.told[0].contains("Editor Configuration"));
  EXPECT_EQ(dialogs.reviews, 0);
  EXPECT_TRUE(Unchanged());
}

TEST_F(UpdateWindow, ANewDocumentHasNothingToUpdate) {
  EXPECT_TRUE(Action()->isEnabled());
  ASSERT_TRUE(app.Document()->NewDocument());
  EXPECT_TRUE(Action()->isEnabled());
  dialogs.apply = false;
  Run();
  EXPECT_EQ(dialogs.reviews, 0);
  ASSERT_EQ(dialogs.told.size(), 1);
  EXPECT_EQ(dialogs.told[0], "No satellite is in use, so there are no transponders to update.");
}

}  // namespace
}  // namespace vq::test
