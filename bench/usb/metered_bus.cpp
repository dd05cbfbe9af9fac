#include "metered_bus.h"

#include <algorithm>
#include <ctime>
#include <thread>

#include "bench_support.h"

namespace vq::bench {
namespace {

using usb::Endpoint;
using usb::Milliseconds;
using usb::TransferResult;

int64_t ThreadCpuNanoseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

bool IsData(Endpoint endpoint) {
  return endpoint == Endpoint::kEp2In || endpoint == Endpoint::kEp2Out;
}

class MeteredBackend : public usb::UsbBackend {
 public:
  MeteredBackend(std::unique_ptr<usb::UsbBackend> inner, MeteredBus& bus)
      : inner_(std::move(inner)), bus_(bus) {}

  TransferResult Read(Endpoint endpoint, uint8_t* data, size_t length,
                      Milliseconds timeout) override {
    if (!IsData(endpoint)) return inner_->Read(endpoint, data, length, timeout);
    const int64_t start = ThreadCpuNanoseconds();
    const TransferResult result = inner_->Read(endpoint, data, length, timeout);
    bus_.Account(result.count, ThreadCpuNanoseconds() - start);
    return result;
  }
  TransferResult Write(Endpoint endpoint, const uint8_t* data, size_t length,
                       Milliseconds timeout) override {
    if (!IsData(endpoint)) return inner_->Write(endpoint, data, length, timeout);
    const int64_t start = ThreadCpuNanoseconds();
    const TransferResult result = inner_->Write(endpoint, data, length, timeout);
    bus_.Account(result.count, ThreadCpuNanoseconds() - start);
    return result;
  }
  void ResetPipes() override { inner_->ResetPipes(); }
  bool IsConnected() override { return inner_->IsConnected(); }

 private:
  std::unique_ptr<usb::UsbBackend> inner_;
  MeteredBus& bus_;
};

}  // namespace

std::unique_ptr<usb::UsbBackend> MeteredBus::Open() {
  std::unique_ptr<usb::UsbBackend> inner = receiver_.Open();
  if (!inner) return nullptr;
  return std::make_unique<MeteredBackend>(std::move(inner), *this);
}

void MeteredBus::SetHotplugHandler(HotplugHandler handler) {
  receiver_.SetHotplugHandler(std::move(handler));
}

void MeteredBus::Account(size_t bytes, int64_t cpuNanoseconds) {
  emulatorNanoseconds_ += cpuNanoseconds;
  if (bytesPerSecond_ <= 0 || bytes == 0) return;
  double until = 0;
  {
    std::lock_guard guard(paceLock_);
    lineFreeAt_ = std::max(lineFreeAt_, WallSeconds()) + double(bytes) / bytesPerSecond_;
    until = lineFreeAt_;
  }
  const double delay = until - WallSeconds();
  if (delay > 0) std::this_thread::sleep_for(std::chrono::duration<double>(delay));
}

}  // namespace vq::bench
