#include "link/usb/usb_backend.h"

#include "common/translated_format.h"

namespace vq::usb {

std::string DeviceName(int bus, int address, const std::string& product) {
  return TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "USB bus %d, address %d: %s"), bus, address,
                          product.c_str());
}

}  // namespace vq::usb
