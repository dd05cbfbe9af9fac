#include "link/serial/upload_machine.h"

#include <atomic>

#include "common/byte_io.h"
#include "common/byte_sum.h"

namespace vq::serial {
namespace {
// One flag for the whole process by design, hence global; atomic.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
std::atomic<bool> firstUploadPending{true};
}  // namespace

bool UploadMachine::FirstUploadPending() { return firstUploadPending.load(); }
void UploadMachine::SetFirstUploadPending(bool pending) { firstUploadPending.store(pending); }

bool UploadMachine::SendNextBlock() {
  const size_t n = file_.Read(block_.data(), kBlockSize);
  if (n == 0) return false;
  WriteU32BE(block_.data() + n, ByteSum32(block_.data(), n));
  host_.Send(block_.data(), n + kChecksumSize);
  lastBlockLength_ = n;
  return true;
}

UploadMachine::Step UploadMachine::End(int progress) {
  host_.ReportProgress(progress);
  state_ = State::kIdle;
  return progress == kProgressCompleted ? Step::kCompleted : Step::kEnded;
}

UploadMachine::Step UploadMachine::Feed(uint8_t byte) {
  switch (state_) {
    case State::kWaitGo: {
      if (byte != kAck) {
        state_ = State::kIdle;
        return Step::kEnded;
      }
      if (firstUploadPending.exchange(false)) host_.Wait(kFirstUploadWaitMs);
      const uint64_t length = file_.Length();
      uint8_t lengthBytes[4];
      WriteU32BE(lengthBytes, static_cast<uint32_t>(length));
      host_.Send(lengthBytes, sizeof lengthBytes);
      host_.SetBlockTotal(BlockCount(length));
      file_.Seek(0);
      if (!SendNextBlock()) {
        return End(kProgressError);  // nothing to send
      }
      blockCounter_ = 0;
      retries_ = 0;
      host_.ReportProgress(1);
      state_ = State::kWaitVerdict;
      return Step::kContinue;
    }
    case State::kWaitVerdict:
      if (byte == kAck) {
        retries_ = 0;
        state_ = State::kWaitRequest;
      } else if (byte == kEndOfData) {
        return End(kProgressCompleted);
      } else if (byte == kError) {
        return End(kProgressError);
      } else if (byte == kRetry) {
        if (++retries_ > kMaxBlockRetries) return End(kProgressError);
        --blockCounter_;
        host_.ReportProgress(blockCounter_ + 1);
        const uint64_t position = file_.Position();
        file_.Seek(position > lastBlockLength_ ? position - lastBlockLength_ : 0);
        state_ = State::kWaitRequest;
      }
      return Step::kContinue;
    case State::kWaitRequest:
      if (byte == kAck || byte == kRetry) {
        if (!SendNextBlock()) {
          return End(kProgressCompleted);
        }
        ++blockCounter_;
        host_.ReportProgress(blockCounter_ + 1);
        state_ = State::kWaitVerdict;
      } else if (byte == kEndOfData || byte == kError) {
        return End(kProgressError);
      }
      return Step::kContinue;
    case State::kIdle:
      break;
  }
  return Step::kEnded;
}

}  // namespace vq::serial
