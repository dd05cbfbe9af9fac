#include "link/usb/usb_device.h"

#include <vector>

namespace vq::usb {
namespace {

// The side-channel reader wakes this often to see whether it should stop, so
// a Detach on the user interface thread waits at most this long.
constexpr Milliseconds kSideChannelSlice(40);

}  // namespace

UsbDevice::UsbDevice(UsbBus& bus) : bus_(bus) {}

UsbDevice::~UsbDevice() { Detach(); }

std::shared_ptr<UsbAttachment> UsbDevice::Current() const {
  std::lock_guard guard(attachmentLock_);
  return attachment_;
}

bool UsbDevice::IsAttached() const { return Current() != nullptr; }

bool UsbDevice::IsConnected() const {
  const std::shared_ptr<UsbAttachment> attachment = Current();
  return attachment && attachment->backend->IsConnected();
}

UsbPipes UsbDevice::Pipes(const std::atomic<bool>* stop) const { return {Current(), stop}; }

bool UsbDevice::Attach() {
  if (IsAttached()) return false;
  std::unique_ptr<UsbBackend> backend = bus_.Open();
  if (!backend) return false;
  backend->ResetPipes();
  auto attachment = std::make_shared<UsbAttachment>(std::move(backend));
  sideChannelCount_ = 0;
  sideChannel_ = std::thread(&UsbDevice::RunSideChannel, this, attachment);
  std::lock_guard guard(attachmentLock_);
  attachment_ = std::move(attachment);
  return true;
}

std::string UsbDevice::Name() const {
  const std::shared_ptr<UsbAttachment> attachment = Current();
  return attachment ? attachment->backend->Name() : std::string();
}

bool UsbDevice::Detach() {
  std::shared_ptr<UsbAttachment> ended;
  {
    std::lock_guard guard(attachmentLock_);
    if (!attachment_) return false;
    ended = std::move(attachment_);
  }
  ended->detached = true;
  if (sideChannel_.joinable()) sideChannel_.join();
  return true;
}

void UsbDevice::RunSideChannel(const std::shared_ptr<UsbAttachment>& attachment) {
  std::vector<uint8_t> buffer(kChunkSize + 1);
  while (!attachment->detached) {
    const TransferResult result =
        attachment->backend->Read(Endpoint::kEp1In, buffer.data(), kChunkSize, kSideChannelSlice);
    sideChannelCount_ += result.count;
    if (result.status == TransferResult::Status::kFailed) break;  // gone from the bus
  }
}

void UsbDevice::CancelEP2IO(Milliseconds timeout, const std::atomic<bool>* stop) {
  std::lock_guard guard(lock_);
  const UsbPipes pipes = Pipes(stop);
  uint8_t piece[kPieceSize];
  size_t count = 0;
  while (pipes.ReadData(piece, sizeof piece, count, timeout) == kUsbOk) {
  }
}

}  // namespace vq::usb
