#include "ui/app/config/editor_config.h"

#include <cstddef>

#include "link/serial/line_settings.h"

namespace vq {
namespace {

// How a value read from the profile is repaired.
enum class Range { kAny, kSigned, kUnsigned, kByte };

struct Key {
  const char* section = nullptr;
  const char* name = nullptr;
  int32_t EditorConfig::*field = nullptr;
  Range range = Range::kAny;
  int32_t low = 0;
  int32_t high = 0;
  int32_t repair = 0;
};

constexpr const char* kGeneral = "SettingsGeneral";
constexpr const char* kComPort = "SettingsCOMPort";
constexpr const char* kSatTree = "SettingsSatTree";
constexpr const char* kTpTree = "SettingsTPTree";
constexpr const char* kChanTree = "SettingsChanTree";
constexpr const char* kSettTree = "SettingsSettTree";
constexpr const char* kLayout = "SettingsLayout";
constexpr const char* kBackups = "SettingsBackups";

#define VQ_KEY(section, field, ...) Key{section, #field, &EditorConfig::field, __VA_ARGS__}

// In field order, which is also the order the profile is read and written.
const Key kKeys[] = {
    VQ_KEY(kGeneral, PostEditAction, Range::kSigned, 0, 2, 0),
    VQ_KEY(kGeneral, ColapseAfterSelection),
    VQ_KEY(kGeneral, DefaultNetworkEnabled),
    VQ_KEY(kGeneral, AutoSave),
    VQ_KEY(kGeneral, ChanPastingModeNoSat, Range::kSigned, 0, 3, 0),
    VQ_KEY(kGeneral, ChanPastingModeNoTp, Range::kSigned, 0, 3, 0),
    VQ_KEY(kGeneral, TPPastingModeNoSat, Range::kSigned, 0, 2, 0),
    VQ_KEY(kComPort, Port, Range::kSigned, 0, 16, 0),
    VQ_KEY(kComPort, Bitrate, Range::kSigned, 0, static_cast<int>(serial::kLineSpeeds.size()) - 1,
           0),
    VQ_KEY(kComPort, DataBits, Range::kSigned, 0, 5, 5),
    VQ_KEY(kComPort, ParityBit, Range::kSigned, 0, 4, 0),
    VQ_KEY(kComPort, StopBit, Range::kSigned, 0, 2, 0),
    VQ_KEY(kComPort, FlowCtrl, Range::kByte),
    VQ_KEY(kComPort, Timeout, Range::kUnsigned, 1000, 60000, 3000),
    VQ_KEY(kSatTree, ExpandSatGeneral),
    VQ_KEY(kSatTree, ExpandSatLNB),
    VQ_KEY(kSatTree, ExpandSatLNBType),
    VQ_KEY(kSatTree, ExpandSatSwitch),
    VQ_KEY(kSatTree, ExpandSatTone),
    VQ_KEY(kSatTree, ExpandSatMotor),
    VQ_KEY(kSatTree, ExpandSatMotorType),
    VQ_KEY(kSatTree, ExpandSatPredef1),
    VQ_KEY(kSatTree, ExpandSatPredef2),
    VQ_KEY(kSatTree, ExpandSatPredef3),
    VQ_KEY(kTpTree, ExpandTPGeneral),
    VQ_KEY(kTpTree, ExpandTPSatellite),
    VQ_KEY(kChanTree, ExpandChanGeneral),
    VQ_KEY(kChanTree, ExpandChanIDs),
    VQ_KEY(kChanTree, ExpandChanAudio),
    VQ_KEY(kChanTree, ExpandChanAudioTrack1),
    VQ_KEY(kChanTree, ExpandChanAudioTrack2),
    VQ_KEY(kChanTree, ExpandChanAudioTrack3),
    VQ_KEY(kChanTree, ExpandChanAudioTrack4),
    VQ_KEY(kChanTree, ExpandChanAudioTrack5),
    VQ_KEY(kChanTree, ExpandChanAudioTrack6),
    VQ_KEY(kChanTree, ExpandChanAudioAC3Track),
    VQ_KEY(kChanTree, ExpandChanFavorites),
    VQ_KEY(kChanTree, ExpandChanTransponder),
    VQ_KEY(kChanTree, ExpandChanSatellite),
    VQ_KEY(kSettTree, ExpandSettTimer1),
    VQ_KEY(kSettTree, ExpandSettTimer2),
    VQ_KEY(kSettTree, ExpandSettTimer3),
    VQ_KEY(kSettTree, ExpandSettTimer4),
    VQ_KEY(kSettTree, ExpandSettTimer5),
    VQ_KEY(kSettTree, ExpandSettTimer6),
    VQ_KEY(kSettTree, ExpandSettTimer7),
    VQ_KEY(kSettTree, ExpandSettTimer8),
    VQ_KEY(kLayout, CurrentTab, Range::kSigned, 0, 3, 0),
    VQ_KEY(kLayout, CurrentSettingsItem, Range::kSigned, 0, 8, 0),
    VQ_KEY(kBackups, BackupCount, Range::kSigned, 0, 1000, 50),
    VQ_KEY(kBackups, BackupBeforeUsbWrite, Range::kSigned, 0, 1, 1),
};

#undef VQ_KEY

int32_t Repair(const Key& key, int32_t value) {
  switch (key.range) {
    case Range::kAny:
      return value;
    case Range::kByte:
      return value & 0xFF;
    case Range::kSigned:
      return value < key.low || value > key.high ? key.repair : value;
    case Range::kUnsigned: {
      const auto v = static_cast<uint32_t>(value);
      const bool inside = v >= static_cast<uint32_t>(key.low) && v <= static_cast<uint32_t>(key.high);
      return inside ? value : key.repair;
    }
  }
  return value;
}

}  // namespace

EditorConfig LoadEditorConfig(const ProfileReader& read) {
  const EditorConfig defaults;
  EditorConfig config;
  for (const Key& key : kKeys) {
    const std::optional<int32_t> value = read(key.section, key.name);
    config.*key.field = value ? Repair(key, *value) : defaults.*key.field;
  }
  return config;
}

void StoreEditorConfig(const EditorConfig& config, const ProfileWriter& write) {
  for (const Key& key : kKeys) write(key.section, key.name, config.*key.field);
}

}  // namespace vq
