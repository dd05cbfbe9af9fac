#include "link/usb/libusb_bus.h"

#include <libusb-1.0/libusb.h>

#include "link/usb/libusb_descriptors.h"

namespace vq::usb {
namespace {

using Status = TransferResult::Status;

constexpr timeval kEventSlice{0, 100000};

TransferResult FromLibUsb(int rc, int transferred) {
  const size_t count = transferred > 0 ? static_cast<size_t>(transferred) : 0;
  if (rc == 0) return {Status::kDone, count};
  if (rc == LIBUSB_ERROR_TIMEOUT) return {Status::kTimeout, count};
  return {Status::kFailed, count};
}

class LibUsbBackend : public UsbBackend {
 public:
  LibUsbBackend(LibUsbBus& bus, libusb_device_handle* handle, int interface)
      : bus_(bus), handle_(handle), interface_(interface), name_(NameOf(handle)) {}
  // Owns the open handle: a copy would close it twice.
  LibUsbBackend(const LibUsbBackend&) = delete;
  LibUsbBackend& operator=(const LibUsbBackend&) = delete;
  ~LibUsbBackend() override {
    libusb_device* device = libusb_get_device(handle_);
    libusb_release_interface(handle_, interface_);
    libusb_close(handle_);
    bus_.Forget(device);
  }

  TransferResult Read(Endpoint endpoint, uint8_t* data, size_t length,
                      Milliseconds timeout) override {
    return Bulk(endpoint, data, length, timeout);
  }
  TransferResult Write(Endpoint endpoint, const uint8_t* data, size_t length,
                       Milliseconds timeout) override {
    // libusb takes a non-const buffer for both directions; an OUT transfer
    // only reads it.
    return Bulk(endpoint, const_cast<uint8_t*>(data), length, timeout);
  }
  // The receiver's reset request: bring every pipe out of a halt.
  void ResetPipes() override {
    for (const Endpoint e :
         {Endpoint::kEp1In, Endpoint::kEp1Out, Endpoint::kEp2In, Endpoint::kEp2Out})
      libusb_clear_halt(handle_, static_cast<unsigned char>(e));
  }
  // A receiver plugged in again is a new device in the list, so the one
  // opened here is gone even when another stands in its place.
  bool IsConnected() override { return bus_.IsPresent(libusb_get_device(handle_)); }
  std::string Name() const override { return name_; }

 private:
  TransferResult Bulk(Endpoint endpoint, uint8_t* data, size_t length, Milliseconds timeout) {
    if (length > static_cast<size_t>(INT32_MAX)) return {};
    // A time-out of 0 means "forever" to libusb.
    const auto ms = static_cast<unsigned>(std::max<int64_t>(1, timeout.count()));
    int transferred = 0;
    const int rc = libusb_bulk_transfer(handle_, static_cast<unsigned char>(endpoint), data,
                                        static_cast<int>(length), &transferred, ms);
    return FromLibUsb(rc, transferred);
  }

  // Bus, address and the product string the device gives (bounded by the
  // buffer; empty when it names none).
  static std::string NameOf(libusb_device_handle* handle) {
    libusb_device* device = libusb_get_device(handle);
    libusb_device_descriptor descriptor{};
    unsigned char product[128] = {};
    int length = 0;
    if (libusb_get_device_descriptor(device, &descriptor) == 0 && descriptor.iProduct != 0)
      length = libusb_get_string_descriptor_ascii(handle, descriptor.iProduct, product,
                                                  sizeof product - 1);
    return DeviceName(libusb_get_bus_number(device), libusb_get_device_address(device),
                      std::string(reinterpret_cast<const char*>(product),
                                  length > 0 ? static_cast<size_t>(length) : 0));
  }

  LibUsbBus& bus_;
  libusb_device_handle* handle_;
  int interface_;
  std::string name_;
};

int LIBUSB_CALL HotplugCallback(libusb_context* /*context*/, libusb_device* device,
                                libusb_hotplug_event event, void* user) {
  static_cast<LibUsbBus*>(user)->OnHotplug(device, event == LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED);
  return 0;  // stay registered
}

}  // namespace

LibUsbBus::LibUsbBus(DeviceFilter filter) : filter_(filter) {
  if (libusb_init(&context_) != 0) {
    context_ = nullptr;
    return;
  }
  if (!libusb_has_capability(LIBUSB_CAP_HAS_HOTPLUG)) return;
  const int events = LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED | LIBUSB_HOTPLUG_EVENT_DEVICE_LEFT;
  hotplugRegistered_ =
      libusb_hotplug_register_callback(
          context_, static_cast<libusb_hotplug_event>(events), LIBUSB_HOTPLUG_NO_FLAGS,
          filter_.vendorId ? filter_.vendorId : LIBUSB_HOTPLUG_MATCH_ANY,
          filter_.productId ? filter_.productId : LIBUSB_HOTPLUG_MATCH_ANY,
          LIBUSB_HOTPLUG_MATCH_ANY, HotplugCallback, this, &hotplugHandle_) == LIBUSB_SUCCESS;
  if (hotplugRegistered_)
    events_ = std::thread([this] {
      while (!stopEvents_) {
        timeval slice = kEventSlice;
        libusb_handle_events_timeout_completed(context_, &slice, nullptr);
      }
    });
}

LibUsbBus::~LibUsbBus() {
  if (!context_) return;
  stopEvents_ = true;
  if (hotplugRegistered_) libusb_hotplug_deregister_callback(context_, hotplugHandle_);
  if (events_.joinable()) events_.join();
  libusb_exit(context_);
}

void LibUsbBus::SetHotplugHandler(HotplugHandler handler) {
  std::lock_guard guard(mutex_);
  handler_ = std::move(handler);
}

bool LibUsbBus::Matches(libusb_device* device) const {
  DeviceDescriptor descriptor;
  return ReadDeviceDescriptor(device, descriptor) &&
         FindReceiverInterface(descriptor, filter_).has_value();
}

void LibUsbBus::OnHotplug(libusb_device* device, bool arrived) {
  std::lock_guard guard(mutex_);
  const bool counts = arrived ? Matches(device) && gate_.Arrived() : gate_.Left(device);
  if (counts && handler_) handler_(arrived);
}

void LibUsbBus::Forget(libusb_device* device) {
  std::lock_guard guard(mutex_);
  if (gate_.Closed(device) && handler_) handler_(true);
}

bool LibUsbBus::IsPresent(libusb_device* device) {
  libusb_device** list = nullptr;
  const ssize_t count = libusb_get_device_list(context_, &list);
  if (count < 0) return false;
  bool present = false;
  for (ssize_t i = 0; i < count && !present; ++i) present = list[i] == device;
  libusb_free_device_list(list, 1);
  return present;
}

std::unique_ptr<UsbBackend> LibUsbBus::Open() {
  if (!context_) return nullptr;
  libusb_device** list = nullptr;
  const ssize_t count = libusb_get_device_list(context_, &list);
  std::unique_ptr<UsbBackend> backend;
  for (ssize_t i = 0; i < count && !backend; ++i) {
    DeviceDescriptor descriptor;
    if (!ReadDeviceDescriptor(list[i], descriptor)) continue;
    const std::optional<InterfaceDescriptor> match = FindReceiverInterface(descriptor, filter_);
    if (!match) continue;
    libusb_device_handle* handle = nullptr;
    if (libusb_open(list[i], &handle) != 0) continue;
    if (libusb_kernel_driver_active(handle, match->number) == 1 ||
        libusb_claim_interface(handle, match->number) != 0) {
      libusb_close(handle);
      continue;
    }
    if (match->alternate != 0)
      libusb_set_interface_alt_setting(handle, match->number, match->alternate);
    {
      std::lock_guard guard(mutex_);
      gate_.Opened(list[i]);
    }
    backend = std::make_unique<LibUsbBackend>(*this, handle, match->number);
  }
  if (count >= 0) libusb_free_device_list(list, 1);
  return backend;
}

}  // namespace vq::usb
