#include "link/usb/libusb_descriptors.h"

#include <libusb-1.0/libusb.h>

namespace vq::usb {

bool ReadDeviceDescriptor(libusb_device* device, DeviceDescriptor& out) {
  libusb_device_descriptor desc{};
  if (libusb_get_device_descriptor(device, &desc) != 0) return false;
  libusb_config_descriptor* config = nullptr;
  if (libusb_get_active_config_descriptor(device, &config) != 0 || !config) return false;
  out.vendorId = desc.idVendor;
  out.productId = desc.idProduct;
  out.interfaces.clear();
  for (int i = 0; i < config->bNumInterfaces; ++i) {
    const libusb_interface& interface = config->interface[i];
    for (int a = 0; a < interface.num_altsetting; ++a) {
      const libusb_interface_descriptor& alt = interface.altsetting[a];
      InterfaceDescriptor plain;
      plain.number = alt.bInterfaceNumber;
      plain.alternate = alt.bAlternateSetting;
      plain.interfaceClass = alt.bInterfaceClass;
      for (int e = 0; e < alt.bNumEndpoints; ++e)
        plain.endpoints.push_back({alt.endpoint[e].bEndpointAddress, alt.endpoint[e].bmAttributes});
      out.interfaces.push_back(std::move(plain));
    }
  }
  libusb_free_config_descriptor(config);
  return true;
}

}  // namespace vq::usb
