#include "link/serial/headless_transfer.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "link/serial/progress_watch.h"
#include "link/serial/serial_port.h"
#include "link/serial/serial_transfer.h"
#include "link/serial/stdio_transfer_file.h"
#include "link/serial/transfer_texts.h"

namespace vq::serial {
namespace {

using Clock = std::chrono::steady_clock;

class HeadlessHost final : public TransferHost {
 public:
  HeadlessHost(Direction direction, const HeadlessOptions& options)
      : watch(options.timeoutMs, options.line.bitsPerSecond),
        direction_(direction),
        options_(options) {}

  void Send(const uint8_t* bytes, size_t length) override { port.Write(bytes, length); }
  void Wait(int milliseconds) override {
    if (options_.wait) {
      options_.wait(milliseconds);
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
  }
  void SetBlockTotal(uint32_t blocks) override { total_ = blocks; }
  void ReportProgress(int value) override {
    if (value == kProgressCompleted) {
      result.success = true;
      SetStatus(kStatusCompleted);
      EndTransfer();
    } else if (value == kProgressError) {
      SetStatus(kStatusProtocolError);
      EndTransfer();
    } else {
      watch.Reported(value);
      if (options_.onProgress) options_.onProgress(value, total_);
      SetStatus(ProgressText(direction_, value, total_));
    }
  }
  void ShowReceiverInfo(const std::string& text) override {
    watch.Identified();
    result.info = text;
  }
  void SetStatus(const std::string& text) override {
    result.status = text;
    if (options_.onStatus) options_.onStatus(text);
  }
  void EndTransfer() override { ended = true; }

  /// Waits for the next burst until `deadline`; false on time-out.
  bool NextBurst(std::vector<uint8_t>& burst, Clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    if (!ready_.wait_until(lock, deadline, [this] { return !bursts_.empty(); })) return false;
    burst = std::move(bursts_.front());
    bursts_.pop_front();
    return true;
  }

  SerialPort port{[this](const uint8_t* data, size_t length) {
    std::lock_guard lock(mutex_);
    bursts_.emplace_back(data, data + length);
    ready_.notify_one();
  }};
  HeadlessResult result;
  ProgressWatch watch;
  bool ended = false;

 private:
  Direction direction_;
  const HeadlessOptions& options_;
  uint32_t total_ = 0;
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<std::vector<uint8_t>> bursts_;
};

}  // namespace

HeadlessResult RunHeadlessTransfer(Direction direction, const std::string& filePath,
                                   const HeadlessOptions& options) {
  HeadlessHost host(direction, options);
  StdioTransferFile file;
  if (!file.Open(filePath, direction == Direction::kDownload)) {
    host.result.status = "Cannot open " + filePath;
    return host.result;
  }
  SerialTransfer transfer(host, file, direction);
  transfer.Reset();
  host.SetStatus(kStatusConnecting);
  if (host.port.Open(options.line)) transfer.BeginConnect();
  // The time-out ticks once a period and ends a period without any burst.
  const auto period = std::chrono::milliseconds(options.timeoutMs);
  auto tick = Clock::now() + period;
  bool active = false;
  std::vector<uint8_t> burst;
  while (!host.ended) {
    if (host.NextBurst(burst, tick)) {
      active = true;
      transfer.OnBurst(burst.data(), burst.size());
      if (Clock::now() < tick) continue;
    }
    // A period without a burst ends it, and so do periods of bytes that
    // move the transfer no further.
    if (!active || host.watch.Tick()) {
      host.SetStatus(kStatusTimedOut);
      break;
    }
    active = false;
    tick = std::max(tick + period, Clock::now() + period / 2);
  }
  host.port.Close();
  if (!file.Close() && host.result.success) {
    host.result.success = false;
    host.result.status = "Cannot write " + filePath;
  }
  return host.result;
}

}  // namespace vq::serial
