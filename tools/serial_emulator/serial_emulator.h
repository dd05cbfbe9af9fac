#pragma once
// An emulated receiver on a pseudo-terminal pair: the PC side opens
// DevicePath() like any serial port.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "serial_emulator/emulated_receiver.h"

namespace vq::serial::emulator {

/// Owns the pty master (and one slave descriptor, so the line stays up
/// between the PC's opens) and the thread that runs the receiver. With a
/// throttle, bytes move no faster than a line of that speed (10 bits per
/// byte) in either direction.
class SerialEmulator {
 public:
  SerialEmulator(ReceiverOptions options, uint32_t throttleBitsPerSecond = 0);
  ~SerialEmulator();
  SerialEmulator(const SerialEmulator&) = delete;
  SerialEmulator& operator=(const SerialEmulator&) = delete;

  /// Creates the pty and starts the receiver; false when no pty is available.
  bool Start();
  void Stop();
  const std::string& DevicePath() const { return devicePath_; }

  std::vector<uint8_t> ReceivedImage();
  int CompletedUploads();
  int CompletedDownloads();

 private:
  void Run();
  void WriteBurst(const std::vector<uint8_t>& burst, int gapMs);
  void PaceLine(size_t bytes);

  EmulatedReceiver receiver_;
  uint32_t throttle_;
  int master_ = -1;
  int slave_ = -1;
  std::string devicePath_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;  ///< guards receiver_ between the thread and the accessors
  std::thread thread_;
  double lineFreeAt_ = 0;  ///< seconds on the steady clock
};

}  // namespace vq::serial::emulator
