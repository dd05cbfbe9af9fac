#include "link/usb/usb_command_channel.h"

#include <gtest/gtest.h>

#include "common/byte_sum.h"
#include "link/usb/emulated_receiver.h"
#include "link/usb/usb_test_images.h"

namespace vq::usb {
namespace {

constexpr Milliseconds kShort(30);

class CommandChannelTest : public ::testing::Test {
 protected:
  CommandChannelTest() : receiver(test::MakeImage(1)), device(receiver), channel(device) {
    device.Attach();
  }
  EmulatedReceiver receiver;
  UsbDevice device;
  UsbCommandChannel channel;
};

TEST(CommandFrameTest, InitChecksumWithSequenceZeroIsSignatureSumPlusCodeAndParameter) {
  Frame frame = MakeCommandFrame(kCommandInit, 1);
  SealCommandFrame(frame, 0);
  const uint32_t expected =
      ByteSum32(reinterpret_cast<const uint8_t*>(kFrameSignature), 10) + 1 + 1;
  const uint32_t stored =
      frame[124] | (frame[125] << 8) | (frame[126] << 16) | (uint32_t{frame[127]} << 24);
  EXPECT_EQ(stored, expected);
  EXPECT_EQ(frame[118], 0);
  EXPECT_EQ(frame[119], 1);
}

TEST_F(CommandChannelTest, WriteFileCarriesTheSizeLowHalfFirstBigEndian) {
  EXPECT_EQ(channel.CommandWriteFile(827392, kShort), kUsbOk);
  const Frame& frame = channel.CommandFrame();
  EXPECT_EQ(std::vector<uint8_t>(frame.begin() + 10, frame.begin() + 14),
            (std::vector<uint8_t>{0x00, 0x0C, 0xA0, 0x00}));
  EXPECT_EQ(std::vector<uint8_t>(frame.begin() + 14, frame.begin() + 18),
            (std::vector<uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(frame[119], kCommandWriteFile);
}

TEST_F(CommandChannelTest, WrongSequenceFailsEvenWithStatusZero) {
  receiver.SetFaults(test::Faults([](EmulatedFaults& f) { f.wrongSequence = true; }));
  EXPECT_EQ(channel.CommandInit(kShort), kUsbFailure);
  EXPECT_EQ(channel.ResponseFrame()[120], 0);  // the receiver did say OK
}

TEST_F(CommandChannelTest, SequenceWrapsAfter129Exchanges) {
  for (int i = 0; i < 129; ++i) {
    EXPECT_EQ(device.CommandSequence(), i);
    ASSERT_EQ(channel.CommandInit(kShort), kUsbOk);
  }
  EXPECT_EQ(device.CommandSequence(), 0);
  // It also advances when the exchange fails.
  receiver.SetFaults(test::Faults([](EmulatedFaults& f) { f.silent = true; }));
  EXPECT_EQ(channel.CommandInit(kShort), kUsbFailure);
  EXPECT_EQ(device.CommandSequence(), 1);
}

TEST_F(CommandChannelTest, ReceiverStatusPassesUpAndSilenceIsALinkFailure) {
  receiver.SetFaults(test::Faults([](EmulatedFaults& f) {
    f.status = 0x23;
    f.statusCommand = kCommandReadFile;
  }));
  EXPECT_EQ(channel.CommandInit(kShort), kUsbOk);
  EXPECT_EQ(channel.CommandReadFile(kShort), 0x23u);
  receiver.SetFaults(test::Faults([](EmulatedFaults& f) { f.silent = true; }));
  EXPECT_EQ(channel.CommandInit(kShort), kUsbFailure);
  device.Detach();
  EXPECT_EQ(channel.CommandInit(kShort), kUsbFailure);
}

TEST_F(CommandChannelTest, InfoAndReadFileResponses) {
  uint8_t data[kFrameDataSize];
  uint16_t status = 9, value = 9;
  EXPECT_EQ(channel.CommandInfo(kInfoProductName, kShort, data, &status, &value), kUsbOk);
  EXPECT_EQ(ResponseText(data), EmulatedReceiver::kProductName);
  EXPECT_EQ(status, 0);
  receiver.SetFaults(test::Faults([](EmulatedFaults& f) { f.busy = true; }));
  EXPECT_EQ(channel.CommandInfo(kInfoPvrState, kShort, nullptr, nullptr, &value), kUsbOk);
  EXPECT_EQ(value, 1);
  EXPECT_EQ(channel.CommandReadFile(kShort), kUsbOk);
  EXPECT_EQ(channel.FileSize(), 827392u);
  // A text without a terminator stops at the end of the data.
  const std::vector<uint8_t> full(kFrameDataSize, 'A');
  EXPECT_EQ(ResponseText(full.data()), std::string(kFrameDataSize, 'A'));
}

}  // namespace
}  // namespace vq::usb
