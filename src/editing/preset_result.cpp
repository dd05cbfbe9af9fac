#include "editing/preset_result.h"

namespace vq {

std::string_view PresetExportResult::Message() const {
  switch (status) {
    case PresetExportStatus::kOk: return {};
    case PresetExportStatus::kNoModel: return "There are no settings to export!";
    case PresetExportStatus::kNoBuffer: return "Error malloc buffer";
  }
  return {};
}

std::string_view PresetImportResult::Message() const {
  switch (status) {
    case PresetImportStatus::kOk: return {};
    case PresetImportStatus::kFileCorrupted: return "File is corrupted!";
    case PresetImportStatus::kPresetCorrupted: return "Preset File is corrupted!";
    case PresetImportStatus::kNoSpace: return "No space left for the transponders!";
  }
  return {};
}

}  // namespace vq
