// Fuzzes the preset reader and import. A preset file is 64 KB and its stream
// is summed and compressed, so most of the input is wrapped by the fuzzer
// itself: [mode][payload]. Mode bits 0..1 choose the path:
//   0  the payload is the file, as it is
//   1  the payload is PresetData, compressed and wrapped into a valid file
//   2  the payload patches the PresetData of a real export, then is wrapped
//   3  the payload patches a whole exported file; bit 2 re-signs it
// Patches are [offset:2][length:1][bytes]. Bit 3 wraps as version 5 instead
// of 6, bit 4 as the PVR model. A file that reads and imports must export
// again and read back with the same satellite names and positions.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "editing/preset/preset_data.h"
#include "editing/preset/preset_envelope.h"
#include "editing/preset/preset_file.h"
#include "editing/preset_test_support.h"

namespace {

vq::LocalDateTime FixedTime() { return vq::LocalDateTime{2026, 1, 2, 3, 4, 5}; }

vq::PresetContent BaseContent() {
  vq::SettingsDatabase db(FixedTime);
  db.ResetToDefaults(vq::kModelFtaCi, true);
  for (int s = 0; s < 5; ++s) {
    db.GetSatelliteNode(s * 7)->SetName("Sat" + std::to_string(s));
    db.GetSatelliteNode(s * 7)->Satellite().SetPosition(static_cast<int16_t>(s * 130 - 300));
    for (int t = 0; t < 3; ++t) {
      vq::TransponderNode* added = nullptr;
      if (db.AddTransponder(db.GetSatelliteNode(s * 7), &added))
        added->Record().SetFrequency(static_cast<uint16_t>(10700 + 50 * t + s));
    }
  }
  return vq::CollectPresetContent(db);
}

void ApplyPatches(const uint8_t* data, size_t size, std::vector<uint8_t>& target) {
  size_t at = 0;
  while (at + 3 <= size && !target.empty()) {
    const size_t offset = (size_t{data[at]} << 8 | data[at + 1]) % target.size();
    size_t length = data[at + 2];
    at += 3;
    length = std::min({length, size - at, target.size() - offset});
    std::copy(data + at, data + at + length, target.begin() + static_cast<ptrdiff_t>(offset));
    at += length;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const uint8_t mode = data[0];
  const uint8_t* payload = data + 1;
  const size_t payloadSize = size - 1;
  const int32_t model = (mode & 16) ? vq::kModelPvr : vq::kModelFtaCi;
  const uint32_t version = (mode & 8) ? 5 : 6;

  static const vq::PresetContent base = BaseContent();
  static const std::vector<uint8_t> baseData = vq::EncodePresetData(base);
  static std::vector<uint8_t> baseFile;
  if (baseFile.empty()) vq::WrapPresetData(vq::kModelFtaCi, 6, baseData, baseFile);

  static std::vector<uint8_t> file;
  switch (mode & 3) {
    case 0:
      file.assign(payload, payload + payloadSize);
      break;
    case 1:
      if (vq::WrapPresetData(model, version, {payload, payloadSize}, file) !=
          vq::PresetExportStatus::kOk)
        return 0;
      break;
    case 2: {
      static std::vector<uint8_t> presetData;
      presetData = baseData;
      ApplyPatches(payload, payloadSize, presetData);
      if (vq::WrapPresetData(model, version, presetData, file) != vq::PresetExportStatus::kOk)
        return 0;
      break;
    }
    default:
      file = baseFile;
      ApplyPatches(payload, payloadSize, file);
      if (mode & 4) vq::test::ResignPresetFile(file);
      break;
  }

  vq::PresetContent content;
  if (!vq::ReadPresetFile(file, content).Ok()) return 0;
  static vq::SettingsDatabase db(FixedTime);
  const vq::PresetImportResult imported = vq::ImportPreset(content, db);
  if (imported.status != vq::PresetImportStatus::kOk &&
      imported.status != vq::PresetImportStatus::kNoSpace)
    __builtin_trap();

  static std::vector<uint8_t> again;
  vq::PresetContent reread;
  if (!vq::ExportPreset(db, again).Ok() || !vq::ReadPresetFile(again, reread).Ok())
    __builtin_trap();
  for (size_t i = 0; i < content.satellites.size(); ++i)
    if (reread.satellites[i].name != content.satellites[i].name ||
        reread.satellites[i].position != content.satellites[i].position)
      __builtin_trap();
  return 0;
}
