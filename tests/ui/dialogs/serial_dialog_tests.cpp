// The serial transfer dialog on a pseudo-terminal: time-out, Enter, Cancel,
// progress texts and whole transfers against the emulated receiver.
#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <functional>
#include <iterator>

#include "link/serial/fake_host.h"
#include "link/serial/progress_watch.h"
#include "link/serial/pty_fixture.h"
#include "link/serial/serial_protocol.h"
#include "serial_emulator/serial_emulator.h"
#include "ui/app/commands/serial_profile.h"
#include "ui/dialogs/serial_transfer_dialog.h"

#include <QSettings>
#include "support/temp_path.h"

namespace vq {
namespace {

using Bytes = std::vector<uint8_t>;

class SerialDialogTest : public ::testing::Test {
 protected:
  // The time-out is generous unless it is what a test is about: a loaded
  // machine may leave the line quiet for a while.
  std::unique_ptr<SerialTransferDialog> Dialog(serial::Direction direction,
                                               const std::string& device, int timeoutMs = 20000) {
    auto dialog = std::make_unique<SerialTransferDialog>(
        direction, QString::fromStdString(path), serial::MakeLineSettings({}, device), timeoutMs);
    dialog->SetPauseScale([](int) { return 0; });
    return dialog;
  }
  std::string path = vq::test::UniqueTempPath("serial_dialog_file.bin");
};

// Runs `step` once the dialog is up and its transfer started; should the
// dialog still be open a generous while later, it is cancelled, so a fault
// fails the test instead of hanging it.
void WhileShown(SerialTransferDialog& dialog, std::function<void()> step) {
  auto* started = new QTimer(&dialog);
  QObject::connect(started, &QTimer::timeout, &dialog, [&dialog, started, step] {
    if (!dialog.isVisible() || dialog.StatusText() == "Ready!") return;
    started->stop();
    step();
  });
  started->start(1);
  QTimer::singleShot(60000, &dialog, [&dialog] { dialog.reject(); });
}

// Bounded generously: the limit only ends a test that has already failed.
template <class Done>
bool ServeEventsUntil(Done done) {
  const QDeadlineTimer deadline(20000);
  while (!done() && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return done();
}

TEST_F(SerialDialogTest, ASilentLineTimesOut) {
  serial::testing::PtyPair pty;
  auto dialog = Dialog(serial::Direction::kDownload, pty.Path(), 300);
  WhileShown(*dialog, [] {});
  EXPECT_EQ(dialog->exec(), QDialog::Rejected);
  EXPECT_EQ(dialog->StatusText(), "Connection with receiver timed out!");
  EXPECT_FALSE(dialog->Succeeded());
}

// Time is stepped by hand: the timer itself never fires in this test.
TEST_F(SerialDialogTest, TheTimeOutEndsTheFirstPeriodWithoutAnyBurst) {
  serial::testing::PtyPair pty;
  auto dialog = Dialog(serial::Direction::kDownload, pty.Path(), 3600000);
  QString before, after;
  bool openAfterFirstTick = false;
  WhileShown(*dialog, [&] {
    before = dialog->StatusText();
    // A burst during the first period keeps the transfer for one more.
    Bytes identification(std::begin(serial::kIdentificationPrefix),
                         std::end(serial::kIdentificationPrefix));
    identification.insert(identification.end(), {'P', '^', 'V', serial::kAck});
    ASSERT_EQ(::write(pty.Master(), identification.data(), identification.size()),
              ssize_t(identification.size()));
    ASSERT_TRUE(ServeEventsUntil([&] { return !dialog->InfoText().isEmpty(); }));
    dialog->TimeoutTick();
    openAfterFirstTick = dialog->isVisible();

    after = dialog->StatusText();
    dialog->TimeoutTick();
  });
  dialog->exec();
  EXPECT_EQ(before, "Connecting ...");
  EXPECT_TRUE(openAfterFirstTick);
  EXPECT_NE(after, "Connection with receiver timed out!");
  EXPECT_EQ(dialog->StatusText(), "Connection with receiver timed out!");
}

// Time is stepped by hand; a console byte arrives in every period.
TEST_F(SerialDialogTest, BytesThatMoveNothingKeepTheTransferOnlySoLong) {
  serial::testing::PtyPair pty;
  auto dialog = Dialog(serial::Direction::kDownload, pty.Path(), 3600000);
  int ticks = 0;
  WhileShown(*dialog, [&] {
    while (dialog->isVisible() && ticks < 100) {
      const char dot = '.';
      ASSERT_EQ(::write(pty.Master(), &dot, 1), 1);
      const QDeadlineTimer served(30);
      ServeEventsUntil([&] { return served.hasExpired(); });
      dialog->TimeoutTick();
      ++ticks;
    }
  });
  dialog->exec();
  EXPECT_EQ(ticks, serial::ProgressWatch::kMinimumPeriods);
  EXPECT_EQ(dialog->StatusText(), "Connection with receiver timed out!");
}

TEST_F(SerialDialogTest, EnterIsIgnoredAndCancelEnds) {
  serial::testing::PtyPair pty;
  auto dialog = Dialog(serial::Direction::kUpload, pty.Path());
  bool visibleAfterEnter = false;
  WhileShown(*dialog, [&] {
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    visibleAfterEnter = dialog->isVisible();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
  });
  dialog->exec();
  EXPECT_TRUE(visibleAfterEnter);
  EXPECT_EQ(dialog->StatusText(), "Cancelled!");
}

TEST_F(SerialDialogTest, ProgressTexts) {
  auto download = Dialog(serial::Direction::kDownload, "/nonexistent");
  download->SetBlockTotal(488);
  download->ReportProgress(244);
  EXPECT_EQ(download->StatusText(), "Loading ... (50%)");
  download->ReportProgress(serial::kProgressError);
  EXPECT_EQ(download->StatusText(), "Protocol Error");
  auto upload = Dialog(serial::Direction::kUpload, "/nonexistent");
  upload->SetBlockTotal(808);
  upload->ReportProgress(808);
  EXPECT_EQ(upload->StatusText(), "Saving ... (100%)");
  upload->SetBlockTotal(0);
  upload->ReportProgress(0);
  EXPECT_EQ(upload->StatusText(), "Saving ... (0%)");
}

TEST_F(SerialDialogTest, DownloadAndUploadThroughTheDialog) {
  serial::emulator::ReceiverOptions options;
  options.image = serial::testing::PatternImage(499712);
  options.badBlocks = {3};
  options.retryBlocks = {7};
  serial::emulator::SerialEmulator receiver(options);
  ASSERT_TRUE(receiver.Start());
  auto download = Dialog(serial::Direction::kDownload, receiver.DevicePath());
  download->exec();
  EXPECT_TRUE(download->Succeeded());
  EXPECT_EQ(download->StatusText(), "Cancelled!");  // completion closes through Cancel
  EXPECT_EQ(download->InfoText(), "Product Name:      VQ-1000 PVR\nSoftware Version:  1.07");
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(Bytes(std::istreambuf_iterator<char>(in), {}) == options.image);

  auto upload = Dialog(serial::Direction::kUpload, receiver.DevicePath());
  upload->exec();
  EXPECT_TRUE(upload->Succeeded());
  EXPECT_TRUE(receiver.ReceivedImage() == options.image);
}

TEST(SerialProfileTest, DevicePathKeyWinsOverPortIndex) {
  const QString ini = QString::fromStdString(vq::test::UniqueTempPath("serial_profile.ini"));
  QSettings(ini, QSettings::IniFormat).clear();
  EditorConfig config;
  config.Port = 15;
  EXPECT_EQ(SerialLineFromConfig(config, LoadSerialDevicePath(ini)).device, "/dev/ttyS15");
  {
    QSettings settings(ini, QSettings::IniFormat);
    settings.setValue(kSerialDeviceKey, "/dev/ttyUSB0");
  }
  EXPECT_EQ(SerialLineFromConfig(config, LoadSerialDevicePath(ini)).device, "/dev/ttyUSB0");
}

}  // namespace
}  // namespace vq
