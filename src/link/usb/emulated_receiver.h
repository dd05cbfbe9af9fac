#pragma once
// A receiver in software behind the same bus and backend interfaces as a
// real one: it holds a settings image (either model), answers the command
// protocol, streams the image on EP2 IN after a read-file command, takes an
// upload after a write-file command and then restarts (leaves the bus for a
// while). An upload that stops arriving is given up, so the receiver hears
// commands again. Switches put faults in its way. Thread-safe.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "link/usb/usb_backend.h"
#include "link/usb/usb_command_channel.h"

namespace vq::usb {

/// Fault switches; the defaults make a healthy receiver.
struct EmulatedFaults {
  bool busy = false;                 ///< answers the PVR-state query with 1
  uint16_t status = 0;               ///< status of every answer to `statusCommand`
  uint8_t statusCommand = 0;         ///< command code the status applies to; 0 all
  bool wrongSequence = false;        ///< answers with the next sequence number
  bool silent = false;               ///< never answers a command
  std::optional<size_t> stallAt;     ///< transfer goes silent after this many bytes
  std::optional<size_t> unplugAt;    ///< leaves the bus after this many transfer bytes
  std::optional<size_t> shortImage;  ///< announces and sends only this many bytes
  /// Names itself with this instead of its own product name (cut to a frame).
  std::optional<std::string> productName;
};

class EmulatedReceiver : public UsbBus {
 public:
  static constexpr const char* kProductName = "Emulated receiver";
  static constexpr const char* kSoftwareVersion = "1.00 (emulated)";

  /// How long an upload may pause before the receiver gives it up: as long
  /// as the drain that starts every command sequence, so the command after
  /// a cancelled upload is heard.
  static constexpr Milliseconds kUploadIdleLimit{500};

  /// A receiver holding `image`, on the bus. `restartTime` is how long it
  /// stays off the bus after an upload (flash writing) before it returns.
  explicit EmulatedReceiver(std::vector<uint8_t> image,
                            Milliseconds restartTime = Milliseconds(1500),
                            Milliseconds uploadIdleLimit = kUploadIdleLimit);
  EmulatedReceiver(const EmulatedReceiver&) = delete;
  EmulatedReceiver& operator=(const EmulatedReceiver&) = delete;
  ~EmulatedReceiver() override;

  /// A receiver holding the settings file at `path`; nullptr and `error`
  /// when the file cannot be read or has no image size.
  static std::unique_ptr<EmulatedReceiver> FromFile(const std::string& path, std::string& error);

  // UsbBus
  std::unique_ptr<UsbBackend> Open() override;
  void SetHotplugHandler(HotplugHandler handler) override;
  bool HasHotplug() const override { return true; }

  void SetFaults(const EmulatedFaults& faults);
  void Plug();
  void Unplug();
  bool IsPlugged() const;
  /// The image it holds (the last upload, once one completed).
  std::vector<uint8_t> Image() const;
  /// Sizes asked for by each EP2 IN read during the last image stream.
  std::vector<size_t> StreamReadSizes() const;
  /// Number of command frames answered so far.
  int CommandCount() const;
  /// As a backend names it: bus 0, address 1 and its product name.
  std::string Name() const;

  /// The pipes, for the backends Open hands out (`generation` tells a
  /// backend from an earlier plug, which fails).
  TransferResult Read(uint64_t generation, Endpoint endpoint, uint8_t* data, size_t length,
                      Milliseconds timeout);
  TransferResult Write(uint64_t generation, Endpoint endpoint, const uint8_t* data, size_t length,
                       Milliseconds timeout);
  /// Whether the plug that `generation` belongs to is still on the bus.
  bool IsConnected(uint64_t generation) const;

 private:
  enum class Mode { kCommand, kStreaming, kReceiving };
  using Clock = std::chrono::steady_clock;

  // Both run with the mutex held.
  void Answer();
  void FinishUpload();
  void RunRestarts();
  void SetPlugged(bool plugged);
  bool Gone(uint64_t generation) const { return !plugged_ || generation != generation_; }

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::mutex hotplugMutex_;
  HotplugHandler hotplug_;
  std::vector<uint8_t> image_;
  EmulatedFaults faults_;
  Milliseconds restartTime_;
  Milliseconds uploadIdleLimit_;
  Clock::time_point lastUploadWrite_;  ///< when the host last wrote during an upload
  bool plugged_ = true;
  bool closing_ = false;
  bool restartPending_ = false;
  uint64_t generation_ = 1;
  Mode mode_ = Mode::kCommand;
  Frame command_{};
  size_t commandFill_ = 0;
  std::deque<uint8_t> responses_;
  std::vector<uint8_t> stream_;
  size_t streamed_ = 0;
  std::vector<size_t> readSizes_;
  std::vector<uint8_t> upload_;
  size_t uploadSize_ = 0;
  int commands_ = 0;
  std::thread restart_;
};

}  // namespace vq::usb
