// Whole transfers through the real tty port against the emulated receiver
// on a pseudo-terminal, unthrottled and with the fixed pauses skipped.
#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <thread>

#include "link/serial/fake_host.h"
#include "link/serial/headless_transfer.h"
#include "link/serial/pty_fixture.h"
#include "link/serial/upload_machine.h"
#include "serial_emulator/serial_emulator.h"
#include "support/temp_path.h"

namespace vq::serial {
namespace {

using emulator::ReceiverOptions;
using emulator::SerialEmulator;
using Bytes = std::vector<uint8_t>;

class PtyTransferTest : public ::testing::Test {
 protected:
  void SetUp() override { UploadMachine::SetFirstUploadPending(false); }
  void TearDown() override { std::remove(path.c_str()); }

  // The time-out is generous unless it is what a test is about: a loaded
  // machine may leave the line quiet for a while.
  HeadlessResult Run(SerialEmulator& receiver, Direction direction, int timeoutMs = 20000) {
    HeadlessOptions options;
    options.line = MakeLineSettings({}, receiver.DevicePath());
    options.timeoutMs = timeoutMs;
    options.wait = [](int) {};
    options.onStatus = [this](const std::string& text) { statuses.push_back(text); };
    return RunHeadlessTransfer(direction, path, options);
  }
  Bytes FileBytes() const {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
  void WriteFile(const Bytes& bytes) const {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
  }

  std::string path = vq::test::UniqueTempPath("serial_pty_transfer.bin");
  std::vector<std::string> statuses;
};

TEST_F(PtyTransferTest, DownloadsBothImageSizesByteExactDespiteBadBlocks) {
  for (size_t size : {size_t{499712}, size_t{827392}}) {
    ReceiverOptions options;
    options.image = testing::PatternImage(size, static_cast<uint32_t>(size));
    options.badBlocks = {0, 5, 487};
    options.splitIdentification = size == 499712;
    SerialEmulator receiver(options);
    ASSERT_TRUE(receiver.Start());
    const HeadlessResult result = Run(receiver, Direction::kDownload);
    EXPECT_TRUE(result.success) << result.status;
    EXPECT_EQ(result.info, "Product Name:      VQ-1000 PVR\nSoftware Version:  1.07");
    EXPECT_TRUE(FileBytes() == options.image) << size;
    EXPECT_EQ(statuses.front(), "Connecting ...");
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "Loading ... (50%)"), statuses.end());
  }
}

TEST_F(PtyTransferTest, UploadsBothImageSizesByteExactWithRetries) {
  for (size_t size : {size_t{499712}, size_t{827392}}) {
    const Bytes image = testing::PatternImage(size, 3);
    WriteFile(image);
    ReceiverOptions options;
    options.image = {0};
    options.retryBlocks = {0, 9, 487};
    options.splitAcks = size == 499712;
    SerialEmulator receiver(options);
    ASSERT_TRUE(receiver.Start());
    const HeadlessResult result = Run(receiver, Direction::kUpload);
    EXPECT_TRUE(result.success) << result.status;
    EXPECT_TRUE(receiver.ReceivedImage() == image) << size;
    EXPECT_EQ(statuses.back(), "Completed");
  }
}

TEST_F(PtyTransferTest, FailuresEndWithTheirStatus) {
  WriteFile(Bytes(4096, 0x11));
  ReceiverOptions error;
  error.image = {0};
  error.errorBlock = 2;
  SerialEmulator refusing(error);
  ASSERT_TRUE(refusing.Start());
  EXPECT_EQ(Run(refusing, Direction::kUpload).status, "Protocol Error");

  ReceiverOptions repeating;
  repeating.image = Bytes(2048, 1);
  repeating.repeatIdentification = true;
  SerialEmulator looping(repeating);
  ASSERT_TRUE(looping.Start());
  const HeadlessResult failed = Run(looping, Direction::kDownload);
  EXPECT_FALSE(failed.success);
  EXPECT_EQ(failed.status, "Connect failed! Please restart your receiver!");

  ReceiverOptions silent;
  silent.image = Bytes(2048, 1);
  silent.silent = true;
  SerialEmulator quiet(silent);
  ASSERT_TRUE(quiet.Start());
  const HeadlessResult timedOut = Run(quiet, Direction::kDownload, 200);
  EXPECT_FALSE(timedOut.success);
  EXPECT_EQ(timedOut.status, "Connection with receiver timed out!");
}

TEST_F(PtyTransferTest, ALineThatTricklesBytesWithoutProgressTimesOut) {
  // One console byte in every period: never a whole period without data.
  testing::PtyPair pty;
  std::atomic<bool> done{false};
  std::thread trickle([&] {
    while (!done) {
      const char dot = '.';
      if (::write(pty.Master(), &dot, 1) != 1) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  });
  HeadlessOptions options;
  options.line = MakeLineSettings({}, pty.Path());
  options.timeoutMs = 100;
  options.wait = [](int) {};
  const auto start = std::chrono::steady_clock::now();
  const HeadlessResult result = RunHeadlessTransfer(Direction::kDownload, path, options);
  done = true;
  trickle.join();
  EXPECT_FALSE(result.success);
  EXPECT_EQ(result.status, "Connection with receiver timed out!");
  // The bound: kMinimumPeriods periods, give or take a loaded machine.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

}  // namespace
}  // namespace vq::serial
