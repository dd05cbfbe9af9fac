#include "link/usb/usb_image_transfer.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <mutex>
#include <vector>

#include "common/translated_format.h"

namespace vq::usb {
namespace {

using Clock = std::chrono::steady_clock;
using Status = TransferResult::Status;

class ScopedFd {
 public:
  explicit ScopedFd(int fd) : fd_(fd) {}
  ScopedFd(const ScopedFd&) = delete;
  ScopedFd& operator=(const ScopedFd&) = delete;
  ~ScopedFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }

 private:
  int fd_;
};

// Reports only when the text changes, so a run of 64-byte reads does not
// flood the user interface with identical status lines.
class ProgressReporter {
 public:
  ProgressReporter(const TransferProgress& progress, std::string (*format)(int))
      : progress_(progress), format_(format) {}
  void Report(const std::string& text, int percent) {
    if (text == last_ || !progress_) return;
    last_ = text;
    progress_(text, percent);
  }
  void Percent(uint64_t done, uint64_t size) {
    const int percent = size == 0 ? 100 : static_cast<int>(done * 100 / size);
    Report(format_(percent), percent);
  }

 private:
  const TransferProgress& progress_;
  std::string (*format_)(int);
  std::string last_;
};

bool WriteAll(int fd, const uint8_t* data, size_t length) {
  while (length > 0) {
    const ssize_t put = ::write(fd, data, length);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    data += put;
    length -= static_cast<size_t>(put);
  }
  return true;
}

size_t ReadUpTo(int fd, uint8_t* data, size_t length) {
  size_t done = 0;
  while (done < length) {
    const ssize_t got = ::read(fd, data + done, length - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<size_t>(got);
  }
  return done;
}

// Sends one chunk in slices until it is all out, the wait runs out or stop.
TransferEnd SendChunk(const UsbPipes& pipes, const uint8_t* data, size_t length,
                      const std::atomic<bool>& stop, const TransferTiming& timing) {
  const Clock::time_point deadline = timing.now() + timing.writeWait;
  size_t sent = 0;
  while (sent < length) {
    if (stop) return TransferEnd::kStopped;
    // Rounded up: a last fraction of a millisecond is still waited for, so
    // the chunk never fails before the whole write wait has passed.
    const auto left = std::chrono::ceil<Milliseconds>(deadline - timing.now());
    if (left <= Milliseconds(0)) return TransferEnd::kStalled;
    const TransferResult result =
        pipes.WriteChunk(data + sent, length - sent, std::min(left, timing.slice));
    sent += result.count;
    if (result.status == Status::kFailed) return TransferEnd::kFailed;
  }
  return TransferEnd::kMoved;
}

}  // namespace

std::string DownloadStatus(int percent) {
  return TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "Loading ... (%lld%%)"),
                          static_cast<long long>(percent));
}

std::string UploadStatus(int percent) {
  return TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "Saving ... (%lld%%)"),
                          static_cast<long long>(percent));
}

TransferEnd DownloadImage(UsbDevice& device, const std::string& path, uint32_t size,
                          const std::atomic<bool>& stop, const TransferProgress& progress,
                          const TransferTiming& timing) {
  const size_t chunk = UsbDevice::kChunkSize;
  std::vector<uint8_t> buffer(chunk);
  ScopedFd file(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
  if (file.Get() < 0) return TransferEnd::kFailed;

  ProgressReporter reporter(progress, DownloadStatus);
  reporter.Report(kTransferConnecting, 0);
  std::lock_guard guard(device.Lock());
  const UsbPipes pipes = device.Pipes(&stop);
  size_t readSize = size < chunk ? UsbDevice::kPieceSize : chunk;
  uint64_t total = 0;
  Clock::time_point lastData = timing.now();
  while (total < size) {
    if (stop) return TransferEnd::kStopped;
    const TransferResult result = pipes.ReadChunk(buffer.data(), readSize, timing.slice);
    if (result.status == Status::kFailed) return TransferEnd::kFailed;
    if (result.count == 0) {
      // A receiver that stopped sending is not waited on for ever.
      if (timing.now() - lastData >= timing.readWait) return TransferEnd::kStalled;
      continue;
    }
    lastData = timing.now();
    // A receiver that sends more than it announced gets its excess dropped.
    const size_t take = static_cast<size_t>(std::min<uint64_t>(result.count, size - total));
    if (!WriteAll(file.Get(), buffer.data(), take)) return TransferEnd::kFailed;
    total += take;
    if (size - total < chunk) readSize = UsbDevice::kPieceSize;
    reporter.Percent(total, size);
  }
  return TransferEnd::kMoved;
}

TransferEnd UploadImage(UsbDevice& device, const std::string& path, uint32_t size,
                        const std::atomic<bool>& stop, const TransferProgress& progress,
                        const TransferTiming& timing) {
  const size_t chunk = UsbDevice::kChunkSize;
  std::vector<uint8_t> buffer(chunk);
  ScopedFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.Get() < 0) return TransferEnd::kFailed;

  ProgressReporter reporter(progress, UploadStatus);
  reporter.Report(kTransferConnecting, 0);
  std::lock_guard guard(device.Lock());
  const UsbPipes pipes = device.Pipes(&stop);
  uint64_t total = 0;
  while (total < size) {
    const size_t want = static_cast<size_t>(std::min<uint64_t>(chunk, size - total));
    const size_t got = ReadUpTo(file.Get(), buffer.data(), want);
    if (got == 0) return TransferEnd::kFailed;  // the file is shorter than announced
    if (const TransferEnd end = SendChunk(pipes, buffer.data(), got, stop, timing);
        end != TransferEnd::kMoved)
      return end;
    total += got;
    reporter.Percent(total, size);
  }
  return TransferEnd::kMoved;
}

}  // namespace vq::usb
