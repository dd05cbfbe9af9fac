#pragma once
// Receives the announced length and the checksummed blocks of a download.

#include <array>
#include <cstddef>
#include <cstdint>

#include "link/serial/serial_protocol.h"
#include "link/serial/transfer_host.h"

namespace vq::serial {

/// States 6 (start), 7 (length) and 8 (data). Each good block is written
/// once and acknowledged FA FA; a bad one is answered FC FA and expected
/// again, at most kMaxBlockRetries times in a row. A length of 0 or above
/// kMaxTransferLength, too many bad checksums, or a failed file write is a
/// protocol error.
class DownloadMachine {
 public:
  enum class Step { kContinue, kCompleted, kFailed };

  DownloadMachine(TransferHost& host, TransferFile& file) : host_(host), file_(file) {}

  /// Starts waiting for the first length byte.
  void Start();
  Step Feed(uint8_t byte);
  bool InLength() const { return lengthCount_ < 4; }

 private:
  Step EndBlock();

  TransferHost& host_;
  TransferFile& file_;
  std::array<uint8_t, 4> lengthBytes_{};
  size_t lengthCount_ = 0;
  uint32_t totalLength_ = 0;
  uint32_t blockNumber_ = 0;
  uint32_t blockTotal_ = 0;
  size_t byteCount_ = 0;
  uint32_t runningSum_ = 0;
  int retries_ = 0;  // bad checksums of the current block in a row
  std::array<uint8_t, kBlockSize + kChecksumSize> block_{};
};

}  // namespace vq::serial
