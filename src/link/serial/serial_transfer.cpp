#include "link/serial/serial_transfer.h"

#include <algorithm>
#include <cstring>

namespace vq::serial {
namespace {
constexpr int kMaxIdentifications = 5;
constexpr char kConnectFailed[] = "Connect failed! Please restart your receiver!";
const uint8_t kUploadPrompt[] = {'H', 'E', 'H'};

bool Equals(const uint8_t* data, size_t length, const uint8_t* frame, size_t frameLength) {
  return length == frameLength && std::memcmp(data, frame, length) == 0;
}
}  // namespace

SerialTransfer::SerialTransfer(TransferHost& host, TransferFile& file, Direction direction)
    : host_(host), direction_(direction), download_(host, file), upload_(host, file) {}

void SerialTransfer::Reset() {
  identifications_ = 0;
  console_.Reset();
}

void SerialTransfer::BeginConnect() {
  downloading_ = false;
  halted_ = false;
  upload_.Stop();
  host_.Send(kConnectRequest, sizeof kConnectRequest);
  identification_.Clear();
}

SerialTransfer::State SerialTransfer::Current() const {
  if (downloading_) return download_.InLength() ? kDownloadLength : kDownloadData;
  return static_cast<State>(upload_.Current());
}

void SerialTransfer::Send(std::initializer_list<uint8_t> bytes) {
  host_.Send(bytes.begin(), bytes.size());
}

bool SerialTransfer::TakeIdentification(const uint8_t* data, size_t length) {
  switch (identification_.Feed(data, length)) {
    case Identification::Result::kNotTaken:
      return false;
    case Identification::Result::kTaken:
      return true;
    case Identification::Result::kComplete:
      break;
  }
  if (++identifications_ > kMaxIdentifications) {
    halted_ = true;
    host_.SetStatus(kConnectFailed);
    host_.EndTransfer();
    return true;
  }
  const std::string info = identification_.InfoText();
  if (!info.empty()) host_.ShowReceiverInfo(info);
  host_.Wait(kCommandWaitMs);
  if (direction_ == Direction::kUpload) {
    host_.Send(kWriteCommand, sizeof kWriteCommand);
  } else {
    host_.Send(kReadCommand, sizeof kReadCommand);
  }
  return true;
}

bool SerialTransfer::HandleUploadBurst(const uint8_t* data, size_t length) {
  if (Equals(data, length, kUploadStartRequest, sizeof kUploadStartRequest)) {
    host_.Wait(kStartAnswerWaitMs);
    Send({kAck, kStartAnswer2});
    upload_.AwaitGo();
    return true;
  }
  if (Equals(data, length, kReadCommandEcho, sizeof kReadCommandEcho)) return true;
  if (length == 1 && data[0] == kAck) {
    host_.Wait(kVerdictWaitMs);
    FeedUpload(kAck);
    return true;
  }
  return false;
}

void SerialTransfer::FeedUpload(uint8_t byte) {
  if (upload_.Feed(byte) == UploadMachine::Step::kCompleted) halted_ = true;
}

void SerialTransfer::WatchPrompts() {
  ConsoleLog::Line& line = console_.Current();
  if (direction_ == Direction::kUpload &&
      std::equal(kUploadPrompt, kUploadPrompt + 3, line.begin()) && line[3] >= 0x22 &&
      line[3] <= 0x25) {
    Send({kAck, kStartAnswer2});
    std::fill_n(line.begin(), 4, ' ');
    upload_.AwaitGo();
    return;
  }
  if (direction_ == Direction::kDownload && line[0] == 0xAA && line[1] == 0x55) {
    Send({kAck});
    std::fill_n(line.begin(), 4, ' ');
    download_.Start();
    downloading_ = true;
    return;
  }
}

void SerialTransfer::OnBurst(const uint8_t* data, size_t length) {
  if (halted_ || length == 0) return;
  if (Current() == kIdle && TakeIdentification(data, length)) return;
  if (direction_ == Direction::kUpload && HandleUploadBurst(data, length)) return;
  for (size_t i = 0; i < length && !halted_; ++i) {
    const uint8_t byte = data[i];
    if (downloading_) {
      const DownloadMachine::Step step = download_.Feed(byte);
      if (step != DownloadMachine::Step::kContinue) {
        downloading_ = false;
        halted_ = step == DownloadMachine::Step::kCompleted;
      }
    } else if (upload_.Current() != UploadMachine::State::kIdle) {
      FeedUpload(byte);
    } else {
      console_.Put(byte);
    }
  }
  if (!halted_ && Current() == kIdle) WatchPrompts();
}

}  // namespace vq::serial
