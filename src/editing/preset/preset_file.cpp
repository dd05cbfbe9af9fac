#include "editing/preset/preset_file.h"

#include "editing/preset/preset_data.h"
#include "editing/preset/preset_envelope.h"
#include "editing/preset/preset_format.h"

namespace vq {

PresetExportResult ExportPreset(const SettingsDatabase& db, std::vector<uint8_t>& file) {
  if (db.GetModel() != kModelFtaCi && db.GetModel() != kModelPvr)
    return {PresetExportStatus::kNoModel};
  PresetContent content = CollectPresetContent(db);
  content.version = preset::kCurrentVersion;
  return {WrapPresetData(content.model, content.version, EncodePresetData(content), file)};
}

PresetImportResult ReadPresetFile(std::span<const uint8_t> file, PresetContent& out) {
  PresetEnvelope envelope;
  const PresetImportStatus status = UnwrapPresetFile(file, envelope);
  if (status != PresetImportStatus::kOk) return {status};
  PresetContent content;
  if (!DecodePresetData(envelope.data, envelope.version, content))
    return {PresetImportStatus::kPresetCorrupted};
  content.model = envelope.model;
  out = std::move(content);
  return {};
}

}  // namespace vq
