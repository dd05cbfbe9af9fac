#include "link/serial/download_machine.h"

#include <algorithm>

#include "common/byte_io.h"

namespace vq::serial {

void DownloadMachine::Start() {
  lengthCount_ = 0;
  blockNumber_ = 0;
  runningSum_ = 0;
  byteCount_ = 0;
  retries_ = 0;
}

DownloadMachine::Step DownloadMachine::Feed(uint8_t byte) {
  if (lengthCount_ < lengthBytes_.size()) {
    lengthBytes_[lengthCount_++] = byte;
    if (lengthCount_ < lengthBytes_.size()) return Step::kContinue;
    totalLength_ = ReadU32BE(lengthBytes_.data());
    if (totalLength_ == 0 || totalLength_ > kMaxTransferLength) {
      host_.ReportProgress(kProgressError);
      return Step::kFailed;
    }
    blockTotal_ = BlockCount(totalLength_);
    host_.SetBlockTotal(blockTotal_);
    host_.ReportProgress(0);
    return Step::kContinue;
  }
  const size_t n = std::min<size_t>(kBlockSize, totalLength_ - blockNumber_ * kBlockSize);
  block_[byteCount_++] = byte;
  if (byteCount_ <= n) runningSum_ += byte;
  return byteCount_ == n + kChecksumSize ? EndBlock() : Step::kContinue;
}

DownloadMachine::Step DownloadMachine::EndBlock() {
  const size_t n = byteCount_ - kChecksumSize;
  const uint32_t checksum = ReadU32BE(block_.data() + n);
  const uint32_t sum = runningSum_;
  byteCount_ = 0;
  runningSum_ = 0;
  if (checksum != sum) {
    if (++retries_ > kMaxBlockRetries) {
      host_.ReportProgress(kProgressError);
      return Step::kFailed;
    }
    const uint8_t retry[] = {kRetry, kAck};
    host_.Send(retry, sizeof retry);
    return Step::kContinue;
  }
  if (!file_.Write(block_.data(), n)) {
    host_.ReportProgress(kProgressError);
    return Step::kFailed;
  }
  retries_ = 0;
  ++blockNumber_;
  host_.ReportProgress(static_cast<int>(blockNumber_));
  const uint8_t ack[] = {kAck, kAck};
  host_.Send(ack, sizeof ack);
  if (blockNumber_ < blockTotal_) return Step::kContinue;
  host_.ReportProgress(kProgressCompleted);
  return Step::kCompleted;
}

}  // namespace vq::serial
