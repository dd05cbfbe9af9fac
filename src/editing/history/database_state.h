#pragma once
/// @file
/// A database's whole state as one flat byte buffer: the model, the extended
/// configuration flag, the configuration record (with the allocation hints
/// and favourite group names) and the satellite, LNB, transponder and channel
/// tables. Favourite membership, numbers and links live in the records, so
/// two databases with equal states save identical images and rebuild equal
/// indexes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "database/settings_database.h"

namespace vq {

/// One part of the flat state and where it starts.
struct StatePart {
  size_t offset = 0;
  std::span<const uint8_t> bytes;
};

/// The parts of a database's state read in place, in flat order: an 8-byte
/// header (model and extended flag, little-endian), the configuration record
/// and the four tables. Valid while the database is not changed.
class DatabaseStateParts {
 public:
  static constexpr size_t kHeaderSize = 8;
  static constexpr size_t kPartCount = 6;

  explicit DatabaseStateParts(const SettingsDatabase& db);
  DatabaseStateParts(const DatabaseStateParts&) = delete;
  DatabaseStateParts& operator=(const DatabaseStateParts&) = delete;
  ~DatabaseStateParts() = default;

  const std::array<StatePart, kPartCount>& Parts() const { return parts_; }

 private:
  std::array<uint8_t, kHeaderSize> header_{};
  std::array<StatePart, kPartCount> parts_;
};

/// Size of every flat state (the channel table at its full 8192 records).
inline constexpr size_t kDatabaseStateSize =
    DatabaseStateParts::kHeaderSize + kConfigRecordSize + kSatelliteTableSize + kLnbTableSize +
    kTransponderTableSize + static_cast<size_t>(kChannelCapacityModel1) * kChannelRecordSize;

std::vector<uint8_t> CaptureDatabaseState(const SettingsDatabase& db);
/// True when the database holds exactly `state`.
bool DatabaseMatchesState(const SettingsDatabase& db, std::span<const uint8_t> state);
/// Loads `state` into the database and rebuilds its index; false, with the
/// database unchanged, for a state of the wrong size or one whose satellite
/// numbers cannot form the index.
bool RestoreDatabaseState(SettingsDatabase& db, std::span<const uint8_t> state);

}  // namespace vq
