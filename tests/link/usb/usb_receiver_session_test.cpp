#include "link/usb/usb_receiver_session.h"

#include <gtest/gtest.h>

#include "link/usb/emulated_receiver.h"
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

TEST_F(ReceiverSessionTest, AnEmptyAnnouncementIsNotFetched) {
  receiver.SetFaults(test::Faults([](EmulatedFaults& f) { f.shortImage = 0; }));
  const UsbSessionStart start = StartUsbRead(device, kFast);
  EXPECT_FALSE(start.ready);
  EXPECT_TRUE(start.message.empty());
}

}  // namespace
}  // namespace vq::usb
