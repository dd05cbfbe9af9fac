#include "link/usb/usb_image_transfer.h"

#include <gtest/gtest.h>

#include <thread>

#include "link/usb/emulated_receiver.h"
#include "link/usb/fake_usb.h"
#include "link/usb/usb_command_channel.h"
#include "link/usb/usb_test_images.h"

namespace vq::usb {
namespace {

constexpr Milliseconds kShort(30);
// The write wait is generous where an upload is to succeed: a loaded machine
// may keep the sending thread off the processor for a while.
const TransferTiming kFast{Milliseconds(5), Milliseconds(20000)};
const TransferTiming kShortWriteWait{Milliseconds(5), Milliseconds(60)};

class ImageTransferTest : public ::testing::Test {
 protected:
  ImageTransferTest()
      : image(test::MakeImage(1)),
        receiver(image, Milliseconds(10)),
        device(receiver),
        channel(device) {
    device.Attach();
  }
  std::vector<std::string> statuses;
  TransferProgress Record() {
    return [this](const std::string& s, int) { statuses.push_back(s); };
  }

  std::vector<uint8_t> image;
  EmulatedReceiver receiver;
  UsbDevice device;
  UsbCommandChannel channel;
  test::ScratchFile file;
  std::atomic<bool> stop{false};
};

TEST_F(ImageTransferTest, DownloadReadsWholeChunksThen64BytePieces) {
  ASSERT_EQ(channel.CommandReadFile(kShort), kUsbOk);
  ASSERT_EQ(TransferEnd::kMoved,
            DownloadImage(device, file.Path(), channel.FileSize(), stop, Record(), kFast));
  EXPECT_EQ(test::ReadFileBytes(file.Path()), image);
  const std::vector<size_t> sizes = receiver.StreamReadSizes();
  ASSERT_EQ(sizes.size(), 12u + 40960u / 64u);
  for (size_t i = 0; i < sizes.size(); ++i) EXPECT_EQ(sizes[i], i < 12 ? 65536u : 64u) << i;
  EXPECT_EQ(statuses.front(), kTransferConnecting);
  EXPECT_EQ(statuses.back(), "Loading ... (100%)");
}

TEST_F(ImageTransferTest, ASmallImageIsReadIn64BytePiecesFromTheStart) {
  receiver.SetFaults(test::Faults([](EmulatedFaults& f) { f.shortImage = 1000; }));
  ASSERT_EQ(channel.CommandReadFile(kShort), kUsbOk);
  ASSERT_EQ(channel.FileSize(), 1000u);
  ASSERT_EQ(TransferEnd::kMoved, DownloadImage(device, file.Path(), 1000, stop, Record(), kFast));
  EXPECT_EQ(test::ReadFileBytes(file.Path()).size(), 1000u);
  EXPECT_EQ(receiver.StreamReadSizes().front(), 64u);
}

TEST_F(ImageTransferTest, AStalledDownloadEndsAfterTheReadWaitOrWhenStoppedOrUnplugged) {
  receiver.SetFaults(test::Faults([](EmulatedFaults& f) { f.stallAt = 100000; }));
  ASSERT_EQ(channel.CommandReadFile(kShort), kUsbOk);
  // Many reads after the stall; within the read wait only stop ends it.
  std::thread stopper([this] {
    EXPECT_TRUE(test::Eventually([this] { return receiver.StreamReadSizes().size() > 20; }));
    stop = true;
  });
  EXPECT_EQ(DownloadImage(device, file.Path(), channel.FileSize(), stop, Record(), kFast),
            TransferEnd::kStopped);
  stopper.join();
  EXPECT_EQ(test::ReadFileBytes(file.Path()).size(), 100000u);

  // Silent for the whole read wait: it ends by itself.
  stop = false;
  ASSERT_EQ(channel.CommandReadFile(kShort), kUsbOk);
  TransferTiming quiet = kFast;
  quiet.readWait = Milliseconds(150);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(DownloadImage(device, file.Path(), channel.FileSize(), stop, Record(), quiet),
            TransferEnd::kStalled);
  EXPECT_GE(std::chrono::steady_clock::now() - start, quiet.readWait);

  receiver.SetFaults(test::Faults([](EmulatedFaults& f) { f.unplugAt = 70000; }));
  ASSERT_EQ(channel.CommandReadFile(kShort), kUsbOk);
  EXPECT_EQ(DownloadImage(device, file.Path(), 827392, stop, Record(), kFast),
            TransferEnd::kFailed);
  EXPECT_FALSE(receiver.IsPlugged());
}

TEST_F(ImageTransferTest, DownloadNeedsTheExistingFile) {
  ASSERT_EQ(channel.CommandReadFile(kShort), kUsbOk);
  EXPECT_EQ(DownloadImage(device, "/nonexistent/dir/file", 827392, stop, Record(), kFast),
            TransferEnd::kFailed);
}

TEST_F(ImageTransferTest, UploadSendsTheFileAndTheReceiverRestarts) {
  test::HotplugLog hotplug(receiver);
  const std::vector<uint8_t> other = test::MakeImage(0);
  test::WriteFileBytes(file.Path(), other);
  ASSERT_EQ(channel.CommandWriteFile(other.size(), kShort), kUsbOk);
  ASSERT_EQ(
      TransferEnd::kMoved,
      UploadImage(device, file.Path(), static_cast<uint32_t>(other.size()), stop, Record(), kFast));
  EXPECT_EQ(receiver.Image(), other);
  EXPECT_EQ(statuses.back(), "Saving ... (100%)");
  // Off the bus to write its flash, and back.
  EXPECT_TRUE(test::Eventually([&] { return hotplug.Events().size() == 2; }));
  EXPECT_EQ(hotplug.Events(), (std::vector<bool>{false, true}));
}

TEST_F(ImageTransferTest, AnUploadNotAcceptedWithinTheWriteWaitFails) {
  test::WriteFileBytes(file.Path(), image);
  receiver.SetFaults(test::Faults([](EmulatedFaults& f) { f.stallAt = 200000; }));
  ASSERT_EQ(channel.CommandWriteFile(image.size(), kShort), kUsbOk);
  EXPECT_EQ(UploadImage(device, file.Path(), 827392, stop, Record(), kShortWriteWait),
            TransferEnd::kStalled);
  EXPECT_EQ(receiver.Image(), image);  // the old image stays
}

// Each refused write takes its time-out plus a little on a stepped clock, so
// the time left reaches fractions of a millisecond.
TEST(UploadWriteWaitTest, AChunkIsGivenUpOnlyOnceTheWholeWriteWaitHasPassed) {
  test::FakeBus bus;
  bus.prepare = [](test::FakeReceiver& receiver) { receiver.acceptWrites = 0; };
  UsbDevice device(bus);
  ASSERT_TRUE(device.Attach());
  std::chrono::steady_clock::time_point now{};
  bus.Last().onWrite = [&](Milliseconds timeout) {
    now += timeout + std::chrono::microseconds(300);
  };
  TransferTiming timing{Milliseconds(7), Milliseconds(60)};
  timing.now = [&] { return now; };
  test::ScratchFile file;
  std::ofstream(file.Path(), std::ios::binary) << std::string(1000, 'x');
  const std::atomic<bool> stop{false};
  EXPECT_EQ(UploadImage(device, file.Path(), 1000, stop, {}, timing), TransferEnd::kStalled);
  EXPECT_GE(now - std::chrono::steady_clock::time_point{}, timing.writeWait);
}

TEST_F(ImageTransferTest, AFileShorterThanAnnouncedFailsInsteadOfLeavingTheReceiverWaiting) {
  test::WriteFileBytes(file.Path(), image);
  ASSERT_EQ(channel.CommandWriteFile(image.size() + 64, kShort), kUsbOk);
  EXPECT_EQ(UploadImage(device, file.Path(), 827392 + 64, stop, Record(), kFast),
            TransferEnd::kFailed);
}

}  // namespace
}  // namespace vq::usb
