#include "link/usb/emulated_receiver.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "common/byte_sum.h"
#include "common/translated_format.h"
#include "image/image_layout.h"

namespace vq::usb {
namespace {

using Status = TransferResult::Status;

constexpr uint16_t kStatusProtocolError = 0x21;
constexpr uint16_t kStatusInvalidParameter = 0x22;
constexpr uint64_t kLargestUpload = 16u << 20;
constexpr size_t kSettingsImageSizes[] = {kImageSizeModel0, kImageSizeModel1};

uint32_t GetU32Be(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

void PutU32Be(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (24 - 8 * i));
}

void PutU16Le(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

bool FrameIsSound(const Frame& frame) {
  uint32_t sum = 0;
  for (int i = 0; i < 4; ++i) sum |= uint32_t{frame[kFrameChecksumOffset + i]} << (8 * i);
  return std::memcmp(frame.data(), kFrameSignature, kFrameDataOffset) == 0 &&
         sum == ByteSum32(frame.data(), kFrameChecksumOffset);
}

class EmulatedBackend : public UsbBackend {
 public:
  EmulatedBackend(EmulatedReceiver& receiver, uint64_t generation)
      : receiver_(receiver), generation_(generation) {}
  TransferResult Read(Endpoint endpoint, uint8_t* data, size_t length,
                      Milliseconds timeout) override {
    return receiver_.Read(generation_, endpoint, data, length, timeout);
  }
  TransferResult Write(Endpoint endpoint, const uint8_t* data, size_t length,
                       Milliseconds timeout) override {
    return receiver_.Write(generation_, endpoint, data, length, timeout);
  }
  void ResetPipes() override {}
  bool IsConnected() override { return receiver_.IsConnected(generation_); }
  std::string Name() const override { return receiver_.Name(); }

 private:
  EmulatedReceiver& receiver_;
  uint64_t generation_;
};

}  // namespace

EmulatedReceiver::EmulatedReceiver(std::vector<uint8_t> image, Milliseconds restartTime,
                                   Milliseconds uploadIdleLimit)
    : image_(std::move(image)), restartTime_(restartTime), uploadIdleLimit_(uploadIdleLimit) {
  restart_ = std::thread(&EmulatedReceiver::RunRestarts, this);
}

EmulatedReceiver::~EmulatedReceiver() {
  {
    std::lock_guard guard(mutex_);
    closing_ = true;
  }
  changed_.notify_all();
  restart_.join();
}

std::unique_ptr<EmulatedReceiver> EmulatedReceiver::FromFile(const std::string& path,
                                                             std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "cannot read %s"), path.c_str());
    return nullptr;
  }
  // One byte more than the largest image (the second) is enough to refuse a larger file;
  // a device such as /dev/zero never ends.
  std::vector<uint8_t> image(kSettingsImageSizes[1] + 1);
  in.read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(image.size()));
  image.resize(static_cast<size_t>(in.gcount()));
  if (std::find(std::begin(kSettingsImageSizes), std::end(kSettingsImageSizes), image.size()) ==
      std::end(kSettingsImageSizes)) {
    error = TranslatedFormat(
        VQ_TRANSLATE_NOOP("CoreText", "%s is not a settings file (499712 or 827392 bytes)"),
        path.c_str());
    return nullptr;
  }
  return std::make_unique<EmulatedReceiver>(std::move(image));
}

std::string EmulatedReceiver::Name() const {
  std::lock_guard guard(mutex_);
  return DeviceName(0, 1, faults_.productName.value_or(kProductName));
}

std::unique_ptr<UsbBackend> EmulatedReceiver::Open() {
  std::lock_guard guard(mutex_);
  if (!plugged_) return nullptr;
  return std::make_unique<EmulatedBackend>(*this, generation_);
}

void EmulatedReceiver::SetHotplugHandler(HotplugHandler handler) {
  std::lock_guard guard(hotplugMutex_);
  hotplug_ = std::move(handler);
}

void EmulatedReceiver::SetFaults(const EmulatedFaults& faults) {
  std::lock_guard guard(mutex_);
  faults_ = faults;
}

void EmulatedReceiver::SetPlugged(bool plugged) {
  {
    std::lock_guard guard(mutex_);
    if (plugged_ == plugged) return;
    plugged_ = plugged;
    ++generation_;
    mode_ = Mode::kCommand;
    commandFill_ = 0;
    responses_.clear();
  }
  changed_.notify_all();
  // Held while calling, so a handler being cleared is never called after.
  std::lock_guard guard(hotplugMutex_);
  if (hotplug_) hotplug_(plugged);
}

void EmulatedReceiver::Plug() { SetPlugged(true); }
void EmulatedReceiver::Unplug() { SetPlugged(false); }

bool EmulatedReceiver::IsConnected(uint64_t generation) const {
  std::lock_guard guard(mutex_);
  return !Gone(generation);
}

bool EmulatedReceiver::IsPlugged() const {
  std::lock_guard guard(mutex_);
  return plugged_;
}

std::vector<uint8_t> EmulatedReceiver::Image() const {
  std::lock_guard guard(mutex_);
  return image_;
}

std::vector<size_t> EmulatedReceiver::StreamReadSizes() const {
  std::lock_guard guard(mutex_);
  return readSizes_;
}

int EmulatedReceiver::CommandCount() const {
  std::lock_guard guard(mutex_);
  return commands_;
}

TransferResult EmulatedReceiver::Read(uint64_t generation, Endpoint endpoint, uint8_t* data,
                                      size_t length, Milliseconds timeout) {
  std::unique_lock lock(mutex_);
  const auto ready = [&] {
    if (Gone(generation) || closing_) return true;
    if (endpoint != Endpoint::kEp2In) return false;
    if (!responses_.empty()) return true;
    if (mode_ != Mode::kStreaming) return false;
    const size_t stall = faults_.stallAt.value_or(stream_.size());
    return streamed_ < std::min(stall, stream_.size()) ||
           (faults_.unplugAt && *faults_.unplugAt <= streamed_);
  };
  if (endpoint == Endpoint::kEp2In && mode_ == Mode::kStreaming && responses_.empty())
    readSizes_.push_back(length);
  if (!changed_.wait_for(lock, timeout, ready)) return {Status::kTimeout, 0};
  if (Gone(generation) || closing_) return {Status::kFailed, 0};

  if (!responses_.empty()) {
    const size_t n = std::min(length, responses_.size());
    std::copy_n(responses_.begin(), n, data);
    responses_.erase(responses_.begin(), responses_.begin() + static_cast<std::ptrdiff_t>(n));
    return {Status::kDone, n};
  }
  if (faults_.unplugAt && streamed_ >= *faults_.unplugAt) {
    lock.unlock();
    Unplug();
    return {Status::kFailed, 0};
  }
  size_t limit = std::min(stream_.size(), faults_.stallAt.value_or(stream_.size()));
  if (faults_.unplugAt) limit = std::min(limit, *faults_.unplugAt);
  const size_t n = std::min(length, limit - streamed_);
  std::memcpy(data, stream_.data() + streamed_, n);
  streamed_ += n;
  if (streamed_ == stream_.size()) mode_ = Mode::kCommand;
  return {Status::kDone, n};
}

TransferResult EmulatedReceiver::Write(uint64_t generation, Endpoint endpoint, const uint8_t* data,
                                       size_t length, Milliseconds timeout) {
  std::unique_lock lock(mutex_);
  if (Gone(generation)) return {Status::kFailed, 0};
  if (endpoint != Endpoint::kEp2Out) return {Status::kDone, length};  // side channel: dropped

  // The host stopped sending (a cancelled upload): what comes now is a command.
  if (mode_ == Mode::kReceiving && Clock::now() - lastUploadWrite_ >= uploadIdleLimit_) {
    mode_ = Mode::kCommand;
    upload_.clear();
  }
  if (mode_ == Mode::kReceiving) lastUploadWrite_ = Clock::now();

  size_t done = 0;
  while (done < length) {
    if (mode_ == Mode::kReceiving) {
      if (faults_.unplugAt && upload_.size() >= *faults_.unplugAt) {
        lock.unlock();
        Unplug();
        return {Status::kFailed, done};
      }
      size_t limit = std::min(uploadSize_, faults_.stallAt.value_or(uploadSize_));
      if (faults_.unplugAt) limit = std::min(limit, *faults_.unplugAt);
      if (upload_.size() >= limit) {  // stalled: nothing more is taken
        changed_.wait_for(lock, timeout, [&] { return Gone(generation) || closing_; });
        lastUploadWrite_ = Clock::now();  // the host was sending all along
        return {Gone(generation) ? Status::kFailed : Status::kTimeout, done};
      }
      const size_t n = std::min(length - done, limit - upload_.size());
      upload_.insert(upload_.end(), data + done, data + done + n);
      done += n;
      if (upload_.size() == uploadSize_) FinishUpload();
      continue;
    }
    const size_t n = std::min(length - done, kFrameSize - commandFill_);
    std::memcpy(command_.data() + commandFill_, data + done, n);
    commandFill_ += n;
    done += n;
    if (commandFill_ == kFrameSize) {
      commandFill_ = 0;
      Answer();
    }
  }
  return {Status::kDone, done};
}

void EmulatedReceiver::Answer() {
  ++commands_;
  if (faults_.silent) return;
  Frame response{};
  std::memcpy(response.data(), kFrameSignature, kFrameDataOffset);
  const uint8_t sequence = command_[kFrameSequenceOffset];
  response[kFrameSequenceOffset] = static_cast<uint8_t>(sequence + (faults_.wrongSequence ? 1 : 0));
  const uint8_t code = command_[kFrameCodeOffset];
  const auto parameter = static_cast<uint16_t>(command_[kFrameParameterOffset] |
                                               (command_[kFrameParameterOffset + 1] << 8));
  uint16_t status = 0;
  uint16_t value = 0;
  uint8_t* out = response.data() + kFrameDataOffset;
  const uint8_t* in = command_.data() + kFrameDataOffset;
  if (!FrameIsSound(command_)) {
    status = kStatusProtocolError;
  } else if (faults_.status != 0 && (faults_.statusCommand == 0 || faults_.statusCommand == code)) {
    status = faults_.status;
  } else if (code == kCommandInfo) {
    const std::string text = parameter == kInfoProductName
                                 ? faults_.productName.value_or(kProductName)
                             : parameter == kInfoSoftwareVersion ? kSoftwareVersion
                                                                 : "";
    // The zeroed rest of the frame ends the text.
    std::copy_n(text.begin(), std::min(text.size(), kFrameDataSize - 1), out);
    if (parameter == kInfoPvrState) value = faults_.busy ? 1 : 0;
  } else if (code == kCommandReadFile) {
    stream_ = image_;
    if (faults_.shortImage) stream_.resize(std::min(stream_.size(), *faults_.shortImage));
    streamed_ = 0;
    readSizes_.clear();
    mode_ = Mode::kStreaming;
    PutU32Be(out + 4, static_cast<uint32_t>(stream_.size()));
  } else if (code == kCommandWriteFile) {
    const uint64_t size = GetU32Be(in) | (uint64_t{GetU32Be(in + 4)} << 32);
    if (size == 0 || size > kLargestUpload) {
      status = kStatusInvalidParameter;
    } else {
      uploadSize_ = static_cast<size_t>(size);
      upload_.clear();
      mode_ = Mode::kReceiving;
      lastUploadWrite_ = Clock::now();
    }
  } else if (code != kCommandInit) {
    status = kStatusInvalidParameter;
  }
  PutU16Le(response.data() + kFrameStatusOffset, status);
  PutU16Le(response.data() + kFrameValueOffset, value);
  responses_.insert(responses_.end(), response.begin(), response.end());
  changed_.notify_all();
}

void EmulatedReceiver::FinishUpload() {
  image_ = std::move(upload_);
  upload_.clear();
  mode_ = Mode::kCommand;
  restartPending_ = true;
  changed_.notify_all();
}

// Writing the flash, then a restart: off the bus for a while, then back.
void EmulatedReceiver::RunRestarts() {
  std::unique_lock lock(mutex_);
  while (!closing_) {
    changed_.wait(lock, [this] { return restartPending_ || closing_; });
    if (closing_) return;
    restartPending_ = false;
    for (const bool plug : {false, true}) {
      if (changed_.wait_for(lock, restartTime_, [this] { return closing_; })) return;
      lock.unlock();
      SetPlugged(plug);
      lock.lock();
    }
  }
}

}  // namespace vq::usb
