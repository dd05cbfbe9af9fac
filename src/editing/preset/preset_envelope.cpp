#include "editing/preset/preset_envelope.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "common/byte_io.h"
#include "common/byte_sum.h"
#include "editing/preset/preset_format.h"
#include "image/image_header.h"
#include "image/image_layout.h"

namespace vq {

using namespace preset;

namespace {

constexpr size_t kStreamNameSize = kMemberName.size() + 1;
constexpr size_t kZlibOffset = kStreamOffset + kMemberHeaderSize + kStreamNameSize;
constexpr PresetImportStatus kCorrupted = PresetImportStatus::kPresetCorrupted;

void WriteMemberHeader(uint8_t* area) {
  static constexpr uint8_t kHeader[kMemberHeaderSize] = {0x1F, 0x8B, kMemberMethodDeflate,
                                                         kFlagName, 0, 0, 0, 0, 0, 0};
  std::memcpy(area, kHeader, sizeof kHeader);
  std::memcpy(area + kMemberHeaderSize, kMemberName.data(), kMemberName.size());
}

void WriteEnvelope(uint8_t* file, uint32_t version, uint32_t streamLength, uint32_t dataLength) {
  std::memcpy(file + kEnvelopeOffset, kEnvelopeTag.data(), kEnvelopeTag.size());
  WriteU32LE(file + kVersionOffset, version);
  std::memset(file + kSpacesOffset, ' ', 8);
  WriteU32LE(file + kStreamSumOffset, ByteSum32(file + kStreamOffset, streamLength));
  WriteU32LE(file + kStreamLengthOffset, streamLength);
  WriteU32LE(file + kDataLengthOffset, dataLength);
}

// Where the zlib stream starts inside the stream area, or 0 when the member
// header is malformed or runs past the area.
size_t SkipMemberHeader(std::span<const uint8_t> area) {
  if (area.size() < kMemberHeaderSize) return 0;
  const uint8_t flags = area[3];
  if (area[2] != kMemberMethodDeflate || (flags & kFlagsReserved) != 0) return 0;
  size_t at = kMemberHeaderSize;
  if (flags & kFlagExtra) {
    if (area.size() < at + 2) return 0;
    at += 2 + ReadU16LE(&area[at]);
  }
  const auto skipText = [&] {
    if (at >= area.size()) return false;
    const auto end = std::find(area.begin() + static_cast<ptrdiff_t>(at), area.end(), 0);
    if (end == area.end()) return false;
    at = static_cast<size_t>(end - area.begin()) + 1;
    return true;
  };
  if ((flags & kFlagName) && !skipText()) return 0;
  if ((flags & kFlagComment) && !skipText()) return 0;
  if (flags & kFlagHeaderCrc) at += 2;
  return at < area.size() ? at : 0;
}

}  // namespace

PresetExportStatus WrapPresetData(int32_t model, uint32_t version, std::span<const uint8_t> data,
                                  std::vector<uint8_t>& file) {
  if (model != kModelFtaCi && model != kModelPvr) return PresetExportStatus::kNoModel;
  std::vector<uint8_t> built(kFileSize, 0);
  // The stream is compressed straight into the file; a stream that does not
  // fit the file's stream area is refused like a buffer that cannot be had.
  auto compressed = static_cast<uLongf>(kFileSize - kZlibOffset);
  if (compress(built.data() + kZlibOffset, &compressed, data.data(),
               static_cast<uLong>(data.size())) != Z_OK)
    return PresetExportStatus::kNoBuffer;
  WriteMemberHeader(built.data() + kStreamOffset);
  const auto streamLength =
      static_cast<uint32_t>(kMemberHeaderSize + kStreamNameSize + compressed);
  WriteEnvelope(built.data(), version, streamLength, static_cast<uint32_t>(data.size()));

  auto header = BuildImageHeader(model == kModelFtaCi ? kPresetCodeFtaCi : kPresetCodePvr, false,
                                 kFileSize - kImageHeaderSize,
                                 ByteSum32(built.data() + kImageHeaderSize,
                                           kFileSize - kImageHeaderSize));
  header[kHeaderMarkerOffset] = kHeaderMarker;
  std::copy(header.begin(), header.end(), built.begin());
  file = std::move(built);
  return PresetExportStatus::kOk;
}

PresetImportStatus UnwrapPresetFile(std::span<const uint8_t> file, PresetEnvelope& out) {
  if (file.size() <= kModelByteOffset) return PresetImportStatus::kFileCorrupted;
  const uint8_t modelByte = file[kModelByteOffset];
  if (modelByte != kModelByteFtaCi && modelByte != kModelBytePvr)
    return PresetImportStatus::kFileCorrupted;

  if (file.size() < kStreamOffset ||
      !std::equal(kEnvelopeTag.begin(), kEnvelopeTag.end(), file.begin() + kEnvelopeOffset))
    return kCorrupted;
  const uint32_t streamLength = ReadU32LE(&file[kStreamLengthOffset]);
  const uint32_t dataLength = ReadU32LE(&file[kDataLengthOffset]);
  if (streamLength == 0 || streamLength > kMaxStreamLength ||
      file.size() - kStreamOffset < streamLength)
    return kCorrupted;
  const auto area = file.subspan(kStreamOffset, streamLength);
  if (ByteSum32(area.data(), area.size()) != ReadU32LE(&file[kStreamSumOffset])) return kCorrupted;
  // The stated length is bounded before anything is allocated for it.
  if (dataLength == 0 || dataLength > kMaxDataLength) return kCorrupted;

  const size_t zlibStart = SkipMemberHeader(area);
  if (zlibStart == 0) return kCorrupted;
  std::vector<uint8_t> data(dataLength);
  uLongf produced = dataLength;
  if (uncompress(data.data(), &produced, area.data() + zlibStart,
                 static_cast<uLong>(area.size() - zlibStart)) != Z_OK ||
      produced != dataLength)
    return kCorrupted;

  out.model = modelByte == kModelByteFtaCi ? kModelFtaCi : kModelPvr;
  out.version = ReadU32LE(&file[kVersionOffset]);
  out.data = std::move(data);
  return PresetImportStatus::kOk;
}

}  // namespace vq
