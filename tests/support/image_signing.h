#pragma once
// Re-signs every configuration block and flash sector of an image after a
// test patched it, so that the patched content gets past the checksums and
// reaches the decoder.

#include <cstdint>
#include <vector>

#include "common/byte_io.h"
#include "common/byte_sum.h"
#include "image/image_layout.h"

namespace vq::test {

inline void ResignImage(std::vector<uint8_t>& image, int logicalSectors) {
  if (image.size() < ImageSizeForSectorCount(logicalSectors)) return;
  for (size_t base : {kEeprom1Offset, kEeprom0Offset}) {
    const int blocks = base == kEeprom1Offset ? kEeprom1Blocks : kEeprom0Blocks;
    for (int b = 0; b < blocks; ++b) {
      uint8_t* block = &image[base + static_cast<size_t>(b) * kConfigBlockSize];
      const uint32_t length = ReadU32LE(block + 144);
      if (length < 864) WriteU32LE(block + 140, ByteSum32(block + 160, length & 0xFFFF));
    }
  }
  for (int p = 0; p <= logicalSectors; ++p) {
    uint8_t* sector = &image[kFlashSectorAreaOffset + static_cast<size_t>(p) * kFlashSectorSize];
    const uint32_t length = ReadU32LE(sector + 152);
    if (length <= kFlashSectorPayload) WriteU32LE(sector + 148, ByteSum32(sector + 160, length));
  }
}

}  // namespace vq::test
