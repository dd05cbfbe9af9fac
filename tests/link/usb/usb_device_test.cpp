#include "link/usb/usb_device.h"

#include <gtest/gtest.h>

#include "link/usb/fake_usb.h"
#include "link/usb/usb_command_channel.h"
#include "link/usb/usb_image_transfer.h"
#include "link/usb/usb_test_images.h"

namespace vq::usb {
namespace {

using test::FakeBus;
using test::FakeReceiver;

// A response frame to the exchange with sequence number `sequence`.
std::deque<uint8_t> Response(uint8_t sequence) {
  Frame frame{};
  frame[kFrameSequenceOffset] = sequence;
  return std::deque<uint8_t>(frame.begin(), frame.end());
}

// A receiver on the bus, attached.
class AttachedUsbDevice : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(device.Attach()); }
  FakeBus bus;
  UsbDevice device{bus};
};

TEST(UsbDeviceTest, AttachNeedsAReceiverAndHappensOnce) {
  FakeBus bus;
  bus.present = false;
  UsbDevice device(bus);
  EXPECT_FALSE(device.Attach());
  EXPECT_FALSE(device.IsAttached());
  EXPECT_FALSE(device.IsConnected());
  size_t count = 0;
  uint8_t byte = 0;
  EXPECT_EQ(device.Pipes().ReadData(&byte, 1, count, Milliseconds(1)), kUsbFailure);
  EXPECT_EQ(device.Pipes().WriteData(&byte, 1, count, Milliseconds(1)), kUsbFailure);
  EXPECT_FALSE(device.Detach());

  bus.present = true;
  EXPECT_TRUE(device.Attach());
  EXPECT_EQ(bus.Last().resets, 1);
  EXPECT_FALSE(device.Attach());
  EXPECT_TRUE(device.IsConnected());
  bus.Last().connected = false;  // left the bus, not yet detached
  EXPECT_TRUE(device.IsAttached());
  EXPECT_FALSE(device.IsConnected());
  EXPECT_TRUE(device.Detach());
  EXPECT_FALSE(device.IsAttached());
  EXPECT_TRUE(bus.Last().closed);
}

TEST_F(AttachedUsbDevice, ReadsAndWritesGoIn64BytePieces) {
  FakeReceiver& receiver = bus.Last();
  receiver.pending.assign(128, 0x5A);
  uint8_t buffer[128] = {};
  size_t count = 0;
  const UsbPipes pipes = device.Pipes();
  EXPECT_EQ(pipes.ReadData(buffer, 128, count, Milliseconds(5)), kUsbOk);
  EXPECT_EQ(count, 128u);
  EXPECT_EQ(receiver.reads, (std::vector<size_t>{64, 64}));
  EXPECT_EQ(pipes.WriteData(buffer, 128, count, Milliseconds(5)), kUsbOk);
  EXPECT_EQ(receiver.writes, (std::vector<size_t>{64, 64}));
  EXPECT_EQ(count, 128u);
}

TEST_F(AttachedUsbDevice, SilenceFailsAfterTheWholeTimeOutAndShortWritesReportTheCount) {
  FakeReceiver& receiver = bus.Last();
  receiver.pending.assign(64, 1);  // half a frame, then nothing
  uint8_t buffer[128];
  size_t count = 0;
  EXPECT_EQ(device.Pipes().ReadData(buffer, 128, count, Milliseconds(70)), kUsbFailure);
  EXPECT_EQ(count, 64u);
  EXPECT_EQ(receiver.waited, Milliseconds(70));  // waited in slices, but all of it

  receiver.acceptWrites = 1;
  EXPECT_EQ(device.Pipes().WriteData(buffer, 128, count, Milliseconds(7)), kUsbOk);
  EXPECT_EQ(count, 64u);
}

TEST_F(AttachedUsbDevice, DetachOrStopEndsAWaitUnderWay) {
  FakeReceiver& receiver = bus.Last();
  uint8_t buffer[64];
  size_t count = 0;
  std::atomic<bool> stop{false};
  receiver.onRead = [&](Milliseconds) { stop = true; };
  EXPECT_EQ(device.Pipes(&stop).ReadData(buffer, 64, count, Milliseconds(5000)), kUsbFailure);
  EXPECT_EQ(receiver.waited, UsbPipes::kWaitSlice);

  receiver.waited = Milliseconds(0);
  receiver.onRead = [&](Milliseconds) { device.Detach(); };
  EXPECT_EQ(device.Pipes().ReadData(buffer, 64, count, Milliseconds(5000)), kUsbFailure);
  EXPECT_EQ(receiver.waited, UsbPipes::kWaitSlice);
}

TEST_F(AttachedUsbDevice, DrainThrowsAwayStaleResponses) {
  bus.Last().pending.assign(300, 7);
  device.CancelEP2IO(Milliseconds(1));
  EXPECT_TRUE(bus.Last().pending.empty());
}

// The receiver goes and comes back between the command frame and its
// response; the new connection already has a matching response queued.
TEST_F(AttachedUsbDevice, AnExchangeNeverCarriesOnOverANewAttachment) {
  FakeReceiver& first = bus.Last();
  first.onWrite = [&](Milliseconds) {
    if (first.writes.size() < 2) return;  // the whole frame went out
    first.onWrite = nullptr;
    device.Detach();
    bus.prepare = [](FakeReceiver& next) { next.pending = Response(0); };
    device.Attach();
  };
  UsbCommandChannel channel(device);
  EXPECT_EQ(channel.CommandInit(Milliseconds(50)), kUsbFailure);
  ASSERT_EQ(bus.opened.size(), 2u);
  EXPECT_TRUE(bus.opened[1]->reads.empty());
  EXPECT_TRUE(first.closed);  // released once the exchange let go of it
}

TEST(UsbDeviceTest, ATransferNeverCarriesOnOverANewAttachment) {
  FakeBus bus;
  bus.prepare = [](FakeReceiver& receiver) { receiver.pending.assign(300000, 0x11); };
  UsbDevice device(bus);
  ASSERT_TRUE(device.Attach());
  FakeReceiver& first = bus.Last();
  first.onRead = [&](Milliseconds) {
    first.onRead = nullptr;
    device.Detach();
    device.Attach();
  };
  test::ScratchFile file;
  const std::atomic<bool> stop{false};
  EXPECT_EQ(DownloadImage(device, file.Path(), 200000, stop, {}), TransferEnd::kFailed);
  ASSERT_EQ(bus.opened.size(), 2u);
  EXPECT_TRUE(bus.opened[1]->reads.empty());
  EXPECT_EQ(test::ReadFileBytes(file.Path()).size(), UsbDevice::kChunkSize);
}

}  // namespace
}  // namespace vq::usb
