#pragma once
// The uncompressed PresetData: the signature block, section 1 with its
// labelled test records, and section 2 with the antenna, satellite and
// transponder records of the preset.

#include <cstdint>
#include <span>
#include <vector>

#include "editing/preset/preset_content.h"

namespace vq {

/// PresetData of `content` in the layout of `content.version` (satellite
/// records of 120 bytes below version 6). Every satellite record carries the
/// orbital position at byte 6 and, from version 6, at byte 120 as well.
std::vector<uint8_t> EncodePresetData(const PresetContent& content);

/// Checks and decodes PresetData of format `version` into `out` (the model
/// is left alone). Fails when a signature or section header is missing, when
/// a section's counts claim more records than the data holds, or when a
/// satellite name has no terminator inside its field. Only the first 64
/// antenna and satellite records are kept.
bool DecodePresetData(std::span<const uint8_t> data, uint32_t version, PresetContent& out);

}  // namespace vq
