// The serial transfer dialog on a pseudo-terminal: time-out, Enter, Cancel,
// progress texts and whole transfers against the emulated receiver.
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "link/serial/fake_host.h"
#include "link/serial/pty_fixture.h"
#include "serial_emulator/serial_emulator.h"
#include "ui/app/serial_profile.h"
#include "ui/dialogs/serial_transfer_dialog.h"

#include <QSettings>
#include "support/temp_path.h"

namespace vq {
namespace {

using Bytes = std::vector<uint8_t>;

class SerialDialogTest : public ::testing::Test {
 protected:
  std::unique_ptr<SerialTransferDialog> Dialog(serial::Direction direction, const std::string& device,
                                               int timeoutMs = 1000) {
    auto dialog = std::make_unique<SerialTransferDialog>(
        direction, QString::fromStdString(path), serial::MakeLineSettings({}, device), timeoutMs);
    dialog->SetPauseScale([](int) { return 0; });
    return dialog;
  }
  std::string path = vq::test::UniqueTempPath("serial_dialog_file.bin");
};

TEST_F(SerialDialogTest, SilentLineTimesOutAfterOneToTwoPeriods) {
  serial::testing::PtyPair pty;
  auto dialog = Dialog(serial::Direction::kDownload, pty.Path(), 300);
  QString during;
  QTimer::singleShot(100, [&] { during = dialog->StatusText(); });
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(dialog->exec(), QDialog::Rejected);
  EXPECT_EQ(during, "Connecting ...");
  EXPECT_EQ(dialog->StatusText(), "Connection with receiver timed out!");
  EXPECT_GE(clock.elapsed(), 300);
  EXPECT_LT(clock.elapsed(), 750);
  EXPECT_FALSE(dialog->Succeeded());
}

TEST_F(SerialDialogTest, EnterIsIgnoredAndCancelEnds) {
  serial::testing::PtyPair pty;
  auto dialog = Dialog(serial::Direction::kUpload, pty.Path(), 5000);
  bool visibleAfterEnter = false;
  QTimer::singleShot(50, [&] {
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
