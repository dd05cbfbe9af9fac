#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <fstream>

#include "link/usb/emulated_receiver.h"
#include "link/usb/qt/usb_receiver_link.h"
#include "link/usb/usb_command_channel.h"
#include "link/usb/usb_test_images.h"
#include "ui/dialogs/usb_flash_writing_dialog.h"
#include "ui/dialogs/usb_transfer_dialog.h"

namespace vq {
namespace {

using usb::Milliseconds;
constexpr Milliseconds kShort(30);
const usb::TransferTiming kFast{Milliseconds(5), Milliseconds(80)};

// Serves events until `done` holds or two seconds pass.
template <class Done>
bool WaitUntil(Done done) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < 2000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  return done();
}

class UsbDialogsTest : public ::testing::Test {
 protected:
  UsbDialogsTest() : link(receiver), channel(link.Device()) {}
  usb::EmulatedReceiver receiver{test::MakeImage(1), Milliseconds(20)};
  usb::UsbReceiverLink link;
  usb::UsbCommandChannel channel;
  test::ScratchFile file;
};

TEST_F(UsbDialogsTest, ADownloadEndsAtFullProgressWithTheFileFilled) {
  ASSERT_EQ(channel.CommandReadFile(kShort), usb::kUsbOk);
  UsbTransferDialog dialog;
  dialog.Start(true, link.Device(), file.Path(), channel.FileSize(), "info", kFast);
  EXPECT_EQ(dialog.windowTitle(), "Opening settings from USB port ...");
  EXPECT_TRUE(dialog.RunModal());
  EXPECT_EQ(dialog.StatusText(), "Loading ... (100%)");
  EXPECT_EQ(dialog.Progress(), 100);
  EXPECT_EQ(test::ReadFileBytes(file.Path()), receiver.Image());
}

TEST_F(UsbDialogsTest, CancelClosesAtOnceAndLeavesTheSuccessFlagClear) {
  receiver.SetFaults(test::Faults([](usb::EmulatedFaults& f) { f.stallAt = 200000; }));
  ASSERT_EQ(channel.CommandReadFile(kShort), usb::kUsbOk);
  UsbTransferDialog dialog;
  dialog.Start(true, link.Device(), file.Path(), channel.FileSize(), "info", kFast);
  QTimer::singleShot(50, &dialog, [&dialog] { dialog.reject(); });
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(dialog.RunModal());
  EXPECT_LT(clock.elapsed(), 1000);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_FALSE(dialog.Succeeded());
}

TEST_F(UsbDialogsTest, AnUploadTheReceiverDoesNotTakeFails) {
  const std::vector<uint8_t> image = receiver.Image();
  std::ofstream(file.Path(), std::ios::binary)
      .write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
  receiver.SetFaults(test::Faults([](usb::EmulatedFaults& f) { f.stallAt = 1000; }));
  ASSERT_EQ(channel.CommandWriteFile(image.size(), kShort), usb::kUsbOk);
  UsbTransferDialog dialog;
  dialog.Start(false, link.Device(), file.Path(), uint32_t(image.size()), "info", kFast);
  EXPECT_EQ(dialog.windowTitle(), "Saving settings to USB port ...");
  EXPECT_FALSE(dialog.RunModal());
}

TEST_F(UsbDialogsTest, TheFlashNoticeClosesWhenTheReceiverLeavesTheBus) {
  QSignalSpy attached(&link, &usb::UsbReceiverLink::attachedChanged);
  QPointer<FlashWritingDialog> notice = FlashWritingDialog::ShowUntilRemoved(nullptr, link);
  ASSERT_TRUE(notice);
  EXPECT_TRUE(notice->isVisible());
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

}  // namespace
}  // namespace vq

int main(int argc, char** argv) {
  // Test discovery runs the binary outside ctest's environment.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
