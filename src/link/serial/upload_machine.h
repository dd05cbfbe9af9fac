#pragma once
// Sends the length and the checksummed blocks of an upload, driven by the
// receiver's verdicts (FA good, FC repeat) and requests (FA or FC next).

#include <array>
#include <cstddef>
#include <cstdint>

#include "link/serial/serial_protocol.h"
#include "link/serial/transfer_host.h"

namespace vq::serial {

/// States 1 (go awaited), 2 (verdict awaited) and 3 (request awaited).
/// A retry goes back by the length of the block last sent, so a short last
/// block is resent from its own start; after kMaxBlockRetries retries of one
/// block in a row the upload ends with a protocol error.
class UploadMachine {
 public:
  enum class State { kIdle = 0, kWaitGo = 1, kWaitVerdict = 2, kWaitRequest = 3 };

  UploadMachine(TransferHost& host, TransferFile& file) : host_(host), file_(file) {}

  void AwaitGo() { state_ = State::kWaitGo; }
  State Current() const { return state_; }
  void Stop() { state_ = State::kIdle; }
  enum class Step { kContinue, kCompleted, kEnded };
  /// One received byte. kEnded: failed or dropped; the machine is idle.
  Step Feed(uint8_t byte);

  /// Whether the next upload of this process still waits before its length.
  static bool FirstUploadPending();
  static void SetFirstUploadPending(bool pending);

 private:
  bool SendNextBlock();
  Step End(int progress);

  TransferHost& host_;
  TransferFile& file_;
  State state_ = State::kIdle;
  int blockCounter_ = 0;
  int retries_ = 0;  // the receiver's retry requests for the current block in a row
  size_t lastBlockLength_ = 0;
  std::array<uint8_t, kBlockSize + kChecksumSize> block_{};
};

}  // namespace vq::serial
