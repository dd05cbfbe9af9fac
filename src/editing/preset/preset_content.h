#pragma once
// What a preset file carries, decoded: the receiver model, the format
// version, the antenna and satellite settings of satellite numbers 0, 1, ...
// and the transponders in file order. Channels and the receiver
// configuration are never part of a preset.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "database/settings_database.h"

namespace vq {

/// LNB settings of one satellite number (antenna record).
struct PresetAntenna {
  uint16_t highOscillator = 0;
  uint16_t lowOscillator = 0;
  uint8_t type = 0;       ///< 0 single, 1 universal
  uint8_t tone22kHz = 0;  ///< 1 on
  uint8_t output12V = 0;  ///< 1 on
  std::string name;       ///< written on export, not read back
};

/// One predefined test channel of a satellite.
struct PresetPredefinedChannel {
  uint16_t frequency = 0;
  uint16_t symbolRate = 0;
  uint16_t polarization = 0;
  uint16_t videoPid = 0;
  uint16_t audioPid = 0;
  uint16_t pcrPid = 0;
  std::string name;  ///< at most 20 characters
};

/// Satellite settings of one satellite number (satellite record).
struct PresetSatellite {
  std::string name;  ///< at most 14 characters
  uint8_t motorIndex = 0;
  int16_t position = 0;  ///< tenths of a degree, east positive
  std::array<PresetPredefinedChannel, 3> predefined{};
};

/// One transponder (transponder record); `satellite` is a satellite number.
struct PresetTransponder {
  uint16_t frequency = 0;
  uint16_t symbolRate = 0;
  uint8_t satellite = 0;
  uint8_t fec = 0;
  uint8_t polarization = 0;
};

/// The decoded preset. Index i of `antennas` and `satellites` belongs to
/// satellite number i; both hold at most 64 entries.
struct PresetContent {
  int32_t model = kModelFtaCi;
  uint32_t version = 6;
  std::vector<PresetAntenna> antennas;
  std::vector<PresetSatellite> satellites;
  std::vector<PresetTransponder> transponders;
};

/// Gathers the preset of `db`: all 64 satellites with their LNB settings, and
/// the transponders of satellite numbers 0..63 in turn, each satellite's in
/// the order of their positions. The model is the database's.
PresetContent CollectPresetContent(const SettingsDatabase& db);

}  // namespace vq
