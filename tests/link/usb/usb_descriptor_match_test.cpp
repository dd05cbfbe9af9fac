#include "link/usb/usb_descriptor_match.h"

#include <gtest/gtest.h>

namespace vq::usb {
namespace {

constexpr uint8_t kBulk = 2;
constexpr uint8_t kInterrupt = 3;

InterfaceDescriptor ReceiverInterface(uint8_t number = 0) {
  return {number, 0, 0xFF, {{0x81, kBulk}, {0x01, kBulk}, {0x82, kBulk}, {0x02, kBulk}}};
}

DeviceDescriptor Device(std::vector<InterfaceDescriptor> interfaces) {
  return {0x1234, 0x5678, std::move(interfaces)};
}

TEST(DescriptorMatchTest, FindsTheFourBulkEndpointsInAnyOrder) {
  InterfaceDescriptor shuffled = ReceiverInterface(2);
  std::swap(shuffled.endpoints[0], shuffled.endpoints[3]);
  const DeviceDescriptor device = Device({{0, 0, 0x08, {{0x81, kBulk}, {0x02, kBulk}}}, shuffled});
  const auto found = FindReceiverInterface(device, {});
  ASSERT_TRUE(found);
  EXPECT_EQ(found->number, 2);
  // The profile's vendor and product id narrow the search.
  EXPECT_TRUE(FindReceiverInterface(device, {0x1234, 0x5678}));
  EXPECT_FALSE(FindReceiverInterface(device, {0x1235, 0}));
  EXPECT_FALSE(FindReceiverInterface(device, {0, 0x5679}));
}

TEST(DescriptorMatchTest, RejectsOtherShapes) {
  InterfaceDescriptor notVendor = ReceiverInterface();
  notVendor.interfaceClass = 0x08;
  InterfaceDescriptor interrupt = ReceiverInterface();
  interrupt.endpoints[1].attributes = kInterrupt;
  InterfaceDescriptor fifth = ReceiverInterface();
  fifth.endpoints.push_back({0x83, kBulk});
  InterfaceDescriptor three = ReceiverInterface();
  three.endpoints.pop_back();
  InterfaceDescriptor wrongAddress = ReceiverInterface();
  wrongAddress.endpoints[3].address = 0x03;
  InterfaceDescriptor twice = ReceiverInterface();
  twice.endpoints[3].address = 0x82;
  for (const InterfaceDescriptor& interface :
       {notVendor, interrupt, fifth, three, wrongAddress, twice}) {
    EXPECT_FALSE(IsReceiverInterface(interface));
    EXPECT_FALSE(FindReceiverInterface(Device({interface}), {}));
  }
  EXPECT_FALSE(FindReceiverInterface(Device({}), {}));
}

}  // namespace
}  // namespace vq::usb
