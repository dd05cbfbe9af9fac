#include "link/usb/usb_device.h"

#include <algorithm>
#include <vector>

namespace vq::usb {
namespace {

// The side-channel reader wakes this often to see whether it should stop, so
// a Detach on the user interface thread waits at most this long.
constexpr Milliseconds kSideChannelSlice(40);

}  // namespace

UsbDevice::UsbDevice(UsbBus& bus) : bus_(bus) {}

UsbDevice::~UsbDevice() { Detach(); }

std::shared_ptr<UsbBackend> UsbDevice::Backend() const {
  std::lock_guard guard(backendLock_);
  return backend_;
}

bool UsbDevice::IsAttached() const { return Backend() != nullptr; }

bool UsbDevice::Attach() {
  if (IsAttached()) return false;
  std::shared_ptr<UsbBackend> backend = bus_.Open();
  if (!backend) return false;
  backend->ResetPipes();
  sideChannelCount_ = 0;
  stopSideChannel_ = false;
  sideChannel_ = std::thread(&UsbDevice::RunSideChannel, this, backend);
  std::lock_guard guard(backendLock_);
  backend_ = std::move(backend);
  return true;
}

bool UsbDevice::Detach() {
  {
    std::lock_guard guard(backendLock_);
    if (!backend_) return false;
    backend_.reset();
  }
  stopSideChannel_ = true;
  if (sideChannel_.joinable()) sideChannel_.join();
  return true;
}

void UsbDevice::RunSideChannel(std::shared_ptr<UsbBackend> backend) {
  std::vector<uint8_t> buffer(kChunkSize + 1);
  while (!stopSideChannel_) {
    const TransferResult result =
        backend->Read(Endpoint::kEp1In, buffer.data(), kChunkSize, kSideChannelSlice);
    sideChannelCount_ += result.count;
    if (result.status == TransferResult::Status::kFailed) break;  // gone from the bus
  }
}

uint32_t UsbDevice::ReadData(uint8_t* data, size_t length, size_t& count, Milliseconds timeout) {
  count = 0;
  const std::shared_ptr<UsbBackend> backend = Backend();
  if (!backend) return kUsbFailure;
  while (count < length) {
    const size_t piece = std::min(kPieceSize, length - count);
    const TransferResult result = backend->Read(Endpoint::kEp2In, data + count, piece, timeout);
    count += std::min(result.count, piece);
    if (result.status != TransferResult::Status::kDone) return kUsbFailure;
  }
  return kUsbOk;
}

uint32_t UsbDevice::WriteData(const uint8_t* data, size_t length, size_t& count,
                              Milliseconds timeout) {
  count = 0;
  const std::shared_ptr<UsbBackend> backend = Backend();
  if (!backend) return kUsbFailure;
  while (count < length) {
    const size_t piece = std::min(kPieceSize, length - count);
    const TransferResult result = backend->Write(Endpoint::kEp2Out, data + count, piece, timeout);
    count += std::min(result.count, piece);
    if (result.status != TransferResult::Status::kDone || result.count == 0) break;
  }
  return kUsbOk;
}

void UsbDevice::CancelEP2IO(Milliseconds timeout) {
  std::lock_guard guard(lock_);
  uint8_t piece[kPieceSize];
  size_t count = 0;
  while (ReadData(piece, sizeof piece, count, timeout) == kUsbOk) {
  }
}

TransferResult UsbDevice::ReadChunk(uint8_t* data, size_t length, Milliseconds timeout) {
  const std::shared_ptr<UsbBackend> backend = Backend();
  if (!backend) return {};
  TransferResult result = backend->Read(Endpoint::kEp2In, data, length, timeout);
  result.count = std::min(result.count, length);
  return result;
}

TransferResult UsbDevice::WriteChunk(const uint8_t* data, size_t length, Milliseconds timeout) {
  const std::shared_ptr<UsbBackend> backend = Backend();
  if (!backend) return {};
  TransferResult result = backend->Write(Endpoint::kEp2Out, data, length, timeout);
  result.count = std::min(result.count, length);
  return result;
}

}  // namespace vq::usb
