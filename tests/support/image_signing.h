#pragma once
// Re-signs the configuration blocks and flash sectors of an image after a
// test patched it, so that the patched content gets past the checksums and
// reaches the decoder.

#include <cstdint>
#include <vector>

#include "common/byte_io.h"
#include "common/byte_sum.h"
#include "image/image_layout.h"

namespace vq::test {

// Re-signs the blocks and sectors that overlap bytes [begin, end) and returns
// the offsets of the checksums it wrote. Checksums cover only their own block
// or sector, so after patching that range of an image that was signed before,
// this does what re-signing every block and sector would.
inline std::vector<size_t> ResignImage(std::vector<uint8_t>& image, int logicalSectors,
                                       size_t begin, size_t end) {
  std::vector<size_t> written;
  if (image.size() < ImageSizeForSectorCount(logicalSectors)) return written;
  const auto overlaps = [&](size_t at, size_t size) { return at < end && begin < at + size; };
  for (size_t base : {kEeprom1Offset, kEeprom0Offset}) {
    const int blocks = base == kEeprom1Offset ? kEeprom1Blocks : kEeprom0Blocks;
    for (int b = 0; b < blocks; ++b) {
      const size_t at = base + static_cast<size_t>(b) * kConfigBlockSize;
      if (!overlaps(at, kConfigBlockSize)) continue;
      uint8_t* block = &image[at];
      const uint32_t length = ReadU32LE(block + 144);
      if (length >= 864) continue;
      WriteU32LE(block + 140, ByteSum32(block + 160, length & 0xFFFF));
      written.push_back(at + 140);
    }
  }
  for (int p = 0; p <= logicalSectors; ++p) {
    const size_t at = kFlashSectorAreaOffset + static_cast<size_t>(p) * kFlashSectorSize;
    if (!overlaps(at, kFlashSectorSize)) continue;
    uint8_t* sector = &image[at];
    const uint32_t length = ReadU32LE(sector + 152);
    if (length > kFlashSectorPayload) continue;
    WriteU32LE(sector + 148, ByteSum32(sector + 160, length));
    written.push_back(at + 148);
  }
  return written;
}

inline void ResignImage(std::vector<uint8_t>& image, int logicalSectors) {
  ResignImage(image, logicalSectors, 0, image.size());
}

}  // namespace vq::test
