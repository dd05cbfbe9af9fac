#include "editing/history/database_state.h"

#include <algorithm>

#include "common/byte_io.h"

namespace vq {

DatabaseStateParts::DatabaseStateParts(const SettingsDatabase& db) {
  WriteU32LE(header_.data(), static_cast<uint32_t>(db.GetModel()));
  WriteU32LE(header_.data() + 4, db.GetExtendedConfig());
  const std::array<std::span<const uint8_t>, kPartCount> spans = {
      std::span<const uint8_t>(header_),
      std::span<const uint8_t>(db.GetConfigBytes(), kConfigRecordSize),
      db.SatelliteTable(),
      db.LnbTable(),
      db.TransponderTable(),
      db.ChannelTable()};
  size_t offset = 0;
  for (size_t i = 0; i < kPartCount; ++i) {
    parts_[i] = {offset, spans[i]};
    offset += spans[i].size();
  }
}

std::vector<uint8_t> CaptureDatabaseState(const SettingsDatabase& db) {
  std::vector<uint8_t> state(kDatabaseStateSize);
  const DatabaseStateParts parts(db);
  for (const StatePart& part : parts.Parts())
    std::copy(part.bytes.begin(), part.bytes.end(), state.begin() + static_cast<long>(part.offset));
  return state;
}

bool DatabaseMatchesState(const SettingsDatabase& db, std::span<const uint8_t> state) {
  if (state.size() != kDatabaseStateSize) return false;
  const DatabaseStateParts parts(db);
  return std::ranges::all_of(parts.Parts(), [state](const StatePart& part) {
    return std::equal(part.bytes.begin(), part.bytes.end(),
                      state.begin() + static_cast<long>(part.offset));
  });
}

bool RestoreDatabaseState(SettingsDatabase& db, std::span<const uint8_t> state) {
  if (state.size() != kDatabaseStateSize) return false;
  // The parts of the database give the offsets; their sizes never change.
  const DatabaseStateParts layout(db);
  const auto& parts = layout.Parts();
  auto slice = [&](size_t i) { return state.subspan(parts[i].offset, parts[i].bytes.size()); };
  SettingsDatabase::TableState tables;
  tables.model = static_cast<int32_t>(ReadU32LE(state.data()));
  tables.extendedConfig = ReadU32LE(state.data() + 4);
  tables.config = slice(1);
  tables.satellites = slice(2);
  tables.lnbs = slice(3);
  tables.transponders = slice(4);
  tables.channels = slice(5);
  return db.RestoreTables(tables);
}

}  // namespace vq
