#pragma once
// A bus in front of the emulated receiver. The receiver runs on the caller's
// thread, so the bus adds up the thread CPU time spent inside its bulk data
// calls (EP2), to be taken out of the worker's own CPU time. With a byte
// rate it also holds the EP2 data to that pace, standing in for a real bus.

#include <atomic>
#include <memory>
#include <mutex>

#include "link/usb/emulated_receiver.h"

namespace vq::bench {

class MeteredBus : public usb::UsbBus {
 public:
  explicit MeteredBus(usb::EmulatedReceiver& receiver, double bytesPerSecond = 0)
      : receiver_(receiver), bytesPerSecond_(bytesPerSecond) {}

  std::unique_ptr<usb::UsbBackend> Open() override;
  void SetHotplugHandler(HotplugHandler handler) override;
  bool HasHotplug() const override { return receiver_.HasHotplug(); }

  /// Thread CPU seconds spent inside the receiver's EP2 calls so far.
  double EmulatorCpu() const { return double(emulatorNanoseconds_.load()) * 1e-9; }

  /// Adds one EP2 call's CPU time and, with a rate, sleeps until the line
  /// has carried its bytes.
  void Account(size_t bytes, int64_t cpuNanoseconds);

 private:
  usb::EmulatedReceiver& receiver_;
  const double bytesPerSecond_;
  std::atomic<int64_t> emulatorNanoseconds_{0};
  std::mutex paceLock_;
  double lineFreeAt_ = 0;
};

}  // namespace vq::bench
