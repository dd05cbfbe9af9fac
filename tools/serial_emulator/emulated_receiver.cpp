#include "serial_emulator/emulated_receiver.h"

#include <algorithm>
#include <cstring>

#include "common/byte_io.h"
#include "common/byte_sum.h"
#include "link/serial/serial_protocol.h"

namespace vq::serial::emulator {
namespace {
constexpr int kBurstGapMs = 40;
}  // namespace

EmulatedReceiver::EmulatedReceiver(ReceiverOptions options, BurstSink sink)
    : options_(std::move(options)), sink_(std::move(sink)) {}

bool EmulatedReceiver::Heard(const uint8_t* frame, size_t length) const {
  return window_.size() >= length &&
         std::equal(frame, frame + length, window_.end() - static_cast<long>(length));
}

// The identification is the first thing the receiver sends after a connect
// request: the PC finds it only at the start of a burst, and console text
// sent just before could reach a busy PC in the same burst.
void EmulatedReceiver::Identify() {
  std::vector<uint8_t> frame(std::begin(kIdentificationPrefix), std::end(kIdentificationPrefix));
  const std::string text = options_.product + "^" + options_.version;
  frame.insert(frame.end(), text.begin(), text.end());
  frame.push_back(kAck);
  if (!options_.splitIdentification) return Emit(frame, kBurstGapMs);
  const auto third = static_cast<std::ptrdiff_t>(frame.size() / 3);
  Emit({frame.begin(), frame.begin() + 3}, kBurstGapMs);
  Emit({frame.begin() + 3, frame.begin() + 3 + third}, kBurstGapMs);
  Emit({frame.begin() + 3 + third, frame.end()}, kBurstGapMs);
}

void EmulatedReceiver::SendBlock(bool spoil, bool withLength) {
  const size_t start = static_cast<size_t>(block_) * kBlockSize;
  const size_t n = std::min(kBlockSize, options_.image.size() - start);
  std::vector<uint8_t> burst;
  if (withLength) {
    burst.resize(4);
    WriteU32BE(burst.data(), static_cast<uint32_t>(options_.image.size()));
  }
  const uint8_t* data = options_.image.data() + start;
  burst.insert(burst.end(), data, data + n);
  burst.resize(burst.size() + 4);
  WriteU32BE(burst.data() + burst.size() - 4, ByteSum32(data, n) + (spoil ? 1u : 0u));
  Emit(burst);
}

void EmulatedReceiver::OnCommandByte() {
  if (Heard(kConnectRequest, sizeof kConnectRequest)) {
    Identify();
    state_ = State::kWaitCommand;
  } else if (state_ == State::kWaitCommand && Heard(kReadCommand, sizeof kReadCommand)) {
    if (options_.repeatIdentification) return Identify();
    Emit({std::begin(kReadCommandEcho), std::end(kReadCommandEcho)});
    state_ = State::kWaitGo;
  } else if (state_ == State::kWaitCommand && Heard(kWriteCommand, sizeof kWriteCommand)) {
    if (options_.repeatIdentification) return Identify();
    Emit({std::begin(kUploadStartRequest), std::end(kUploadStartRequest)});
    state_ = State::kWaitStartAnswer;
  } else if (state_ == State::kWaitStartAnswer && window_.size() >= 2 &&
             window_.end()[-2] == kAck && window_.end()[-1] == kStartAnswer2) {
    Emit({kAck});
    state_ = State::kWaitLength;
    pending_.clear();
  }
}

void EmulatedReceiver::OnUploadBlock() {
  const size_t n = pending_.size() - kChecksumSize;
  const bool good = ReadU32BE(pending_.data() + n) == ByteSum32(pending_.data(), n);
  const uint32_t index = block_;
  if (static_cast<int>(index) == options_.errorBlock) {
    Emit(options_.errorByte == kEndOfData ? std::vector<uint8_t>{kAck, kEndOfData}
                                          : std::vector<uint8_t>{options_.errorByte});
    state_ = State::kWaitConnect;
    return;
  }
  uint8_t verdict = kAck;
  if (!good || (options_.retryBlocks.contains(index) && retried_.insert(index).second)) {
    verdict = kRetry;
  } else {
    upload_.insert(upload_.end(), pending_.begin(), pending_.begin() + static_cast<long>(n));
    ++block_;
  }
  pending_.clear();
  const bool last = upload_.size() >= uploadLength_;
  if (last) {
    received_ = upload_;
    ++completedUploads_;
    state_ = State::kWaitConnect;
  }
  if (options_.splitAcks) {
    Emit({verdict}, 1);
    Emit({kAck});
  } else {
    Emit({verdict, kAck});
  }
}

void EmulatedReceiver::Feed(uint8_t byte) {
  if (options_.silent) return;
  window_.push_back(byte);
  if (window_.size() > 8) window_.erase(window_.begin());
  // A PC that gave up on a transfer starts again with a connect request.
  if (state_ == State::kWaitGo || state_ == State::kWaitBlockAck ||
      state_ == State::kWaitStartAnswer) {
    if (Heard(kConnectRequest, sizeof kConnectRequest)) {
      pending_.clear();
      state_ = State::kWaitConnect;
      return OnCommandByte();
    }
  }
  switch (state_) {
    case State::kWaitGo:
      if (byte == kAck) {
        block_ = 0;
        retried_.clear();
        pending_.clear();
        SendBlock(options_.badBlocks.contains(0), true);
        if (options_.badBlocks.contains(0)) retried_.insert(0);
        state_ = State::kWaitBlockAck;
      }
      return;
    case State::kWaitBlockAck:
      pending_.push_back(byte);
      if (pending_.size() < 2) return;
      if (pending_[0] == kAck && pending_[1] == kAck) {
        pending_.clear();
        if (++block_ >= BlockCount(options_.image.size())) {
          ++completedDownloads_;
          state_ = State::kWaitConnect;
          return;
        }
        const bool spoil = options_.badBlocks.contains(block_) && retried_.insert(block_).second;
        return SendBlock(spoil, false);
      }
      if (pending_[0] == kRetry && pending_[1] == kAck) {
        pending_.clear();
        return SendBlock(false, false);
      }
      pending_.erase(pending_.begin());
      return;
    case State::kWaitLength:
      pending_.push_back(byte);
      if (pending_.size() < 4) return;
      uploadLength_ = ReadU32BE(pending_.data());
      pending_.clear();
      if (uploadLength_ == 0 || uploadLength_ > kMaxTransferLength) {
        Emit({kError});
        state_ = State::kWaitConnect;
        return;
      }
      upload_.clear();
      retried_.clear();
      block_ = 0;
      state_ = State::kWaitBlock;
      return;
    case State::kWaitBlock: {
      pending_.push_back(byte);
      const size_t n = std::min<size_t>(kBlockSize, uploadLength_ - upload_.size());
      if (pending_.size() == n + kChecksumSize) OnUploadBlock();
      return;
    }
    default:
      OnCommandByte();
  }
}

}  // namespace vq::serial::emulator
