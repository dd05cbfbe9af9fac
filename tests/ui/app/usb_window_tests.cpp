// The receiver commands of the editor window over an emulated receiver:
// enabling, a received image shown in the lists, and an image sent back.

#include <gtest/gtest.h>
#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "../view/view_fixture.h"
#include "document/qt/usb_receiver_commands.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "link/usb/emulated_receiver.h"
#include "link/usb/qt/usb_receiver_link.h"
#include "support/modal_watchdog.h"
#include "ui/app/editor_application.h"
#include "ui/app/frame/main_frame.h"
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

}  // namespace
}  // namespace vq::test
