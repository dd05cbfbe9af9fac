#pragma once
// A scriptable receiver for the USB tests: EP2 IN is served from a byte
// queue, every EP2 request is recorded, and hooks run inside the calls, so a
// test can detach, stop or step a clock at an exact point of an exchange.

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "link/usb/usb_backend.h"

namespace vq::test {

/// What one opened fake receiver holds and saw; it outlives the backend.
struct FakeReceiver {
  std::mutex mutex;
  std::condition_variable sideChannel;
  bool closed = false;  ///< the backend has gone
  std::deque<uint8_t> pending;
  std::vector<size_t> reads, writes;
  int acceptWrites = 1 << 30;
  int resets = 0;
  bool connected = true;
  usb::Milliseconds waited{0};
  /// Run after each EP2 request, outside the lock, with its time-out.
  std::function<void(usb::Milliseconds timeout)> onRead, onWrite;
};

class FakeBackend : public usb::UsbBackend {
 public:
  using Status = usb::TransferResult::Status;
  using Endpoint = usb::Endpoint;
  using Milliseconds = usb::Milliseconds;

  explicit FakeBackend(std::shared_ptr<FakeReceiver> receiver) : r_(std::move(receiver)) {}
  ~FakeBackend() override {
    {
      std::lock_guard guard(r_->mutex);
      r_->closed = true;
    }
    r_->sideChannel.notify_all();
  }

  // EP2 IN takes what is queued at once; with nothing queued the wait is
  // counted as spent in full without passing. The side channel (EP1 IN)
  // never delivers and really waits, as a quiet receiver's does.
  usb::TransferResult Read(Endpoint endpoint, uint8_t* data, size_t length,
                           Milliseconds timeout) override {
    std::unique_lock lock(r_->mutex);
    if (endpoint != Endpoint::kEp2In) {
      r_->sideChannel.wait_for(lock, timeout, [this] { return r_->closed; });
      return {Status::kTimeout, 0};
    }
    r_->reads.push_back(length);
    usb::TransferResult result{Status::kTimeout, 0};
    if (r_->pending.empty()) {
      r_->waited += timeout;
    } else {
      const size_t n = std::min(length, r_->pending.size());
      std::copy_n(r_->pending.begin(), n, data);
      r_->pending.erase(r_->pending.begin(), r_->pending.begin() + static_cast<std::ptrdiff_t>(n));
      result = {Status::kDone, n};
    }
    const auto hook = r_->onRead;
    lock.unlock();
    if (hook) hook(timeout);
    return result;
  }

  // EP2 OUT takes whole requests while `acceptWrites` lasts; a refused one
  // times out, its wait counted as spent.
  usb::TransferResult Write(Endpoint endpoint, const uint8_t*, size_t length,
                            Milliseconds timeout) override {
    std::unique_lock lock(r_->mutex);
    if (endpoint != Endpoint::kEp2Out) return {Status::kDone, length};
    r_->writes.push_back(length);
    usb::TransferResult result{Status::kDone, length};
    if (r_->acceptWrites == 0) {
      r_->waited += timeout;
      result = {Status::kTimeout, 0};
    } else {
      --r_->acceptWrites;
    }
    const auto hook = r_->onWrite;
    lock.unlock();
    if (hook) hook(timeout);
    return result;
  }

  void ResetPipes() override {
    std::lock_guard guard(r_->mutex);
    ++r_->resets;
  }
  bool IsConnected() override {
    std::lock_guard guard(r_->mutex);
    return r_->connected;
  }

 private:
  std::shared_ptr<FakeReceiver> r_;
};

/// Opens a fresh fake receiver on every Open while `present`; it has no
/// hotplug.
class FakeBus : public usb::UsbBus {
 public:
  std::unique_ptr<usb::UsbBackend> Open() override {
    if (!present) return nullptr;
    auto receiver = std::make_shared<FakeReceiver>();
    if (prepare) prepare(*receiver);
    opened.push_back(receiver);
    return std::make_unique<FakeBackend>(receiver);
  }
  void SetHotplugHandler(HotplugHandler) override {}
  bool HasHotplug() const override { return false; }

  FakeReceiver& Last() { return *opened.back(); }

  bool present = true;
  /// Run on each new receiver before it is opened.
  std::function<void(FakeReceiver&)> prepare;
  std::vector<std::shared_ptr<FakeReceiver>> opened;
};

}  // namespace vq::test
