#include "image/image_header.h"

#include <cstring>

#include "common/byte_io.h"
#include "common/byte_sum.h"
#include "image/image_layout.h"

namespace vq {

std::array<uint8_t, 128> BuildImageHeader(uint32_t modelCode, bool optionFlag, uint32_t length,
                                          uint32_t checksum) {
  static constexpr char kSignature[] = "KnEtIxDnImG001";
  std::array<uint8_t, 128> header{};
  std::memcpy(&header[16], kSignature, 14);
  header[32] = 0x5F;
  header[36] = 0x6F;
  header[38] = 0x70;
  header[43] = 0x71;
  header[0] = 1;
  header[1] = 2;
  WriteU16BE(&header[2], static_cast<uint16_t>(modelCode >> 16));
  WriteU16BE(&header[6], static_cast<uint16_t>(modelCode));
  header[33] = optionFlag ? 0x5F : 0;
  header[37] = 0x80;
  WriteU32BE(&header[39], length);
  WriteU32BE(&header[44], checksum);
  return header;
}

void WriteImageHeader(std::span<uint8_t> image, int32_t model) {
  if (image.size() < kImageHeaderSize) return;
  const uint32_t code = model == kModelFtaCi ? kModelCodeFtaCi : kModelCodePvr;
  const size_t body = image.size() - kImageHeaderSize;
  const auto header = BuildImageHeader(code, false, static_cast<uint32_t>(body),
                                       ByteSum32(image.data() + kImageHeaderSize, body));
  std::memcpy(image.data(), header.data(), header.size());
}

}  // namespace vq
