#pragma once
// The PresetFile around a PresetData stream: the image header with the
// preset model codes, the envelope with version, lengths and stream sum, and
// the stream area (a gzip-style member header naming "By_PreProg.bin",
// followed by the zlib stream).

#include <cstdint>
#include <span>
#include <vector>

#include "editing/preset/preset_result.h"

namespace vq {

/// Compresses `data` and builds the 65536-byte PresetFile of `model` (0 or 1)
/// stating format `version`. `file` is replaced only on success.
PresetExportStatus WrapPresetData(int32_t model, uint32_t version, std::span<const uint8_t> data,
                                  std::vector<uint8_t>& file);

/// What a PresetFile's envelope carries once every check has passed.
struct PresetEnvelope {
  int32_t model = 0;
  uint32_t version = 0;
  std::vector<uint8_t> data;  ///< PresetData, uncompressed
};

/// Checks a PresetFile in order: model byte, envelope tag and lengths,
/// stream sum, member header, then decompresses exactly the stated length
/// (at most 1 MiB). Never reads outside `file`.
PresetImportStatus UnwrapPresetFile(std::span<const uint8_t> file, PresetEnvelope& out);

}  // namespace vq
