#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "document/qt/usb_receiver_commands.h"
#include "document/receiver_image_steps.h"
#include "link/usb/emulated_receiver.h"
#include "link/usb/qt/usb_receiver_link.h"
#include "link/usb/usb_test_images.h"
#include "ui/dialogs/usb_flash_writing_dialog.h"
#include "ui/dialogs/usb_transfer_dialog.h"

namespace vq {
namespace {

using usb::Milliseconds;

// Serves events until `done` holds, for at most a generous limit that only
// ends a test which has already failed.
template <class Done>
bool WaitUntil(Done done) {
  const QDeadlineTimer deadline(20000);
  while (!done() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  return done();
}

// Closes `dialog` should the test not end it within a generous limit, so a
// fault fails the test instead of hanging it.
class Watchdog {
 public:
  explicit Watchdog(QDialog& dialog) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, &dialog, [this, &dialog] {
      fired_ = true;
      dialog.reject();
    });
    timer_.start(20000);
  }
  bool Fired() const { return fired_; }

 private:
  QTimer timer_;
  bool fired_ = false;
};

// The emulated receiver on a bus that reports no arrivals or removals.
class NoHotplugBus : public usb::UsbBus {
 public:
  explicit NoHotplugBus(usb::EmulatedReceiver& receiver) : receiver_(receiver) {}
  std::unique_ptr<usb::UsbBackend> Open() override { return receiver_.Open(); }
  void SetHotplugHandler(HotplugHandler) override {}
  bool HasHotplug() const override { return false; }

 private:
  usb::EmulatedReceiver& receiver_;
};

// Records the messages; nothing is asked in these tests.
class RecordingPrompter : public DocumentPrompter {
 public:
  void Tell(const QString& text, Icon) override { told.push_back(text); }
  bool AskYesNo(const QString&) override { return false; }
  Answer AskYesNoCancel(const QString&) override { return Answer::kCancel; }
  QString AskSavePath(const QString&) override { return {}; }
  std::vector<QString> told;
};

usb::UsbCommandRequest Request(bool download, const std::string& path, uint32_t size = 0) {
  usb::UsbCommandRequest request;
  request.download = download;
  request.path = path;
  request.uploadSize = size;
  request.session = {Milliseconds(200), Milliseconds(2)};
  request.transfer = {Milliseconds(5), Milliseconds(80)};
  return request;
}

class UsbDialogsTest : public ::testing::Test {
 protected:
  UsbDialogsTest() : link(receiver) {}
  usb::EmulatedReceiver receiver{test::MakeImage(1), Milliseconds(20)};
  usb::UsbReceiverLink link;
  test::ScratchFile file;
};

TEST_F(UsbDialogsTest, ADownloadRunsTheWholeCommandAndEndsAtFullProgress) {
  UsbTransferDialog dialog;
  Watchdog watchdog(dialog);
  dialog.Start(link.Device(), Request(true, file.Path()));
  EXPECT_EQ(dialog.windowTitle(), "Opening settings from USB port ...");
  EXPECT_EQ(dialog.StatusText(), "Connecting ...");
  const usb::UsbCommandResult result = dialog.RunModal();
  EXPECT_TRUE(result.moved);
  EXPECT_TRUE(dialog.Succeeded());
  EXPECT_EQ(dialog.InformationText(),
            "Product Name:      Emulated receiver\nSoftware Version:  1.00 (emulated)");
  EXPECT_EQ(dialog.StatusText(), "Loading ... (100%)");
  EXPECT_EQ(dialog.Progress(), 100);
  EXPECT_EQ(test::ReadFileBytes(file.Path()), receiver.Image());
  EXPECT_FALSE(watchdog.Fired());
}

TEST_F(UsbDialogsTest, TheReceiversWordsAreShownAsTheyAreNotAsRichText) {
  // Read as rich text, the "image" would be read from /dev/zero without end.
  usb::EmulatedFaults faults;
  faults.productName = "<img src=/dev/zero>";
  receiver.SetFaults(faults);
  UsbTransferDialog dialog;
  Watchdog watchdog(dialog);
  dialog.Start(link.Device(), Request(true, file.Path()));
  EXPECT_TRUE(dialog.RunModal().moved);
  const QString shown =
      "Product Name:      <img src=/dev/zero>\nSoftware Version:  1.00 (emulated)";
  EXPECT_EQ(dialog.InformationText(), shown);
  int plain = 0;
  for (const QLabel* label : dialog.findChildren<QLabel*>())
    if (label->text() == shown && label->textFormat() == Qt::PlainText) ++plain;
  EXPECT_EQ(plain, 1);
  EXPECT_FALSE(watchdog.Fired());
}

TEST_F(UsbDialogsTest, CancelClosesAtOnceAndLeavesTheSuccessFlagClear) {
  receiver.SetFaults(test::Faults([](usb::EmulatedFaults& f) { f.stallAt = 200000; }));
  UsbTransferDialog dialog;
  Watchdog watchdog(dialog);
  dialog.Start(link.Device(), Request(true, file.Path()));
  // Cancel once the transfer has stalled (it has no time limit of its own).
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &dialog, [&] {
    if (dialog.Progress() > 0) dialog.reject();
  });
  poll.start(5);
  const usb::UsbCommandResult result = dialog.RunModal();
  EXPECT_FALSE(result.moved);
  EXPECT_TRUE(result.start.message.empty());
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_FALSE(dialog.Succeeded());
  EXPECT_FALSE(watchdog.Fired());
}

TEST_F(UsbDialogsTest, CancelDuringTheCommandSequenceEndsItWithoutAMessage) {
  receiver.SetFaults(test::Faults([](usb::EmulatedFaults& f) { f.silent = true; }));
  {
    UsbTransferDialog dialog;
    Watchdog watchdog(dialog);
    usb::UsbCommandRequest request = Request(true, file.Path());
    request.session.command = Milliseconds(60000);  // only Cancel ends the wait
    dialog.Start(link.Device(), request);
    // Escape once the first command waits for its answer.
    QTimer escape;
    QObject::connect(&escape, &QTimer::timeout, &dialog, [&] {
      if (dialog.isVisible() && receiver.CommandCount() > 0)
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    escape.start(1);
    const usb::UsbCommandResult result = dialog.RunModal();
    EXPECT_FALSE(result.start.ready);
    EXPECT_TRUE(result.start.message.empty());
    EXPECT_FALSE(watchdog.Fired());
  }
  EXPECT_EQ(receiver.CommandCount(), 1);  // the rest of the sequence was skipped
}

TEST_F(UsbDialogsTest, AFailedSequenceClosesWithItsMessageAndABusyReceiverMovesNothing) {
  receiver.SetFaults(test::Faults([](usb::EmulatedFaults& f) { f.busy = true; }));
  UsbTransferDialog dialog;
  Watchdog watchdog(dialog);
  dialog.Start(link.Device(), Request(true, file.Path()));
  const usb::UsbCommandResult result = dialog.RunModal();
  EXPECT_FALSE(result.moved);
  EXPECT_EQ(result.start.message, usb::kReceiverBusyMessage);
  EXPECT_TRUE(test::ReadFileBytes(file.Path()).empty());
  EXPECT_FALSE(watchdog.Fired());
}

TEST_F(UsbDialogsTest, AnUploadTheReceiverDoesNotTakeFails) {
  const std::vector<uint8_t> image = receiver.Image();
  std::ofstream(file.Path(), std::ios::binary)
      .write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
  receiver.SetFaults(test::Faults([](usb::EmulatedFaults& f) { f.stallAt = 1000; }));
  UsbTransferDialog dialog;
  Watchdog watchdog(dialog);
  dialog.Start(link.Device(), Request(false, file.Path(), uint32_t(image.size())));
  EXPECT_EQ(dialog.windowTitle(), "Saving settings to USB port ...");
  EXPECT_FALSE(dialog.RunModal().moved);
  EXPECT_FALSE(watchdog.Fired());
}

TEST_F(UsbDialogsTest, TheFlashNoticeClosesWhenTheReceiverLeavesTheBus) {
  QSignalSpy attached(&link, &usb::UsbReceiverLink::attachedChanged);
  QPointer<FlashWritingDialog> notice = FlashWritingDialog::ShowUntilRemoved(nullptr, link);
  ASSERT_TRUE(notice);
  EXPECT_TRUE(notice->isVisible());
  // It names the device that writes its flash.
  const QLabel* device = notice->findChild<QLabel*>("device");
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(device->text(), "USB bus 0, address 1: Emulated receiver");
  EXPECT_FALSE(notice->IsClosable());
  EXPECT_EQ(notice->findChild<QPushButton*>(), nullptr);
  notice->reject();  // Escape does nothing
  EXPECT_TRUE(notice->isVisible());
  receiver.Unplug();
  EXPECT_TRUE(WaitUntil([&] { return notice.isNull(); }));
  EXPECT_FALSE(link.IsAttached());
  ASSERT_EQ(attached.count(), 1);
  EXPECT_FALSE(attached.front().at(0).toBool());
  // A receiver that has already gone shows no notice at all.
  EXPECT_EQ(FlashWritingDialog::ShowUntilRemoved(nullptr, link), nullptr);
  receiver.Plug();
  EXPECT_TRUE(WaitUntil([&] { return link.IsAttached(); }));
}

// As the editor runs it: the command objects, the dialog, the default
// timing. The receiver stalls the first upload and the user cancels it; the
// receiver gives that upload up during the next command's drain.
TEST(UsbCommandDialogTest, ASaveCancelledInTheDialogCanBeRepeatedAtOnce) {
  usb::EmulatedReceiver receiver(test::MakeImage(1), Milliseconds(3600 * 1000));
  usb::UsbReceiverLink link(receiver);
  RecordingPrompter prompter;
  CVQChannelEditorDoc document(prompter, [] { return 0; });
  ASSERT_TRUE(document.NewDocument());
  DialogTransferRunner runner(nullptr);
  UsbReceiverCommands commands(document, prompter, link.Device(), runner);

  receiver.SetFaults(test::Faults([](usb::EmulatedFaults& f) { f.stallAt = 400000; }));
  QTimer cancel;
  QObject::connect(&cancel, &QTimer::timeout, [] {
    auto* dialog = qobject_cast<UsbTransferDialog*>(QApplication::activeModalWidget());
    if (dialog && dialog->Progress() > 0) dialog->reject();
  });
  cancel.start(1);
  EXPECT_FALSE(commands.SaveToUsb());
  cancel.stop();
  EXPECT_TRUE(prompter.told.empty());

  receiver.SetFaults({});
  EXPECT_TRUE(commands.SaveToUsb());
  EXPECT_TRUE(prompter.told.empty());
  std::vector<uint8_t> sent;
  ASSERT_TRUE(EncodeReceiverImage(document.Database(), sent));
  EXPECT_EQ(receiver.Image(), sent);
}

// Without hotplug the link looks at the bus itself (the timer does it once
// a second; the test looks when it wants).
TEST(UsbNoHotplugTest, TheLinkFollowsTheReceiverByLookingAtTheBus) {
  usb::EmulatedReceiver receiver(test::MakeImage(1), Milliseconds(20));
  NoHotplugBus bus(receiver);
  usb::UsbReceiverLink link(bus);
  ASSERT_TRUE(link.IsAttached());
  EXPECT_FALSE(link.HasHotplug());
  QSignalSpy attached(&link, &usb::UsbReceiverLink::attachedChanged);
  QSignalSpy removed(&link, &usb::UsbReceiverLink::receiverRemoved);

  link.Poll();
  EXPECT_EQ(attached.count(), 0);
  receiver.Unplug();
  link.Poll();
  EXPECT_FALSE(link.IsAttached());
  EXPECT_EQ(removed.count(), 1);
  link.Poll();
  EXPECT_EQ(removed.count(), 1);
  receiver.Plug();
  link.Poll();
  EXPECT_TRUE(link.IsAttached());

  // Gone and back between two looks: still a removal, then an arrival.
  receiver.Unplug();
  receiver.Plug();
  link.Poll();
  EXPECT_EQ(removed.count(), 2);
  link.Poll();
  EXPECT_TRUE(link.IsAttached());
  ASSERT_EQ(attached.count(), 4);
  EXPECT_FALSE(attached.at(2).at(0).toBool());
  EXPECT_TRUE(attached.at(3).at(0).toBool());

  // The timer takes the looks by itself.
  receiver.Unplug();
  EXPECT_TRUE(WaitUntil([&] { return !link.IsAttached(); }));
}

TEST(UsbNoHotplugTest, TheFlashNoticeCanBeClosedAndStillClosesOnRemoval) {
  usb::EmulatedReceiver receiver(test::MakeImage(1), Milliseconds(20));
  NoHotplugBus bus(receiver);
  usb::UsbReceiverLink link(bus);
  QPointer<FlashWritingDialog> notice = FlashWritingDialog::ShowUntilRemoved(nullptr, link);
  ASSERT_TRUE(notice);
  EXPECT_TRUE(notice->IsClosable());
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  QPushButton* close = notice->findChild<QPushButton*>();
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->text(), "Close");
  QTest::keyClick(notice, Qt::Key_Escape);
  EXPECT_TRUE(WaitUntil([&] { return notice.isNull(); }));

  notice = FlashWritingDialog::ShowUntilRemoved(nullptr, link);
  ASSERT_TRUE(notice);
  receiver.Unplug();
  link.Poll();
  EXPECT_TRUE(WaitUntil([&] { return notice.isNull(); }));
}

}  // namespace
}  // namespace vq
