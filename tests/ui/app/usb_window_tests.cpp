// The receiver commands of the editor window over an emulated receiver:
// enabling, a received image shown in the lists, an image sent back with
// the receiver's previous one kept among the backups, and a comparison with
// the receiver.

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "../dialogs/modal_answer.h"
#include "../view/view_fixture.h"
#include "backups/backup_folder.h"
#include "compare/database_comparison.h"
#include "editing/history/database_state.h"
#include "invariant_checks.h"
#include "document/qt/usb_receiver_commands.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "link/usb/emulated_receiver.h"
#include "link/usb/qt/usb_receiver_link.h"
#include "support/modal_watchdog.h"
#include "ui/app/config/editor_config.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
#include "ui/dialogs/compare_review_dialog.h"
#include "ui/dialogs/usb_flash_writing_dialog.h"
#include "ui/view/channel_list_model.h"

namespace vq::test {
namespace {

FlashWritingDialog* ShownNotice() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* notice = qobject_cast<FlashWritingDialog*>(widget); notice && notice->isVisible())
      return notice;
  return nullptr;
}

class UsbWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    // The backups go into this test's own folder.
    stateBefore = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", dir.filePath("state").toLocal8Bit());
    file = dir.filePath("small.bin");
    receiverImage = dir.filePath("receiver.bin");
    auto db = MakeSmallDatabase();
    ASSERT_TRUE(WriteSettings(*db, file));
    // The receiver holds a model 1 image with four TV channels.
    auto held = MakeDatabase(kModelFtaCi);
    AddChannels(*held, AddTransponders(*held, 0, 1).front(), kTv, 4);
    ASSERT_TRUE(WriteSettings(*held, receiverImage));
    ASSERT_TRUE(app.Start({"vqchanneleditor", "--profile", dir.filePath("editor.ini"), file,
                           "--emulated-receiver", receiverImage}));
    receiver = dynamic_cast<usb::EmulatedReceiver*>(app.Bus());
    ASSERT_NE(receiver, nullptr);
  }

  void TearDown() override { qputenv("XDG_STATE_HOME", stateBefore); }

  std::vector<BackupEntry> Backups() const {
    return BackupFolder(dir.filePath("state/VQChannelEditor/backups").toStdString()).List();
  }
  std::vector<uint8_t> BackupImage(const BackupEntry& entry) const {
    std::vector<uint8_t> image;
    std::string error;
    BackupFolder(dir.filePath("state/VQChannelEditor/backups").toStdString())
        .Read(entry, image, error);
    return image;
  }
  // Waits until the receiver is back on the bus after writing its flash.
  void WaitForTheReceiver() {
    QTRY_VERIFY(ShownNotice() == nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(app.Frame()->Actions().saveUsb->isEnabled(), 10000);
  }

  QByteArray stateBefore;
  QTemporaryDir dir;
  QString file, receiverImage;
  EditorApplication app;
  usb::EmulatedReceiver* receiver = nullptr;
};

TEST_F(UsbWindow, CommandsFollowTheReceiverOnTheBus) {
  const FrameActions& a = app.Frame()->Actions();
  EXPECT_TRUE(a.openUsb->isEnabled()) << "attached at start-up";
  EXPECT_TRUE(a.saveUsb->isEnabled());
  EXPECT_EQ(a.openUsb->statusTip(), "Open channel settings from USB port");
  EXPECT_EQ(a.saveUsb->statusTip(), "Save channel settings to USB port");

  receiver->Unplug();
  QTRY_VERIFY(!a.openUsb->isEnabled());
  EXPECT_FALSE(a.saveUsb->isEnabled());
  receiver->Plug();
  QTRY_VERIFY(a.openUsb->isEnabled());
  EXPECT_TRUE(a.saveUsb->isEnabled());

  app.Exit();
  EXPECT_FALSE(a.openUsb->isEnabled()) << "the link is gone after exit";
  EXPECT_EQ(app.ReceiverLink(), nullptr);
}

TEST_F(UsbWindow, OpenFromUsbShowsTheReceiversSettingsUnderTheSameFile) {
  CMainFrame* frame = app.Frame();
  ASSERT_EQ(frame->View()->Channels()->rowCount(), 40);
  const ExpectModal transferDialog;
  frame->Actions().openUsb->trigger();
  EXPECT_EQ(frame->StatusText(), "Settings successfully opened from receiver!");
  EXPECT_EQ(frame->View()->Channels()->rowCount(), 4);
  EXPECT_EQ(app.Document()->Database().GetModel(), kModelFtaCi);
  EXPECT_EQ(frame->windowTitle(), "small.bin - VQChannelEditor v0.65 beta");
}

TEST_F(UsbWindow, SaveToUsbSendsAnImageThatLoadsAndShowsTheFlashNotice) {
  CMainFrame* frame = app.Frame();
  QSignalSpy notice(frame->ReceiverCommands(), &UsbReceiverCommands::flashNoticeRequested);
  const ExpectModal transferDialogAndNotice;
  frame->Actions().saveUsb->trigger();
  EXPECT_EQ(notice.count(), 1);
  EXPECT_EQ(frame->StatusText(), "Settings successfully saved to receiver!");

  const std::vector<uint8_t> sent = receiver->Image();
  auto loaded = MakeDatabase(kModelPvr);
  ASSERT_TRUE(loaded->LoadImage(sent));
  EXPECT_EQ(loaded->CountChannels(kTv), 40);
  EXPECT_EQ(loaded->CountChannels(kRadio), 3);
  EXPECT_EQ(loaded->GetSatelliteNode(0)->GetName(), "Astra");

  // The receiver restarts to write its flash: it leaves the bus, which
  // closes the notice, and the commands come back when it returns.
  QTRY_VERIFY(!frame->Actions().saveUsb->isEnabled());
  QTRY_VERIFY(ShownNotice() == nullptr);
  QTRY_VERIFY_WITH_TIMEOUT(frame->Actions().saveUsb->isEnabled(), 10000);
}

TEST_F(UsbWindow, SaveToUsbKeepsTheReceiversPreviousImageAmongTheBackups) {
  const std::vector<uint8_t> held = receiver->Image();
  {
    const ExpectModal transfersAndNotice;
    app.Frame()->Actions().saveUsb->trigger();
    EXPECT_EQ(app.Frame()->StatusText(), "Settings successfully saved to receiver!");
    WaitForTheReceiver();
  }
  EXPECT_NE(receiver->Image(), held);
  const std::vector<BackupEntry> kept = Backups();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].reason, BackupReason::kBeforeReceiverWrite);
  EXPECT_EQ(kept[0].source, "USB receiver");
  EXPECT_EQ(kept[0].model, kModelFtaCi);
  EXPECT_EQ(kept[0].tv, 4);
  EXPECT_EQ(BackupImage(kept[0]), held);

  // Switched off in the configuration, Save to USB reads nothing first.
  app.Config().BackupBeforeUsbWrite = 0;
  {
    const ExpectModal transferAndNotice;
    app.Frame()->Actions().saveUsb->trigger();
    WaitForTheReceiver();
  }
  EXPECT_EQ(Backups().size(), 1u);
}

TEST_F(UsbWindow, CompareWithTheReceiverTakesItsChannelsOverAsOneUndoStep) {
  CMainFrame* frame = app.Frame();
  ASSERT_TRUE(frame->CompareWithReceiverAction()->isEnabled());
  SettingsDatabase& db = app.Document()->Database();
  const auto original = CaptureDatabaseState(db);
  auto held = MakeDatabase(kModelFtaCi);
  ASSERT_TRUE(held->LoadImage(receiver->Image()));
  const size_t differences = CompareDatabases(db, *held).differences.size();
  ASSERT_GT(differences, 0u);

  int shown = 0;
  AnswerModalOf<CompareReviewDialog>([&shown](CompareReviewDialog* dialog) {
    shown = static_cast<int>(dialog->Chosen().size());
    dialog->OrderBox()->setChecked(true);
    dialog->TickAll(true);
    dialog->TakeOverButton()->click();
  });
  {
    const ExpectModal transfer;
    frame->CompareWithReceiverAction()->trigger();
  }
  EXPECT_GT(shown, 0);
  EXPECT_EQ(frame->View()->Channels()->rowCount(), 4);
  EXPECT_EQ(InvariantProblems(db), std::vector<std::string>{});
  EXPECT_TRUE(app.Document()->IsModified());
  EXPECT_EQ(app.Document()->PathName(), file) << "the document stays tied to its file";
  EXPECT_EQ(receiver->Image(), BackupImage(Backups().at(0)));
  EXPECT_EQ(Backups().at(0).reason, BackupReason::kReadFromReceiver);

  ASSERT_TRUE(app.Document()->History().CanUndo());
  EXPECT_EQ(app.Document()->History().UndoName(), "Take Over");
  frame->Actions().undo->trigger();
  EXPECT_EQ(CaptureDatabaseState(db), original);
  EXPECT_FALSE(app.Document()->History().CanUndo()) << "one step";
  EXPECT_EQ(frame->View()->Channels()->rowCount(), 40);
}

TEST_F(UsbWindow, AFailedReadForACompareLeavesTheDocumentUntouched) {
  const auto original = CaptureDatabaseState(app.Document()->Database());
  receiver->Unplug();
  QTRY_VERIFY(!app.Frame()->CompareWithReceiverAction()->isEnabled());
  receiver->Plug();
  QTRY_VERIFY(app.Frame()->CompareWithReceiverAction()->isEnabled());
  usb::EmulatedFaults faults;
  faults.status = 0x100;
  faults.statusCommand = usb::kCommandReadFile;
  receiver->SetFaults(faults);
  QString told;
  AnswerModalOf<QMessageBox>([&told](QMessageBox* box) {
    told = box->text();
    box->accept();
  });
  {
    const ExpectModal transfer;
    app.Frame()->CompareWithReceiverAction()->trigger();
  }
  EXPECT_TRUE(told.startsWith("Can't communicate with the STB.")) << told.toStdString();
  EXPECT_EQ(CaptureDatabaseState(app.Document()->Database()), original);
  EXPECT_FALSE(app.Document()->IsModified());
  EXPECT_TRUE(Backups().empty());
}

}  // namespace
}  // namespace vq::test
