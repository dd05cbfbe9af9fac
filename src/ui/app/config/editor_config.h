#pragma once
// The editor's own settings: one record of integers with a profile key,
// section, default and valid range for each field, and the text naming the
// source of the scan tables.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vq {

/// The editor configuration, read from the profile at start and written at
/// exit. Fields keep the order and names of their profile keys; after
/// LoadEditorConfig every ranged field holds a value inside its range.
struct EditorConfig {
  int32_t PostEditAction = 0;         // 0 ask, 1 save automatically, 2 save manually
  int32_t ColapseAfterSelection = 1;
  int32_t DefaultNetworkEnabled = 0;
  int32_t AutoSave = 0;
  int32_t ChanPastingModeNoSat = 0;   // 0 ask, 1 skip, 2 select satellite, 3 select transponder
  int32_t ChanPastingModeNoTp = 0;    // 0 ask, 1 skip, 2 select transponder, 3 create transponder
  int32_t TPPastingModeNoSat = 0;     // 0 ask, 1 skip, 2 select satellite
  int32_t Port = 0;                   // serial port n + 1
  int32_t Bitrate = 11;               // index into serial::kLineSpeeds
  int32_t DataBits = 0;               // data bits less 5
  int32_t ParityBit = 0;              // none, odd, even, mark, space
  int32_t StopBit = 0;                // 1, 1.5, 2
  int32_t FlowCtrl = 0;               // one byte: bit 0 DTR/DSR, 1 RTS/CTS, 2 XON/XOFF
  int32_t Timeout = 3000;             // milliseconds
  int32_t ExpandSatGeneral = 0, ExpandSatLNB = 0, ExpandSatLNBType = 0, ExpandSatSwitch = 0,
          ExpandSatTone = 0, ExpandSatMotor = 0, ExpandSatMotorType = 0, ExpandSatPredef1 = 0,
          ExpandSatPredef2 = 0, ExpandSatPredef3 = 0;
  int32_t ExpandTPGeneral = 0, ExpandTPSatellite = 0;
  int32_t ExpandChanGeneral = 0, ExpandChanIDs = 0, ExpandChanAudio = 0,
          ExpandChanAudioTrack1 = 0, ExpandChanAudioTrack2 = 0, ExpandChanAudioTrack3 = 0,
          ExpandChanAudioTrack4 = 0, ExpandChanAudioTrack5 = 0, ExpandChanAudioTrack6 = 0,
          ExpandChanAudioAC3Track = 0, ExpandChanFavorites = 0, ExpandChanTransponder = 0,
          ExpandChanSatellite = 0;
  int32_t ExpandSettTimer1 = 0, ExpandSettTimer2 = 0, ExpandSettTimer3 = 0, ExpandSettTimer4 = 0,
          ExpandSettTimer5 = 0, ExpandSettTimer6 = 0, ExpandSettTimer7 = 0, ExpandSettTimer8 = 0;
  int32_t CurrentTab = 0;             // 0 channels, 1 transponders, 2 satellites, 3 settings
  int32_t CurrentSettingsItem = 0;    // receiver-settings category 0..8
  int32_t BackupCount = 50;           // backups kept of overwritten images, 0 none
  int32_t BackupBeforeUsbWrite = 1;   // Save to USB reads the receiver's image into the backups
  /// Where "Update channels from internet" reads the scan tables: a folder
  /// or a base URL; empty for the public collection. Read and written by the
  /// profile store, not by LoadEditorConfig and StoreEditorConfig.
  std::string ScanTableSource;
  /// Enables "Open from COM" and "Save to COM" for a receiver on a serial
  /// line (off: both stay disabled). Read and written by the profile store.
  int32_t ComCommandsEnabled = 0;

  bool operator==(const EditorConfig&) const = default;
};

/// Reads one integer by section and key; nothing when the key is absent or
/// its value is not an integer.
using ProfileReader =
    std::function<std::optional<int32_t>(std::string_view section, std::string_view key)>;
using ProfileWriter =
    std::function<void(std::string_view section, std::string_view key, int32_t value)>;

/// Reads every key in field order; an absent key gives its default, and a
/// value outside its range is repaired right after it is read.
EditorConfig LoadEditorConfig(const ProfileReader& read);
/// Writes every field under its key in field order.
void StoreEditorConfig(const EditorConfig& config, const ProfileWriter& write);

}  // namespace vq
