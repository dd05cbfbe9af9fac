// The tty port on a pseudo-terminal and the mapping of the stored values.
#include "link/serial/serial_port.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <condition_variable>
#include <mutex>

#include "link/serial/pty_fixture.h"

namespace vq::serial {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(LineSettingsTest, StoredValuesMapToLineSettings) {
  EXPECT_EQ(MakeLineSettings({.port = 0}, "").device, "/dev/ttyS0");
  EXPECT_EQ(MakeLineSettings({.port = 15}, "").device, "/dev/ttyS15");
  EXPECT_EQ(MakeLineSettings({.port = 15}, "/dev/ttyUSB0").device, "/dev/ttyUSB0");
  const LineSettings defaults = MakeLineSettings({.bitrate = 11, .dataBits = 3}, "");
  EXPECT_EQ(defaults.bitsPerSecond, 115200u);
  EXPECT_EQ(defaults.dataBits, 8);
  EXPECT_EQ(MakeLineSettings({.bitrate = 0, .dataBits = 0}, "").bitsPerSecond, 110u);
  EXPECT_EQ(MakeLineSettings({.bitrate = 15, .dataBits = 5}, "").dataBits, 8);
  EXPECT_EQ(MakeLineSettings({.parityBit = 3, .stopBit = 1}, "").parity, Parity::kMark);
  EXPECT_EQ(MakeLineSettings({.flowCtrl = 0xFF}, "").flowBits, 7);
}

class PortTest : public ::testing::Test {
 protected:
  LineSettings Settings(int32_t flow, int32_t bitrate = 11) {
    return MakeLineSettings({.bitrate = bitrate, .dataBits = 3, .flowCtrl = flow}, pty.Path());
  }
  void OnBurst(const uint8_t* data, size_t length) {
    std::lock_guard lock(mutex);
    received.insert(received.end(), data, data + length);
    ++bursts;
    arrived.notify_all();
  }
  // Bounded generously: the limit only ends a test that has already failed.
  Bytes WaitFor(size_t count) {
    std::unique_lock lock(mutex);
    arrived.wait_for(lock, std::chrono::seconds(20), [&] { return received.size() >= count; });
    return received;
  }

  testing::PtyPair pty;
  std::mutex mutex;
  std::condition_variable arrived;
  Bytes received;
  int bursts = 0;
  SerialPort port{[this](const uint8_t* data, size_t length) { OnBurst(data, length); }};
};

TEST_F(PortTest, LineStateFollowsFlowControlBits) {
  ASSERT_TRUE(port.Open(Settings(0)));
  auto state = port.CurrentLineState();
  ASSERT_TRUE(state);
  EXPECT_EQ(state->bitsPerSecond, 115200u);
  EXPECT_EQ(state->dataBits, 8);
  EXPECT_EQ(state->parity, Parity::kNone);
  EXPECT_FALSE(state->twoStopBits);
  EXPECT_FALSE(state->rtsCtsFlow);
  EXPECT_FALSE(state->xonOutput || state->xonInput);
  if (state->dtr) {  // only real UARTs have the modem lines
    EXPECT_TRUE(*state->dtr && *state->rts);
  }
  port.Close();

  ASSERT_TRUE(port.Open(Settings(7, 7)));  // 14400 bit/s is not a standard termios rate
  state = port.CurrentLineState();
  EXPECT_EQ(state->bitsPerSecond, 14400u);
  EXPECT_TRUE(state->rtsCtsFlow);
  EXPECT_TRUE(state->xonOutput && state->xonInput);
  EXPECT_EQ(state->xonChar, 0x11);
  EXPECT_EQ(state->xoffChar, 0x13);
  EXPECT_TRUE(state->parityCheck);
}

TEST_F(PortTest, SecondOpenFailsAndLeavesThePortWorking) {
  ASSERT_TRUE(port.Open(Settings(0)));
  EXPECT_FALSE(port.Open(Settings(7)));
  EXPECT_FALSE(port.CurrentLineState()->rtsCtsFlow);
  SerialPort other([](const uint8_t*, size_t) {});
  EXPECT_FALSE(other.Open(Settings(0)));  // held exclusively
  EXPECT_FALSE(other.IsOpen());
  EXPECT_TRUE(port.SendU32(1000));
  EXPECT_EQ(pty.ReadMaster(4), Bytes({0x00, 0x00, 0x03, 0xE8}));
  EXPECT_TRUE(port.SendU32(1000, true));
  EXPECT_EQ(pty.ReadMaster(4), Bytes({0xE8, 0x03, 0x00, 0x00}));
  uint8_t be[4];
  SerialPort::PutU32BE(be, 0x01020304);
  EXPECT_EQ(Bytes(be, be + 4), Bytes({1, 2, 3, 4}));
}

TEST_F(PortTest, BurstsReachTheOwnerAndReopenWorks) {
  ASSERT_TRUE(port.Open(Settings(0)));
  const Bytes sent = {0x0D, 0x0A, 0xAA, 0x55};
  ASSERT_EQ(::write(pty.Master(), sent.data(), sent.size()), 4);
  EXPECT_EQ(WaitFor(4), sent);
  port.Close();
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(port.Write(sent.data(), sent.size()));
  ASSERT_TRUE(port.Open(Settings(0)));
  ASSERT_EQ(::write(pty.Master(), sent.data(), 2), 2);
  EXPECT_EQ(WaitFor(6).size(), 6u);
  EXPECT_FALSE(SerialPort([](const uint8_t*, size_t) {}).Open(
      MakeLineSettings({}, "/nonexistent/tty")));
}

// The reader's read, scripted: each call takes the next outcome, where a
// negative value is an errno to fail with and 0 the end of the file; once
// the script is used up the real read runs. Every call is counted.
class ScriptedRead {
 public:
  explicit ScriptedRead(std::vector<int> script) : script_(std::move(script)) {}
  SerialPort::ReadFunction Function() {
    return [this](int fd, void* buffer, size_t length) -> ssize_t {
      std::unique_lock lock(mutex_);
      const size_t call = calls_++;
      called_.notify_all();
      if (call >= script_.size()) {
        lock.unlock();
        return ::read(fd, buffer, length);
      }
      if (script_[call] < 0) {
        errno = -script_[call];
        return -1;
      }
      return 0;
    };
  }
  // Bounded generously: the limit only ends a test that has already failed.
  bool WaitForCalls(size_t count) {
    std::unique_lock lock(mutex_);
    return called_.wait_for(lock, std::chrono::seconds(20), [&] { return calls_ >= count; });
  }
  size_t Calls() {
    std::lock_guard lock(mutex_);
    return calls_;
  }

 private:
  std::vector<int> script_;
  std::mutex mutex_;
  std::condition_variable called_;
  size_t calls_ = 0;
};

TEST_F(PortTest, AnInterruptedOrEmptyReadIsTriedAgain) {
  ScriptedRead read({-EAGAIN, -EINTR, -EAGAIN});
  SerialPort scripted([this](const uint8_t* data, size_t length) { OnBurst(data, length); },
                      read.Function());
  ASSERT_TRUE(scripted.Open(Settings(0)));
  const Bytes sent = {1, 2, 3};
  ASSERT_EQ(::write(pty.Master(), sent.data(), sent.size()), 3);
  EXPECT_EQ(WaitFor(3), sent);
  EXPECT_GE(read.Calls(), 4u);
}

TEST_F(PortTest, TheEndOfTheLineStopsTheReaderWithoutSpinning) {
  ScriptedRead read({0});
  SerialPort scripted([this](const uint8_t* data, size_t length) { OnBurst(data, length); },
                      read.Function());
  ASSERT_TRUE(scripted.Open(Settings(0)));
  const Bytes sent = {1, 2, 3};
  ASSERT_EQ(::write(pty.Master(), sent.data(), sent.size()), 3);
  ASSERT_TRUE(read.WaitForCalls(1));
  scripted.Close();  // returns: the reader waits for it
  EXPECT_EQ(read.Calls(), 1u);
  EXPECT_TRUE(received.empty());
  ASSERT_TRUE(scripted.Open(Settings(0)));  // and a new open reads again
  ASSERT_EQ(::write(pty.Master(), sent.data(), sent.size()), 3);
  EXPECT_EQ(WaitFor(3), sent);
}

TEST_F(PortTest, AHangUpStopsTheReaderWithoutSpinning) {
  ScriptedRead read({});
  SerialPort scripted([this](const uint8_t* data, size_t length) { OnBurst(data, length); },
                      read.Function());
  ASSERT_TRUE(scripted.Open(Settings(0)));
  const Bytes sent = {1};
  ASSERT_EQ(::write(pty.Master(), sent.data(), sent.size()), 1);
  EXPECT_EQ(WaitFor(1), sent);
  pty.CloseMaster();  // the receiver's end hangs up
  scripted.Close();
  EXPECT_LE(read.Calls(), 3u);
}

}  // namespace
}  // namespace vq::serial
