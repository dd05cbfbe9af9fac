// File > Import and Export of channel lists in the editor window: a VDR
// list, a scan table into a chosen satellite, ordering like another list,
// the exports, files that are not what they claim, a full table, the
// pane's pending edit, and the real file, question, satellite and summary
// dialogs.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "../dialogs/modal_answer.h"
#include "../view/view_fixture.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "interchange/list_import.h"
#include "interchange/vdr_channels_reader.h"
#include "invariant_checks.h"
#include "sample_files.h"
#include "support/full_database.h"
#include "ui/app/editor_application.h"
#include "ui/app/commands/interchange_dialogs.h"
#include "ui/app/frame/main_frame.h"
#include "ui/dialogs/import_summary_dialog.h"
#include "ui/dialogs/select_satellite_dialog.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/channel_pane_rows.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/transponder_list_model.h"

namespace vq::test {
namespace {

class ScriptedListDialogs : public InterchangeDialogs {
 public:
  QString AskOpenPath(ListFileKind, const QString&) override { return openPath; }
  QString AskSavePath(ListFileKind, const QString&) override { return savePath; }
  bool AskYesNo(const QString&, const QString& text) override {
    questions.append(text);
    return yes;
  }
  std::optional<int> ChooseSatellite(const SettingsDatabase&,
                                     const SatelliteNode* suggested) override {
    suggestion = suggested ? suggested->GetNumber() : -1;
    return choice;
  }
  void ShowSummary(const QString&, const QString& shownHeading, bool shownWarning,
                   const QStringList& shownLines) override {
    ++summaries;
    heading = shownHeading;
    warning = shownWarning;
    lines = shownLines;
  }
  void Tell(const QString&, const QString& text) override { told.append(text); }

  QString openPath, savePath;
  bool yes = true;
  std::optional<int> choice;
  int suggestion = -2;
  QStringList questions, told, lines;
  QString heading;
  bool warning = false;
  int summaries = 0;
};

QString Sample(const char* name) { return QString(VQ_SAMPLE_DIR) + "/" + name; }

std::vector<uint8_t> Tables(const SettingsDatabase& db) {
  std::vector<uint8_t> bytes;
  for (auto table : {db.SatelliteTable(), db.TransponderTable(), db.ChannelTable()})
    bytes.insert(bytes.end(), table.begin(), table.end());
  bytes.insert(bytes.end(), db.GetConfigBytes(), db.GetConfigBytes() + kConfigRecordSize);
  return bytes;
}

class InterchangeWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    file = dir.filePath("small.bin");
    ASSERT_TRUE(WriteSettings(*MakeSmallDatabase(), file));
  }

  void Start(const QString& settings) {
    ASSERT_TRUE(app.Start({"vqchanneleditor", "--profile", dir.filePath("editor.ini"), settings}));
    frame = app.Frame();
    frame->AttachInterchangeCommands(dialogs);
  }

  SettingsDatabase& Db() { return app.Document()->Database(); }
  CVQChannelEditorView* View() { return frame->View(); }
  const FrameActions& Actions() { return frame->Actions(); }
  bool Modified() { return app.Document()->IsModified(); }

  QTemporaryDir dir;
  QString file;
  EditorApplication app;
  CMainFrame* frame = nullptr;
  ScriptedListDialogs dialogs;
};

TEST_F(InterchangeWindow, AVdrListFillsTheListsAndSaysWhatWasSkipped) {
  Start(file);
  for (QAction* action :
       {Actions().importVdrChannels, Actions().importScanTable, Actions().orderLikeList,
        Actions().exportVdrChannels, Actions().exportCsv})
    EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
  dialogs.openPath = Sample("mixed_channels.conf");
  Actions().importVdrChannels->trigger();

  ASSERT_EQ(dialogs.questions.size(), 1);
  EXPECT_TRUE(dialogs.questions[0].startsWith(
      "mixed_channels.conf sorts its channels into 4 groups: \xC3\x96"
      "ffentlich-Rechtliche, "
      "Pay, Radio, Data."))
      << dialogs.questions[0].toStdString();
  ASSERT_EQ(dialogs.summaries, 1);
  EXPECT_EQ(dialogs.heading, "Imported from mixed_channels.conf.");
  EXPECT_FALSE(dialogs.warning);
  // The summary's lines are the import tests' business; here they reach the dialog.
  EXPECT_TRUE(dialogs.lines.contains("Channels added: 9 TV, 3 radio, 1 data (0 already there)"))
      << dialogs.lines.join("\n").toStdString();
  EXPECT_TRUE(dialogs.told.isEmpty());

  EXPECT_TRUE(Modified());
  EXPECT_EQ(frame->StatusText(), "Imported 13 channels and 10 transponders!");
  EXPECT_EQ(View()->Channels()->rowCount(), 49);
  EXPECT_EQ(View()->Transponders()->rowCount(), 12);
  EXPECT_EQ(Db().GetSatelliteNode(2)->GetName(), "Sat 19.2E");
  // Group 0 holds channels already: the four groups take the next ones.
  EXPECT_EQ(Db().GetFavoriteGroupName(2), "Pay");
  EXPECT_EQ(Db().CountFavoriteMembers(2), 3);
  EXPECT_EQ(InvariantProblems(Db()), std::vector<std::string>{});
}

TEST_F(InterchangeWindow, AFileThatIsNotWhatItClaimsChangesNothing) {
  Start(file);
  const std::vector<uint8_t> before = Tables(Db());
  dialogs.openPath = file;  // a settings image
  Actions().importVdrChannels->trigger();
  dialogs.openPath = Sample("mixed_channels.conf");
  Actions().importScanTable->trigger();
  dialogs.openPath = dir.filePath("missing.conf");
  Actions().orderLikeList->trigger();

  ASSERT_EQ(dialogs.told.size(), 3);
  EXPECT_EQ(dialogs.told[0],
            "The file is not a VDR channels.conf: it holds binary data.\n\nNothing was changed.");
  EXPECT_TRUE(dialogs.told[1].startsWith("The file is not a dvbv5 scan table: "));
  EXPECT_TRUE(dialogs.told[2].startsWith("Cannot read missing.conf: "));
  EXPECT_TRUE(dialogs.told[2].endsWith("Nothing was changed."));
  EXPECT_EQ(dialogs.summaries, 0);
  EXPECT_EQ(dialogs.suggestion, -2) << "no satellite is asked for";
  EXPECT_TRUE(Tables(Db()) == before);
  EXPECT_FALSE(Modified());
}

TEST_F(InterchangeWindow, AFullChannelTableStopsWithTheNoSpaceMessage) {
  // Room for two more channels.
  auto nearlyFull = MakeDatabase(kModelFtaCi);
  AddChannels(*nearlyFull, AddTransponders(*nearlyFull, 9, 1)[0], kTv,
              nearlyFull->GetChannelCapacity() - 2);
  const QString full = dir.filePath("full.bin");
  ASSERT_TRUE(WriteSettings(*nearlyFull, full));
  Start(full);
  dialogs.openPath = Sample("mixed_channels.conf");
  dialogs.yes = false;
  Actions().importVdrChannels->trigger();

  ASSERT_EQ(dialogs.summaries, 1);
  EXPECT_EQ(dialogs.heading,
            "No channel space left.\n\nPlease remove some unused ones.\n\nWhat was imported from "
            "mixed_channels.conf up to there stays.");
  EXPECT_TRUE(dialogs.warning);
  EXPECT_TRUE(dialogs.lines.contains("Channels added: 2 TV, 0 radio, 0 data (0 already there)"))
      << dialogs.lines.join("\n").toStdString();
  EXPECT_FALSE(dialogs.lines.contains("No channel space left.\n\nPlease remove some unused ones."))
      << "the heading says it once";
  EXPECT_EQ(frame->StatusText(), "Import stopped: 2 channels and 2 transponders imported!");
  EXPECT_TRUE(Modified()) << "what was imported stays";
  EXPECT_EQ(View()->Channels()->rowCount(), Db().GetChannelCapacity());
  EXPECT_EQ(InvariantProblems(Db()), std::vector<std::string>{});

  // A file with no free satellite slot and no room: nothing is used and
  // nothing changes.
  const QString packed = dir.filePath("packed.bin");
  ASSERT_TRUE(WriteSettings(*MakeFullDatabase(kModelFtaCi), packed));
  app.Document()->SetModifiedFlag(false);
  ASSERT_TRUE(app.Document()->OpenDocument(packed));
  const std::vector<uint8_t> before = Tables(Db());
  Actions().importVdrChannels->trigger();
  ASSERT_EQ(dialogs.summaries, 2);
  EXPECT_EQ(dialogs.heading, "Nothing of mixed_channels.conf could be used; nothing was changed.");
  EXPECT_TRUE(dialogs.warning);
  EXPECT_TRUE(Tables(Db()) == before);
  EXPECT_FALSE(Modified());
}

TEST_F(InterchangeWindow, AScanTableGoesToTheChosenSatellite) {
  Start(file);
  const QString table = dir.filePath("Hotbird-13.0E");
  ASSERT_TRUE(QFile::copy(Sample("scan_table.conf"), table));
  dialogs.openPath = table;

  Actions().importScanTable->trigger();  // the satellite is not chosen
  EXPECT_EQ(dialogs.suggestion, 2) << "the first free slot takes 13.0E";
  EXPECT_EQ(dialogs.summaries, 0);
  EXPECT_FALSE(Modified());

  dialogs.choice = 2;
  Actions().importScanTable->trigger();
  ASSERT_EQ(dialogs.summaries, 1);
  EXPECT_EQ(dialogs.heading, "Imported from Hotbird-13.0E.");
  EXPECT_TRUE(dialogs.lines.contains("Satellites added: 1"));
  EXPECT_EQ(Db().GetSatelliteNode(2)->GetName(), "Sat 13.0E");
  const int added = Db().GetSatelliteNode(2)->GetTransponderCount();
  EXPECT_GT(added, 0);
  EXPECT_EQ(View()->Transponders()->rowCount(), 2 + added);
  EXPECT_TRUE(Modified());

  // Now the satellite at 13.0E is suggested, and has everything already.
  ASSERT_TRUE(app.Document()->Save());
  Actions().importScanTable->trigger();
  EXPECT_EQ(dialogs.suggestion, 2);
  EXPECT_EQ(dialogs.heading, "Everything in Hotbird-13.0E is already there; nothing was changed.");
  EXPECT_FALSE(Modified());
}

TEST_F(InterchangeWindow, OrderingLikeAnotherListMarksOnlyAChange) {
  Start(file);
  dialogs.openPath = Sample("mixed_channels.conf");
  dialogs.yes = false;
  Actions().importVdrChannels->trigger();
  ASSERT_TRUE(app.Document()->SaveAs(dir.filePath("mine.bin")));
  ASSERT_FALSE(Modified());
  dialogs.questions.clear();

  // The file itself: the order and the favourite groups stay.
  dialogs.openPath = dir.filePath("mine.bin");
  dialogs.yes = true;
  Actions().orderLikeList->trigger();
  ASSERT_EQ(dialogs.questions.size(), 1);
  EXPECT_TRUE(dialogs.questions[0].startsWith("Take the favourite groups of mine.bin as well?"));
  EXPECT_EQ(dialogs.heading, "The channels already follow mine.bin; nothing was changed.");
  EXPECT_FALSE(Modified());

  const QString list = dir.filePath("order.txt");
  QFile text(list);
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("1;arte\n2;ZDF\n3;nowhere\n");
  text.close();
  dialogs.openPath = list;
  Actions().orderLikeList->trigger();
  EXPECT_EQ(dialogs.questions.size(), 1) << "a text list has no favourite groups";
  EXPECT_EQ(dialogs.heading, "Ordered like order.txt.");
  EXPECT_TRUE(Modified());
  EXPECT_EQ(frame->StatusText(), "Ordered 2 channels like the reference!");
  EXPECT_EQ(NamesInOrder(Db(), kTv)[0], "arte");
  View()->SetChannelListSource(kSourceAll);
  EXPECT_EQ(View()->Channels()->NodeAt(0)->Record().GetName(), "arte");
  EXPECT_EQ(InvariantProblems(Db()), std::vector<std::string>{});
}

TEST_F(InterchangeWindow, ExportsReadBackAsTheSameChannels) {
  Start(file);
  ASSERT_TRUE(app.Document()->NewDocument());
  dialogs.openPath = Sample("mixed_channels.conf");
  dialogs.yes = false;
  Actions().importVdrChannels->trigger();
  app.Document()->SetModifiedFlag(false);

  dialogs.savePath = dir.filePath("out.conf");
  Actions().exportVdrChannels->trigger();
  EXPECT_EQ(frame->StatusText(), "Exported 13 channels to out.conf!");
  dialogs.savePath = dir.filePath("out.csv");
  Actions().exportCsv->trigger();
  QFile csv(dialogs.savePath);
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  EXPECT_TRUE(csv.readLine().startsWith("\xEF\xBB\xBFNumber,Name,Type"));
  EXPECT_TRUE(dialogs.told.isEmpty());
  EXPECT_FALSE(Modified()) << "an export changes nothing";

  ASSERT_TRUE(app.Document()->NewDocument());
  ASSERT_TRUE(app.Document()->SaveAs(dir.filePath("empty.bin")));
  dialogs.openPath = dir.filePath("out.conf");
  Actions().importVdrChannels->trigger();
  EXPECT_EQ(Db().CountChannels(kTv) + Db().CountChannels(kRadio) + Db().CountChannels(kData), 13);
  // Nothing leaves the file half-written: no temporary file stays beside it.
  EXPECT_EQ(QDir(dir.path()).entryList({"out*"}, QDir::Files).size(), 2);

  dialogs.savePath = dir.filePath("no-such-folder/out.conf");
  Actions().exportVdrChannels->trigger();
  ASSERT_EQ(dialogs.told.size(), 1);
  EXPECT_TRUE(dialogs.told[0].startsWith("Cannot write out.conf: "));
}

TEST_F(InterchangeWindow, AnExportNeverReplacesWhatSaveWouldNot) {
  Start(file);
  // A settings file an editor holds open, and a FIFO.
  const QString held = dir.filePath("held.bin");
  ASSERT_TRUE(app.Document()->SaveAs(held));
  const QByteArray before = [&] {
    QFile f(held);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }();
  const QString fifo = dir.filePath("fifo.csv");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  for (const QString& target : {held, fifo}) {
    dialogs.told.clear();
    dialogs.savePath = target;
    Actions().exportCsv->trigger();
    ASSERT_EQ(dialogs.told.size(), 1) << target.toStdString();
    EXPECT_TRUE(dialogs.told[0].startsWith("Cannot write ")) << dialogs.told[0].toStdString();
  }
  EXPECT_TRUE(dialogs.told[0].endsWith("It is not a regular file."));
  QFile after(held);
  ASSERT_TRUE(after.open(QIODevice::ReadOnly));
  EXPECT_EQ(after.readAll(), before);
}

TEST_F(InterchangeWindow, EveryCommandSettlesThePanesEditFirst) {
  Start(file);
  app.Config().PostEditAction = 1;  // a pending edit is saved without asking
  dialogs.openPath.clear();         // every file dialog is cancelled
  RecordTableView* channels = View()->Page(kTabChannels)->List();
  int row = 0;
  for (QAction* action :
       {Actions().importVdrChannels, Actions().importScanTable, Actions().orderLikeList,
        Actions().exportVdrChannels, Actions().exportCsv}) {
    channels->SelectOnlyRow(row);
    View()->Pane()->activateCell(channel_rows::kLocked, 1);
    ASSERT_TRUE(View()->HoldsEdit());
    action->trigger();
    EXPECT_FALSE(View()->HoldsEdit()) << action->text().toStdString();
    EXPECT_TRUE(View()->Channels()->NodeAt(row)->Record().IsLocked())
        << action->text().toStdString();
    ++row;
  }
  EXPECT_EQ(dialogs.summaries, 0);
}

// The real dialogs: a file dialog, the groups question, and the summary as
// a read-only text with the focus.
TEST_F(InterchangeWindow, TheSummaryIsTextTheKeyboardAndScreenReadersReach) {
  Start(file);
  WindowInterchangeDialogs real;
  real.SetParent(frame);
  frame->AttachInterchangeCommands(real);
  QString question, summary, summaryName, heading;
  bool focused = false;
  AnswerNextModal([&](QWidget* modal) {
    auto* files = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(files, nullptr);
    EXPECT_EQ(files->windowTitle(), "Import VDR Channel List");
    AnswerNextModal([&](QWidget* box) {
      auto* message = qobject_cast<QMessageBox*>(box);
      ASSERT_NE(message, nullptr);
      question = message->text();
      AnswerNextModal([&](QWidget* shown) {
        auto* dialog = qobject_cast<ImportSummaryDialog*>(shown);
        ASSERT_NE(dialog, nullptr);
        heading = dialog->Heading();
        summary = dialog->Text();
        summaryName = dialog->TextView()->accessibleName();
        focused = dialog->TextView()->hasFocus() || dialog->focusWidget() == dialog->TextView();
        dialog->accept();
      });
      message->button(QMessageBox::No)->click();
    });
    files->selectFile(Sample("mixed_channels.conf"));
    static_cast<QDialog*>(files)->accept();  // protected in QFileDialog
  });
  Actions().importVdrChannels->trigger();

  EXPECT_TRUE(question.startsWith("mixed_channels.conf sorts its channels into 4 groups"));
  EXPECT_EQ(heading, "Imported from mixed_channels.conf.");
  EXPECT_TRUE(summary.contains("Channels added: 9 TV, 3 radio, 1 data")) << summary.toStdString();
  EXPECT_TRUE(summary.contains("(source T) (line 16)")) << summary.toStdString();
  EXPECT_EQ(summaryName, "Summary");
  EXPECT_TRUE(focused);
  for (int g = 0; g < kFavoriteGroupCount; ++g)
    EXPECT_NE(Db().GetFavoriteGroupName(g), "Pay") << "the groups were not asked for";
  EXPECT_EQ(Db().CountChannels(kTv), 49);
}

TEST_F(InterchangeWindow, TheSatelliteDialogStartsOnTheSuggestedSatellite) {
  Start(file);
  WindowInterchangeDialogs real;
  real.SetParent(frame);
  std::vector<int> selected;
  AnswerNextModal([&selected](QWidget* modal) {
    auto* dialog = qobject_cast<SelectSatelliteDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    selected = dialog->List()->SelectedRows();
    dialog->accept();
  });
  const std::optional<int> chosen = real.ChooseSatellite(Db(), Db().GetSatelliteNode(5));
  EXPECT_EQ(selected, std::vector<int>{5});
  EXPECT_EQ(chosen, 5);
}

}  // namespace
}  // namespace vq::test
