#include "editing/preset/preset_result.h"

#include "common/text_translation.h"

namespace vq {

std::string_view PresetExportResult::Message() const {
  switch (status) {
    case PresetExportStatus::kOk: return {};
    case PresetExportStatus::kNoModel:
      return VQ_TRANSLATE_NOOP("CoreText", "There are no settings to export!");
    case PresetExportStatus::kNoBuffer: return VQ_TRANSLATE_NOOP("CoreText", "Error malloc buffer");
  }
  return {};
}

std::string_view PresetImportResult::Message() const {
  switch (status) {
    case PresetImportStatus::kOk: return {};
    case PresetImportStatus::kFileCorrupted:
      return VQ_TRANSLATE_NOOP("CoreText", "File is corrupted!");
    case PresetImportStatus::kPresetCorrupted:
      return VQ_TRANSLATE_NOOP("CoreText", "Preset File is corrupted!");
    case PresetImportStatus::kNoSpace:
      return VQ_TRANSLATE_NOOP("CoreText", "No space left for the transponders!");
  }
  return {};
}

}  // namespace vq
