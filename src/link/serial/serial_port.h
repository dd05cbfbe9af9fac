#pragma once
// The serial port: a tty opened with the configured line settings and a
// reader thread that hands each burst of received bytes to its owner.

#include <sys/types.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "link/serial/line_settings.h"
#include "link/serial/line_state.h"

namespace vq::serial {

/// Owns the tty descriptor and the reader thread; the thread's presence is
/// the open state. Bursts (at most kReceiveBufferSize bytes each) reach the
/// handler on the reader thread, one at a time and in order. A read that
/// is interrupted or finds nothing yet is tried again; at the end of the
/// line (end of file, a hang-up, an error) the reader stops reading and
/// waits for Close without spinning. Writes come from the owner's thread
/// only. Close returns after the reader thread has stopped, so a later Open
/// works.
class SerialPort {
 public:
  static constexpr size_t kReceiveBufferSize = 40960;
  static constexpr size_t kTransmitBufferSize = 4096;
  static constexpr int kWriteTimeoutMs = 1000;

  using BurstHandler = std::function<void(const uint8_t* data, size_t length)>;
  /// The read the reader thread makes, with the contract of ::read.
  using ReadFunction = std::function<ssize_t(int fd, void* buffer, size_t length)>;

  /// `read` is the system's read unless a test puts a fake in its place.
  explicit SerialPort(BurstHandler handler, ReadFunction read = ::read);
  ~SerialPort();
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  /// Opens `settings.device` exclusively (an advisory lock) and starts the
  /// reader. False when already open (the open port is left alone) or when
  /// any step fails (nothing stays open).
  bool Open(const LineSettings& settings);
  void Close();
  bool IsOpen() const { return reader_.joinable(); }

  /// Writes all bytes, waiting at most kWriteTimeoutMs for room.
  bool Write(const uint8_t* data, size_t length);
  bool WriteByte(uint8_t byte) { return Write(&byte, 1); }
  /// Four bytes, most significant first unless `littleEndian`.
  bool SendU32(uint32_t value, bool littleEndian = false);
  static void PutU32BE(uint8_t* destination, uint32_t value);

  /// What the open tty reports; empty when closed.
  std::optional<LineState> CurrentLineState() const;

 private:
  void ReadLoop();
  void WaitForClose() const;

  BurstHandler handler_;
  ReadFunction read_;
  int fd_ = -1;
  int stopPipe_[2] = {-1, -1};
  std::thread reader_;
  std::vector<uint8_t> buffer_;
};

}  // namespace vq::serial
