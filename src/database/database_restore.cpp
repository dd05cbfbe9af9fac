// Putting back a whole database state captured earlier.
#include <algorithm>
#include <array>

#include "database/settings_database.h"

namespace vq {
namespace {

// RebuildIndex fails when a satellite number or an LNB's satellite number is
// 64 or more or names a node twice; checked before anything is copied.
bool NumbersFormNodes(std::span<const uint8_t> satelliteTable, std::span<const uint8_t> lnbTable) {
  // The record views need writable bytes; private copies keep the state as given.
  std::vector<uint8_t> satellites(satelliteTable.begin(), satelliteTable.end());
  std::vector<uint8_t> lnbs(lnbTable.begin(), lnbTable.end());
  std::array<bool, kSatelliteCount> satelliteTaken{};
  std::array<bool, kSatelliteCount> lnbTaken{};
  auto take = [](std::array<bool, kSatelliteCount>& taken, int k) {
    if (k >= kSatelliteCount || taken[static_cast<size_t>(k)]) return false;
    taken[static_cast<size_t>(k)] = true;
    return true;
  };
  for (size_t i = 0; i < kSatelliteCount; ++i) {
    if (!take(satelliteTaken, SatelliteRecord(&satellites[i * kSatelliteRecordSize]).GetNumber()))
      return false;
    if (!take(lnbTaken, LnbRecord(&lnbs[i * kLnbRecordSize]).GetSatelliteNumber())) return false;
  }
  return true;
}

}  // namespace

bool SettingsDatabase::RestoreTables(const TableState& state) {
  if (state.model != kModelFtaCi && state.model != kModelPvr && state.model != kModelNone)
    return false;
  if (state.config.size() != config_.size() || state.satellites.size() != satellites_.size() ||
      state.lnbs.size() != lnbs_.size() || state.transponders.size() != transponders_.size() ||
      state.channels.size() != channels_.size())
    return false;
  if (!NumbersFormNodes(state.satellites, state.lnbs)) return false;

  model_ = state.model;
  extendedConfig_ = state.extendedConfig;
  std::copy(state.satellites.begin(), state.satellites.end(), satellites_.begin());
  std::copy(state.lnbs.begin(), state.lnbs.end(), lnbs_.begin());
  std::copy(state.transponders.begin(), state.transponders.end(), transponders_.begin());
  std::copy(state.channels.begin(), state.channels.end(), channels_.begin());
  RebuildIndex();
  // The rebuild recomputes the hints; the state's own values are put back.
  std::copy(state.config.begin(), state.config.end(), config_.begin());
  return true;
}

}  // namespace vq
