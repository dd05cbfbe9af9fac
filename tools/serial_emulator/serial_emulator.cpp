#include "serial_emulator/serial_emulator.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

namespace vq::serial::emulator {
namespace {

double Now() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void SleepUntil(double when) {
  const double delay = when - Now();
  if (delay > 0) std::this_thread::sleep_for(std::chrono::duration<double>(delay));
}

}  // namespace

SerialEmulator::SerialEmulator(ReceiverOptions options, uint32_t throttleBitsPerSecond)
    : receiver_(std::move(options),
                [this](const std::vector<uint8_t>& burst, int gapMs) { WriteBurst(burst, gapMs); }),
      throttle_(throttleBitsPerSecond) {}

SerialEmulator::~SerialEmulator() { Stop(); }

bool SerialEmulator::Start() {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  char name[128];
  if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
      ::ptsname_r(master_, name, sizeof name) != 0) {
    Stop();
    return false;
  }
  devicePath_ = name;
  // Raw from the start, so nothing is echoed before the PC configures it.
  slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  termios tio{};
  if (slave_ < 0 || ::tcgetattr(slave_, &tio) != 0) {
    Stop();
    return false;
  }
  ::cfmakeraw(&tio);
  ::tcsetattr(slave_, TCSANOW, &tio);
  thread_ = std::thread([this] { Run(); });
  return true;
}

void SerialEmulator::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
  slave_ = master_ = -1;
}

void SerialEmulator::PaceLine(size_t bytes) {
  if (throttle_ == 0) return;
  // Keep the ideal schedule while the line stays busy: restarting it from
  // the current time after every slice would add each sleep's overrun to the
  // line time. Only a real pause (longer than a few slices) restarts it.
  constexpr double kIdleGapSeconds = 0.005;
  const double now = Now();
  if (now > lineFreeAt_ + kIdleGapSeconds) lineFreeAt_ = now;
  lineFreeAt_ += static_cast<double>(bytes) * 10.0 / throttle_;
  SleepUntil(lineFreeAt_);
}

void SerialEmulator::WriteBurst(const std::vector<uint8_t>& burst, int gapMs) {
  // At line speed, bytes leave in slices of about a millisecond each.
  const size_t slice = throttle_ ? std::max<size_t>(1, throttle_ / 10000) : burst.size();
  for (size_t done = 0; done < burst.size() && !stop_;) {
    const size_t n = std::min(slice, burst.size() - done);
    const ssize_t count = ::write(master_, burst.data() + done, n);
    if (count < 0 && errno != EINTR && errno != EAGAIN) return;
    if (count <= 0) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      continue;
    }
    done += static_cast<size_t>(count);
    PaceLine(static_cast<size_t>(count));
  }
  if (gapMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(gapMs));
}

void SerialEmulator::Run() {
  uint8_t buffer[4096];
  while (!stop_) {
    pollfd in = {master_, POLLIN, 0};
    if (::poll(&in, 1, 20) <= 0 || !(in.revents & POLLIN)) continue;
    const ssize_t count = ::read(master_, buffer, sizeof buffer);
    if (count <= 0) continue;
    PaceLine(static_cast<size_t>(count));
    std::lock_guard lock(mutex_);
    for (ssize_t i = 0; i < count && !stop_; ++i) receiver_.Feed(buffer[i]);
  }
}

std::vector<uint8_t> SerialEmulator::ReceivedImage() {
  std::lock_guard lock(mutex_);
  return receiver_.ReceivedImage();
}

int SerialEmulator::CompletedUploads() {
  std::lock_guard lock(mutex_);
  return receiver_.CompletedUploads();
}

int SerialEmulator::CompletedDownloads() {
  std::lock_guard lock(mutex_);
  return receiver_.CompletedDownloads();
}

}  // namespace vq::serial::emulator
