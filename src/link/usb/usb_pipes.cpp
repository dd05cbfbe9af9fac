#include "link/usb/usb_pipes.h"

#include <algorithm>

namespace vq::usb {
namespace {

using Status = TransferResult::Status;

}  // namespace

bool UsbPipes::IsOpen() const {
  return attachment_ && !attachment_->detached && !(stop_ && *stop_);
}

// One backend call of up to `timeout`, made as a run of waits of at most a
// slice each. A slice that times out is counted as spent in full, so the
// whole wait never exceeds `timeout` by more than the backend's own delay.
TransferResult UsbPipes::Transfer(Endpoint endpoint, uint8_t* data, size_t length,
                                  Milliseconds timeout) const {
  const bool reading = endpoint == Endpoint::kEp2In || endpoint == Endpoint::kEp1In;
  size_t count = 0;
  Milliseconds left = timeout;
  for (;;) {
    if (!IsOpen()) return {Status::kFailed, count};
    const Milliseconds wait = std::min(left, kWaitSlice);
    UsbBackend& backend = *attachment_->backend;
    const TransferResult result = reading
                                      ? backend.Read(endpoint, data + count, length - count, wait)
                                      : backend.Write(endpoint, data + count, length - count, wait);
    count += std::min(result.count, length - count);
    if (result.status == Status::kFailed) return {Status::kFailed, count};
    // A read ends with the first bytes that arrive, a write once all went out.
    if (count == length || (reading && count > 0)) return {Status::kDone, count};
    left -= wait;
    if (left <= Milliseconds(0)) return {Status::kTimeout, count};
  }
}

uint32_t UsbPipes::ReadData(uint8_t* data, size_t length, size_t& count,
                            Milliseconds timeout) const {
  count = 0;
  if (!IsOpen()) return kUsbFailure;
  while (count < length) {
    const size_t piece = std::min(kPieceSize, length - count);
    const TransferResult result = Transfer(Endpoint::kEp2In, data + count, piece, timeout);
    count += result.count;
    if (result.status != Status::kDone) return kUsbFailure;
  }
  return kUsbOk;
}

uint32_t UsbPipes::WriteData(const uint8_t* data, size_t length, size_t& count,
                             Milliseconds timeout) const {
  count = 0;
  if (!IsOpen()) return kUsbFailure;
  while (count < length) {
    const size_t piece = std::min(kPieceSize, length - count);
    // The backend only reads an OUT transfer's buffer.
    const TransferResult result =
        Transfer(Endpoint::kEp2Out, const_cast<uint8_t*>(data) + count, piece, timeout);
    count += result.count;
    if (result.status != Status::kDone) break;
  }
  return kUsbOk;
}

TransferResult UsbPipes::ReadChunk(uint8_t* data, size_t length, Milliseconds timeout) const {
  return Transfer(Endpoint::kEp2In, data, length, timeout);
}

TransferResult UsbPipes::WriteChunk(const uint8_t* data, size_t length,
                                    Milliseconds timeout) const {
  return Transfer(Endpoint::kEp2Out, const_cast<uint8_t*>(data), length, timeout);
}

}  // namespace vq::usb
