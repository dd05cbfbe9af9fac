#pragma once
// Recognising the receiver among the devices on the bus, from descriptors
// alone: a vendor-specific interface with exactly the four bulk endpoints
// EP1 IN/OUT and EP2 IN/OUT, optionally narrowed to one vendor and product.

#include <cstdint>
#include <optional>
#include <vector>

namespace vq::usb {

struct EndpointDescriptor {
  uint8_t address = 0;     ///< bit 7 set for IN
  uint8_t attributes = 0;  ///< bits 0..1: 2 for bulk
};

struct InterfaceDescriptor {
  uint8_t number = 0;
  uint8_t alternate = 0;
  uint8_t interfaceClass = 0;  ///< 0xFF vendor-specific
  std::vector<EndpointDescriptor> endpoints;
};

struct DeviceDescriptor {
  uint16_t vendorId = 0;
  uint16_t productId = 0;
  std::vector<InterfaceDescriptor> interfaces;  ///< of the active configuration
};

/// Vendor and product id the profile may name; 0 matches any.
struct DeviceFilter {
  uint16_t vendorId = 0;
  uint16_t productId = 0;
};

/// True when `interface` has the receiver's shape.
bool IsReceiverInterface(const InterfaceDescriptor& interface);

/// The first interface of `device` that has the receiver's shape, when the
/// device passes `filter`; nothing otherwise.
std::optional<InterfaceDescriptor> FindReceiverInterface(const DeviceDescriptor& device,
                                                         const DeviceFilter& filter);

}  // namespace vq::usb
