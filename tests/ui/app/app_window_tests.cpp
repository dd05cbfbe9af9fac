// The editor started as a user starts it: command line, profile, title,
// status bar, lists, the recent-file menu, dropped files and placement.

#include <gtest/gtest.h>
#include <QApplication>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QUrl>

#include "../view/view_fixture.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "ui/app/command_line.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/app/commands/message_prompter.h"
#include "ui/app/config/profile_store.h"
#include "ui/dialogs/modal_answer.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/satellite_list_model.h"
#include "ui/view/statistics_panel.h"

namespace vq::test {
namespace {

// Types `name` into the next Save dialog and presses Save; the question
// about replacing a file, if any, is answered with `replace`.
void SaveAsInTheNextDialog(const QString& name, QMessageBox::StandardButton replace,
                           QString* question) {
  AnswerNextModal([=](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (!dialog) return;
    dialog->selectFile(name);
    AnswerNextMessage(question, replace);
    static_cast<QDialog*>(dialog)->accept();    // the Save button
    if (dialog->isVisible()) dialog->reject();  // not replaced: the dialog stays open
  });
}

TEST(MessagePrompterTest, MessagesShowTheirTextsAsTheyAre) {
  // A name from a file must not turn into markup, let alone an image read
  // from /dev/zero.
  const QString hostile = "Sat <img src=/dev/zero> <b>1</b>";
  MessagePrompter prompter;
  QStringList formats;
  const auto answer = [&](QMessageBox::StandardButton button) {
    AnswerNextModal([&formats, button](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (!box) return;
      formats << (box->textFormat() == Qt::PlainText ? box->text() : QStringLiteral("rich"));
      box->button(button)->click();
    });
  };
  answer(QMessageBox::Ok);
  prompter.Tell(hostile, DocumentPrompter::Icon::kError);
  answer(QMessageBox::No);
  prompter.AskYesNo(hostile);
  answer(QMessageBox::Cancel);
  prompter.AskYesNoCancel(hostile);
  EXPECT_EQ(formats, (QStringList{hostile, hostile, hostile}));
}

TEST(SaveDialogTest, TheExtensionIsAddedBeforeTheQuestionAboutReplacing) {
  QTemporaryDir dir;
  QFile existing(dir.filePath("astra.bin"));
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.close();
  MessagePrompter prompter;

  QString question;
  SaveAsInTheNextDialog("astra", QMessageBox::No, &question);
  EXPECT_EQ(prompter.AskSavePath(dir.filePath("untitled.bin")), QString());
  EXPECT_TRUE(question.contains("astra.bin")) << question.toStdString();

  question.clear();
  SaveAsInTheNextDialog("astra", QMessageBox::Yes, &question);
  EXPECT_EQ(prompter.AskSavePath(dir.filePath("untitled.bin")), dir.filePath("astra.bin"));
  EXPECT_TRUE(question.contains("astra.bin"));
}

class AppWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    file = dir.filePath("small.bin");
    other = dir.filePath("other.bin");
    profile = dir.filePath("editor.ini");
    auto db = MakeSmallDatabase();
    ASSERT_TRUE(WriteSettings(*db, file));
    auto second = MakeDatabase(kModelFtaCi);
    AddChannels(*second, AddTransponders(*second, 0, 1).front(), kTv, 4);
    ASSERT_TRUE(WriteSettings(*second, other));
  }

  bool Start(const QStringList& extra) {
    return app.Start(QStringList{"vqchanneleditor", "--profile", profile} + extra);
  }

  QTemporaryDir dir;
  QString file, other, profile;
  EditorApplication app;
};

TEST(CommandLineTest, ReadsFileProfileTraceAndEmulatedReceiver) {
  const CommandLine line = ParseCommandLine({"editor", "--profile", "p.ini", "--trace", "t.log",
                                             "--emulated-receiver", "r.bin", "settings.bin"});
  EXPECT_EQ(line.file, "settings.bin");
  EXPECT_EQ(line.profile, "p.ini");
  EXPECT_EQ(line.trace, "t.log");
  EXPECT_EQ(line.emulatedReceiver, "r.bin");
  EXPECT_TRUE(ParseCommandLine({"editor"}).emulatedReceiver.isEmpty());
  EXPECT_TRUE(line.error.isEmpty());
  EXPECT_TRUE(ParseCommandLine({"editor"}).file.isEmpty());
  EXPECT_FALSE(ParseCommandLine({"editor", "a.bin", "b.bin"}).error.isEmpty());
  EXPECT_FALSE(ParseCommandLine({"editor", "--bogus"}).error.isEmpty());
}

TEST_F(AppWindow, StartsOnTheFileNamedOnTheCommandLine) {
  ASSERT_TRUE(Start({file}));
  CMainFrame* frame = app.Frame();
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(frame->windowTitle(), "small.bin - VQChannelEditor v0.65 beta");
  EXPECT_TRUE(frame->StatusText().startsWith("Settings file loaded in "));
  EXPECT_TRUE(frame->StatusText().endsWith(" sec!"));
  EXPECT_EQ(frame->View()->Channels()->rowCount(), 40);
  EXPECT_FALSE(frame->Actions().save->isEnabled()) << "nothing changed yet";
  EXPECT_FALSE(frame->Actions().openCom->isEnabled());
  EXPECT_FALSE(frame->Actions().saveCom->isEnabled());
}

TEST_F(AppWindow, StartsWithANewDocumentWithoutAFile) {
  ASSERT_TRUE(Start({}));
  EXPECT_EQ(app.Frame()->StatusText(), "Ready");
  EXPECT_EQ(app.Document()->Database().GetModel(), kModelFtaCi);
  EXPECT_EQ(app.Frame()->View()->Statistics()->ValueText("Total Channels"), "0 of 4096");
}

TEST_F(AppWindow, ExitStoresTabAndRecentFilesForTheNextStart) {
  ASSERT_TRUE(Start({file}));
  app.Frame()->View()->ShowTab(kTabSatellites);
  app.Frame()->close();
  app.Exit();

  ProfileStore store(profile);
  EXPECT_EQ(store.LoadConfig().CurrentTab, kTabSatellites);
  EXPECT_EQ(store.LoadRecentFiles(), QStringList{file});
  EXPECT_TRUE(store.LoadPlacement().IsComplete());

  EditorApplication second;
  ASSERT_TRUE(second.Start({"vqchanneleditor", "--profile", profile}));
  EXPECT_EQ(second.Frame()->View()->CurrentTab(), kTabSatellites);
  const QList<QAction*> recent = second.Frame()->RecentFileActions();
  ASSERT_EQ(recent.size(), 1);
  recent.front()->trigger();
  EXPECT_EQ(second.Document()->PathName(), file);
  EXPECT_EQ(second.Frame()->View()->Satellites()->rowCount(), 64);
}

TEST_F(AppWindow, OpensADroppedFile) {
  ASSERT_TRUE(Start({file}));
  CMainFrame* frame = app.Frame();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(other)});
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(frame, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(frame, &drop);
  EXPECT_EQ(app.Document()->PathName(), other);
  EXPECT_EQ(frame->windowTitle(), "other.bin - VQChannelEditor v0.65 beta");
  EXPECT_EQ(frame->View()->Channels()->rowCount(), 4);
  EXPECT_EQ(frame->RecentFileActions().size(), 2);
}

TEST_F(AppWindow, StatusBarToggleAndModifiedTitle) {
  ASSERT_TRUE(Start({file}));
  CMainFrame* frame = app.Frame();
  frame->Actions().statusBar->trigger();
  EXPECT_FALSE(frame->statusBar()->isVisible());
  frame->Actions().statusBar->trigger();
  EXPECT_TRUE(frame->statusBar()->isVisible());
  app.Document()->SetModifiedFlag(true);
  EXPECT_EQ(frame->windowTitle(), "small.bin * - VQChannelEditor v0.65 beta");
  EXPECT_TRUE(frame->Actions().save->isEnabled());
  app.Document()->SetModifiedFlag(false);
}

TEST_F(AppWindow, PlacementRoundTripsThroughTheFrame) {
  ASSERT_TRUE(Start({file}));
  CMainFrame* frame = app.Frame();
  FramePlacement placement;
  placement.Status = FramePlacement::kNormal;
  placement.Left = 40;
  placement.Top = 30;
  placement.Right = 1340;
  placement.Bottom = 830;
  ASSERT_TRUE(frame->ApplyPlacement(placement));
  EXPECT_EQ(frame->CurrentPlacement(), placement);
  EXPECT_FALSE(frame->ApplyPlacement(FramePlacement{}));
}

}  // namespace
}  // namespace vq::test
