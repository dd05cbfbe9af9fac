#include "link/usb/usb_descriptor_match.h"

#include <algorithm>
#include <array>

namespace vq::usb {
namespace {

constexpr uint8_t kVendorSpecificClass = 0xFF;
constexpr uint8_t kTransferTypeMask = 0x03;
constexpr uint8_t kBulkTransfer = 0x02;
constexpr std::array<uint8_t, 4> kReceiverEndpoints = {0x01, 0x02, 0x81, 0x82};

}  // namespace

bool IsReceiverInterface(const InterfaceDescriptor& interface) {
  if (interface.interfaceClass != kVendorSpecificClass) return false;
  if (interface.endpoints.size() != kReceiverEndpoints.size()) return false;
  std::array<uint8_t, 4> addresses{};
  for (size_t i = 0; i < addresses.size(); ++i) {
    const EndpointDescriptor& endpoint = interface.endpoints[i];
    if ((endpoint.attributes & kTransferTypeMask) != kBulkTransfer) return false;
    addresses[i] = endpoint.address;
  }
  std::sort(addresses.begin(), addresses.end());
  return addresses == kReceiverEndpoints;
}

std::optional<InterfaceDescriptor> FindReceiverInterface(const DeviceDescriptor& device,
                                                         const DeviceFilter& filter) {
  if (filter.vendorId != 0 && device.vendorId != filter.vendorId) return std::nullopt;
  if (filter.productId != 0 && device.productId != filter.productId) return std::nullopt;
  for (const InterfaceDescriptor& interface : device.interfaces)
    if (IsReceiverInterface(interface)) return interface;
  return std::nullopt;
}

}  // namespace vq::usb
