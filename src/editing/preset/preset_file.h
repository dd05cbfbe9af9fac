#pragma once
// The preset part of the editing layer: the preset file format, its
// envelope and content, export and import. It builds on the database alone.
//
// Export and import of preset data: the satellites, LNB settings and
// transponders of a database in a compressed 65536-byte preset file.
//
// A GUI handler exports with ExportPreset and writes the bytes; it imports
// with ReadPresetFile, which checks the whole file without touching any
// database, and only then, after the user agreed, with ImportPreset.

#include <cstdint>
#include <span>
#include <vector>

#include "database/settings_database.h"
#include "editing/preset/preset_content.h"
#include "editing/preset/preset_result.h"

namespace vq {

/// Builds the preset file of `db` (format version 6). `file` is replaced only
/// on success; a database without a receiver model gives kNoModel.
PresetExportResult ExportPreset(const SettingsDatabase& db, std::vector<uint8_t>& file);

/// Checks every byte of an untrusted preset file and decodes it into `out`,
/// which is replaced only on success. Fails with kFileCorrupted for an
/// unknown model byte and kPresetCorrupted for any other fault.
PresetImportResult ReadPresetFile(std::span<const uint8_t> file, PresetContent& out);

/// Resets `target` to the preset's model and fills in its satellites, LNB
/// settings and transponders; channels stay empty and the configuration is
/// the model's default. kNoSpace when the transponder table filled up: the
/// transponders that fitted stay. A content without a receiver model gives
/// kFileCorrupted and leaves `target` untouched.
PresetImportResult ImportPreset(const PresetContent& content, SettingsDatabase& target);

}  // namespace vq
