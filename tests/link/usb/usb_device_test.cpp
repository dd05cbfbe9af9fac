#include "link/usb/usb_device.h"

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <mutex>

namespace vq::usb {
namespace {

using Status = TransferResult::Status;

// A backend that serves EP2 IN from a byte queue and records every request.
class RecordingBackend : public UsbBackend {
 public:
  TransferResult Read(Endpoint endpoint, uint8_t* data, size_t length,
                      Milliseconds timeout) override {
    std::lock_guard guard(mutex);
    if (endpoint != Endpoint::kEp2In) return {Status::kTimeout, 0};
    reads.push_back(length);
    if (pending.empty()) {
      waited += timeout;
      return {Status::kTimeout, 0};
    }
    const size_t n = std::min(length, pending.size());
    std::copy_n(pending.begin(), n, data);
    pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(n));
    return {Status::kDone, n};
  }
  TransferResult Write(Endpoint, const uint8_t*, size_t length, Milliseconds) override {
    std::lock_guard guard(mutex);
    writes.push_back(length);
    if (acceptWrites == 0) return {Status::kTimeout, 0};
    --acceptWrites;
    return {Status::kDone, length};
  }
  void ResetPipes() override { ++resets; }

  std::mutex mutex;
  std::deque<uint8_t> pending;
  std::vector<size_t> reads, writes;
  int acceptWrites = 1000;
  int resets = 0;
  Milliseconds waited{0};
};

class OneDeviceBus : public UsbBus {
 public:
  std::unique_ptr<UsbBackend> Open() override {
    if (!present) return nullptr;
    auto backend = std::make_unique<RecordingBackend>();
    last = backend.get();
    return backend;
  }
  void SetHotplugHandler(HotplugHandler) override {}
  bool present = true;
  RecordingBackend* last = nullptr;
};

TEST(UsbDeviceTest, AttachNeedsAReceiverAndHappensOnce) {
  OneDeviceBus bus;
  bus.present = false;
  UsbDevice device(bus);
  EXPECT_FALSE(device.Attach());
  EXPECT_FALSE(device.IsAttached());
  size_t count = 0;
  uint8_t byte = 0;
  EXPECT_EQ(device.ReadData(&byte, 1, count, Milliseconds(1)), kUsbFailure);
  EXPECT_EQ(device.WriteData(&byte, 1, count, Milliseconds(1)), kUsbFailure);
  EXPECT_FALSE(device.Detach());

  bus.present = true;
  EXPECT_TRUE(device.Attach());
  EXPECT_EQ(bus.last->resets, 1);
  EXPECT_FALSE(device.Attach());
  EXPECT_TRUE(device.Detach());
  EXPECT_FALSE(device.IsAttached());
}

TEST(UsbDeviceTest, ReadsAndWritesGoIn64BytePieces) {
  OneDeviceBus bus;
  UsbDevice device(bus);
  ASSERT_TRUE(device.Attach());
  RecordingBackend& backend = *bus.last;
  backend.pending.assign(128, 0x5A);
  uint8_t buffer[128] = {};
  size_t count = 0;
  EXPECT_EQ(device.ReadData(buffer, 128, count, Milliseconds(5)), kUsbOk);
  EXPECT_EQ(count, 128u);
  EXPECT_EQ(backend.reads, (std::vector<size_t>{64, 64}));
  EXPECT_EQ(device.WriteData(buffer, 128, count, Milliseconds(5)), kUsbOk);
  EXPECT_EQ(backend.writes, (std::vector<size_t>{64, 64}));
  EXPECT_EQ(count, 128u);
}

TEST(UsbDeviceTest, SilenceFailsAfterTheTimeOutAndShortWritesReportTheCount) {
  OneDeviceBus bus;
  UsbDevice device(bus);
  ASSERT_TRUE(device.Attach());
  RecordingBackend& backend = *bus.last;
  backend.pending.assign(64, 1);  // half a frame, then nothing
  uint8_t buffer[128];
  size_t count = 0;
  EXPECT_EQ(device.ReadData(buffer, 128, count, Milliseconds(7)), kUsbFailure);
  EXPECT_EQ(count, 64u);
  EXPECT_EQ(backend.waited, Milliseconds(7));

  backend.acceptWrites = 1;
  EXPECT_EQ(device.WriteData(buffer, 128, count, Milliseconds(7)), kUsbOk);
  EXPECT_EQ(count, 64u);
}

TEST(UsbDeviceTest, DrainThrowsAwayStaleResponses) {
  OneDeviceBus bus;
  UsbDevice device(bus);
  ASSERT_TRUE(device.Attach());
  bus.last->pending.assign(300, 7);
  device.CancelEP2IO(Milliseconds(1));
  EXPECT_TRUE(bus.last->pending.empty());
}

}  // namespace
}  // namespace vq::usb
