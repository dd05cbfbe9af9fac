#pragma once
// Outcomes of exporting and importing preset data, with the texts the user
// is shown for them.

#include <string_view>

#include "common/text_translation.h"

namespace vq {

/// Shown when the preset file cannot be created, opened or read.
inline constexpr std::string_view kPresetFileOpenFailedText =
    VQ_TRANSLATE_NOOP("CoreText", "File open failed!");
/// The question asked before an import replaces a database with unsaved changes.
inline constexpr std::string_view kPresetConfirmTitle = VQ_TRANSLATE_NOOP("CoreText", "Confirm");
inline constexpr std::string_view kPresetConfirmText = VQ_TRANSLATE_NOOP(
    "CoreText", "This action will clear your current settings. Do you want to continue?");

enum class PresetExportStatus {
  kOk,
  kNoModel,   ///< the database holds no receiver model; nothing was built
  kNoBuffer,  ///< the compressor found no room; nothing was built
};

struct PresetExportResult {
  PresetExportStatus status = PresetExportStatus::kOk;

  bool Ok() const { return status == PresetExportStatus::kOk; }
  /// The text to show for a failure; empty for success.
  std::string_view Message() const;
};

enum class PresetImportStatus {
  kOk,
  kFileCorrupted,    ///< the model byte names no receiver model
  kPresetCorrupted,  ///< the envelope, member header, stream or data failed a check
  kNoSpace,          ///< imported, but not every transponder found a free slot
};

struct PresetImportResult {
  PresetImportStatus status = PresetImportStatus::kOk;

  bool Ok() const { return status == PresetImportStatus::kOk; }
  /// The text to show for a failure; empty for success.
  std::string_view Message() const;
};

}  // namespace vq
