#pragma once
// The receiver's side of the serial transfer protocol, as a byte machine:
// it hears the PC's bytes and emits the bursts a receiver would send.

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace vq::serial::emulator {

/// Behaviour and fault switches of the emulated receiver.
struct ReceiverOptions {
  std::string product = "VQ-1000 PVR";
  std::string version = "1.07";
  std::vector<uint8_t> image;       ///< served by downloads
  std::set<uint32_t> badBlocks;     ///< download blocks first sent with a wrong checksum
  std::set<uint32_t> retryBlocks;   ///< upload blocks answered FC once
  int errorBlock = -1;              ///< upload block answered with errorByte
  uint8_t errorByte = 0xFE;         ///< FE as verdict, or F0 in place of the request
  bool silent = false;              ///< never answers
  bool repeatIdentification = false;///< answers every command with a new identification
  bool splitIdentification = false; ///< identification in three bursts
  bool splitAcks = false;           ///< upload verdict and request as two bursts
};

/// Emits bursts through the sink; `gapMs` asks the line to stay quiet for
/// that long afterwards so the PC sees the next burst on its own.
using BurstSink = std::function<void(const std::vector<uint8_t>& burst, int gapMs)>;

class EmulatedReceiver {
 public:
  EmulatedReceiver(ReceiverOptions options, BurstSink sink);

  void Feed(uint8_t byte);

  /// The image of the last completed upload; empty before one.
  const std::vector<uint8_t>& ReceivedImage() const { return received_; }
  int CompletedUploads() const { return completedUploads_; }
  int CompletedDownloads() const { return completedDownloads_; }

 private:
  enum class State { kWaitConnect, kWaitCommand, kWaitGo, kWaitBlockAck, kWaitStartAnswer,
                     kWaitLength, kWaitBlock };

  bool Heard(const uint8_t* frame, size_t length) const;
  void Identify();
  void SendBlock(bool spoil, bool withLength);
  void OnCommandByte();
  void OnUploadBlock();
  void Emit(const std::vector<uint8_t>& burst, int gapMs = 0) { sink_(burst, gapMs); }

  ReceiverOptions options_;
  BurstSink sink_;
  State state_ = State::kWaitConnect;
  std::vector<uint8_t> window_;  ///< last bytes heard, for frame matching
  std::vector<uint8_t> pending_; ///< length, block or acknowledge being collected
  uint32_t block_ = 0;
  uint32_t uploadLength_ = 0;
  std::set<uint32_t> retried_;
  std::vector<uint8_t> upload_;
  std::vector<uint8_t> received_;
  int completedUploads_ = 0;
  int completedDownloads_ = 0;
};

}  // namespace vq::serial::emulator
