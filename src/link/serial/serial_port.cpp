#include "link/serial/serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "common/byte_io.h"

namespace vq::serial {

SerialPort::SerialPort(BurstHandler handler, ReadFunction read)
    : handler_(std::move(handler)), read_(std::move(read)), buffer_(kReceiveBufferSize + 1) {}

SerialPort::~SerialPort() { Close(); }

bool SerialPort::Open(const LineSettings& settings) {
  if (IsOpen()) return false;
  const int fd = ::open(settings.device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !ApplyLineSettings(fd, settings) ||
      ::pipe2(stopPipe_, O_CLOEXEC) != 0) {
    ::close(fd);
    return false;
  }
  PurgeQueues(fd);
  fd_ = fd;
  reader_ = std::thread([this] { ReadLoop(); });
  return true;
}

void SerialPort::Close() {
  if (!IsOpen()) return;
  const uint8_t stop = 1;
  [[maybe_unused]] const ssize_t ignored = ::write(stopPipe_[1], &stop, 1);
  reader_.join();
  ::close(stopPipe_[0]);
  ::close(stopPipe_[1]);
  stopPipe_[0] = stopPipe_[1] = -1;
  // Output still queued (the last acknowledge of a transfer) may leave.
  DropDtr(fd_);
  PurgeInput(fd_);
  ::close(fd_);
  fd_ = -1;
}

void SerialPort::ReadLoop() {
  pollfd fds[2] = {{fd_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
  for (;;) {
    if (::poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (fds[1].revents) return;
    if (fds[0].revents & (POLLERR | POLLNVAL)) break;
    const ssize_t count = read_(fd_, buffer_.data(), kReceiveBufferSize);
    if (count > 0) {
      handler_(buffer_.data(), static_cast<size_t>(count));
      continue;
    }
    if (count < 0 && errno == EINTR) continue;
    // Nothing there yet: poll again, unless the other end hung up, when
    // nothing will ever come and poll would report the hang-up at once.
    if (count < 0 && errno == EAGAIN && !(fds[0].revents & POLLHUP)) continue;
    break;  // end of file, a hang-up or an error: the line is done
  }
  WaitForClose();
}

void SerialPort::WaitForClose() const {
  pollfd stop = {stopPipe_[0], POLLIN, 0};
  while (::poll(&stop, 1, -1) < 0 && errno == EINTR) {
  }
}

bool SerialPort::Write(const uint8_t* data, size_t length) {
  if (!IsOpen()) return false;
  size_t done = 0;
  while (done < length) {
    const ssize_t count = ::write(fd_, data + done, length - done);
    if (count > 0) {
      done += static_cast<size_t>(count);
      continue;
    }
    if (count < 0 && errno == EINTR) continue;
    if (count < 0 && errno != EAGAIN) return false;
    pollfd out = {fd_, POLLOUT, 0};
    if (::poll(&out, 1, kWriteTimeoutMs) <= 0) return false;
  }
  return true;
}

bool SerialPort::SendU32(uint32_t value, bool littleEndian) {
  uint8_t bytes[4];
  if (littleEndian) {
    WriteU32LE(bytes, value);
  } else {
    PutU32BE(bytes, value);
  }
  return Write(bytes, sizeof bytes);
}

void SerialPort::PutU32BE(uint8_t* destination, uint32_t value) { WriteU32BE(destination, value); }

std::optional<LineState> SerialPort::CurrentLineState() const {
  if (fd_ < 0) return std::nullopt;
  return ReadLineState(fd_);
}

}  // namespace vq::serial
