#pragma once
// The pipes of an opened receiver and the bus that opens it: the seam between
// the USB protocol code and what moves the bytes (libusb for a real receiver,
// an emulated receiver for tests and demos).

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vq::usb {

using Milliseconds = std::chrono::milliseconds;

/// The receiver's four bulk endpoints by address.
enum class Endpoint : uint8_t { kEp1In = 0x81, kEp1Out = 0x01, kEp2In = 0x82, kEp2Out = 0x02 };

/// How one bulk transfer ended. `count` bytes moved in every case.
struct TransferResult {
  enum class Status { kDone, kTimeout, kFailed };
  Status status = Status::kFailed;
  size_t count = 0;
};

/// One opened receiver. A read returns as soon as some bytes arrived (a short
/// packet ends it) or when `length` bytes are in; a write returns when all
/// went out. Either gives up after `timeout`, reporting what moved. Calls may
/// come from several threads; each endpoint is used by one thread at a time.
class UsbBackend {
 public:
  virtual ~UsbBackend() = default;
  virtual TransferResult Read(Endpoint endpoint, uint8_t* data, size_t length,
                              Milliseconds timeout) = 0;
  virtual TransferResult Write(Endpoint endpoint, const uint8_t* data, size_t length,
                               Milliseconds timeout) = 0;
  /// Brings the pipes to a known state after opening (clears halts).
  virtual void ResetPipes() = 0;
  /// Whether the receiver is still on the bus; false once it has left, also
  /// when a receiver has come back in its place.
  virtual bool IsConnected() = 0;
  /// The device as the user can tell it apart (see DeviceName); empty when
  /// the backend has nothing to say.
  virtual std::string Name() const { return {}; }
};

/// "USB bus %d, address %d: %s" in the user's language, with the product
/// string the device gives for itself.
std::string DeviceName(int bus, int address, const std::string& product);

/// Finds and opens receivers and reports them coming and going.
class UsbBus {
 public:
  /// Called with true on arrival and false on removal, from any thread.
  using HotplugHandler = std::function<void(bool arrived)>;

  virtual ~UsbBus() = default;
  /// The first matching receiver, opened; nullptr when none is present or
  /// none opens.
  virtual std::unique_ptr<UsbBackend> Open() = 0;
  /// Sets (or, with an empty handler, clears) the arrival and removal handler.
  virtual void SetHotplugHandler(HotplugHandler handler) = 0;
  /// Whether arrival and removal reach the handler at all; without, the
  /// owner has to look at the bus itself.
  virtual bool HasHotplug() const = 0;
};

}  // namespace vq::usb
