#include "link/usb/usb_receiver_session.h"

#include <gtest/gtest.h>

#include "link/usb/emulated_receiver.h"
#include "link/usb/usb_receiver_command.h"
#include "link/usb/usb_test_images.h"

namespace vq::usb {
namespace {

const UsbSessionTiming kFast{Milliseconds(30), Milliseconds(2)};

class ReceiverSessionTest : public ::testing::Test {
 protected:
  ReceiverSessionTest() : receiver(test::MakeImage(1)), device(receiver) { device.Attach(); }
  EmulatedReceiver receiver;
  UsbDevice device;
};

TEST_F(ReceiverSessionTest, ReadAnnouncesTheImageWithTheReceiverIdentity) {
  const UsbSessionStart start = StartUsbRead(device, kFast);
  EXPECT_TRUE(start.ready);
  EXPECT_EQ(start.size, 827392u);
  EXPECT_EQ(start.information,
            "Product Name:      Emulated receiver\nSoftware Version:  1.00 (emulated)");
  EXPECT_TRUE(start.message.empty());
}

TEST_F(ReceiverSessionTest, ABusyReceiverBlocksBothDirections) {
  receiver.SetFaults(test::Faults([](EmulatedFaults& f) { f.busy = true; }));
  for (const UsbSessionStart& start :
       {StartUsbRead(device, kFast), StartUsbWrite(device, 827392, kFast)}) {
    EXPECT_FALSE(start.ready);
    EXPECT_EQ(start.message, kReceiverBusyMessage);
  }
  EXPECT_EQ(receiver.CommandCount(), 2);  // only the two state queries
}

TEST_F(ReceiverSessionTest, FailuresGiveTheCommunicationMessages) {
  receiver.SetFaults(test::Faults([](EmulatedFaults& f) {
    f.status = 0x101;
    f.statusCommand = kCommandInit;
  }));
  EXPECT_EQ(StartUsbRead(device, kFast).message,
            "Can't communicate with the STB.\nCheck your system. error_code=0x101");
  EXPECT_EQ(StartUsbWrite(device, 827392, kFast).message,
            "Can't communicate with the Settop box. Check your system. error_code=0x101");
  receiver.SetFaults(test::Faults([](EmulatedFaults& f) {
    f.status = 0x23;
    f.statusCommand = kCommandWriteFile;
  }));
  EXPECT_EQ(StartUsbWrite(device, 827392, kFast).message,
            "Can't communicate with the STB.\nCheck your system. error_code=0x23");
  receiver.SetFaults(test::Faults([](EmulatedFaults& f) { f.silent = true; }));
  EXPECT_EQ(StartUsbRead(device, kFast).message,
            "Can't communicate with the STB.\nCheck your system. error_code=0x100");
}

TEST_F(ReceiverSessionTest, AStoppedCommandShowsNothingAndMovesNothing) {
  test::ScratchFile file;
  const std::atomic<bool> stop{true};
  UsbCommandRequest request;
  request.path = file.Path();
  const UsbCommandResult result = RunUsbCommand(device, request, stop);
  EXPECT_FALSE(result.start.ready);
  EXPECT_TRUE(result.start.message.empty());
  EXPECT_FALSE(result.moved);
  EXPECT_EQ(receiver.CommandCount(), 0);
}

// The receiver gives up an upload that stops arriving; the drain before the
// next command sequence lasts at least that long, so the sequence is heard.
TEST(ReceiverUploadTest, ACommandAfterACancelledUploadIsAnswered) {
  constexpr Milliseconds kIdle(300);
  const std::vector<uint8_t> held = test::MakeImage(1);
  EmulatedReceiver receiver(held, Milliseconds(10), kIdle);
  UsbDevice device(receiver);
  ASSERT_TRUE(device.Attach());
  test::ScratchFile file;
  const std::vector<uint8_t> sent = test::MakeImage(0);
  test::WriteFileBytes(file.Path(), sent);
  const UsbSessionTiming timing{Milliseconds(200), kIdle};

  std::atomic<bool> stop{false};
  UsbCommandRequest request;
  request.download = false;
  request.path = file.Path();
  request.uploadSize = uint32_t(sent.size());
  request.session = timing;
  UsbCommandHooks hooks;
  hooks.progress = [&](const std::string&, int percent) { stop = stop || percent >= 10; };
  const UsbCommandResult cancelled = RunUsbCommand(device, request, stop, hooks);
  EXPECT_TRUE(cancelled.start.ready);
  EXPECT_FALSE(cancelled.moved);
  EXPECT_EQ(receiver.Image(), held);

  stop = false;
  const UsbCommandResult again = RunUsbCommand(device, request, stop);
  EXPECT_TRUE(again.start.ready) << again.start.message;
  EXPECT_TRUE(again.moved);
  EXPECT_EQ(receiver.Image(), sent);
}

TEST_F(ReceiverSessionTest, AnEmptyAnnouncementIsNotFetched) {
  receiver.SetFaults(test::Faults([](EmulatedFaults& f) { f.shortImage = 0; }));
  const UsbSessionStart start = StartUsbRead(device, kFast);
  EXPECT_FALSE(start.ready);
  EXPECT_TRUE(start.message.empty());
}

}  // namespace
}  // namespace vq::usb
