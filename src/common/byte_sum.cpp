#include "common/byte_sum.h"

namespace vq {

uint32_t ByteSum32(const uint8_t* data, size_t length) {
  uint32_t sum = 0;
  for (size_t i = 0; i < length; ++i) sum += data[i];
  return sum;
}

}  // namespace vq
