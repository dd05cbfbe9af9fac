#pragma once
/// @file
/// Where the satellites of a list land in the database's 64 satellite slots.

#include <cstdint>
#include <string>

namespace vq {

class SatelliteNode;
class SettingsDatabase;

/// A slot nobody has set up: no transponders and still the name a reset
/// gives ("Satellite" and two digits).
bool IsFreeSatelliteSlot(const SatelliteNode& satellite);

/// The lowest-numbered satellite at `position` (tenths, east positive) that
/// is not a free slot; null when there is none.
SatelliteNode* SatelliteAtPosition(const SettingsDatabase& db, int16_t position);

/// The lowest-numbered free slot; null when every slot is taken.
SatelliteNode* FreeSatelliteSlot(const SettingsDatabase& db);

/// The name a free slot gets for an orbital position: "Sat 19.2E".
std::string SatelliteNameAt(int16_t position);

/// A free slot takes the orbital position and the name made from it.
void ClaimSatelliteSlot(SatelliteNode& slot, int16_t position);

/// The satellite at `position`, else the lowest free slot, which takes the
/// position and its name (`claimed` is then set). Null when neither exists.
SatelliteNode* PlaceSatellite(SettingsDatabase& db, int16_t position, bool& claimed);

}  // namespace vq
