#include "interchange/satellite_placement.h"

#include "database/position_text.h"
#include "database/settings_database.h"

namespace vq {

bool IsFreeSatelliteSlot(const SatelliteNode& satellite) {
  if (!satellite.HasSatellite() || satellite.GetTransponderCount() > 0) return false;
  const std::string name = satellite.GetName();
  return name.size() == 11 && name.compare(0, 9, "Satellite") == 0 && name[9] >= '0' &&
         name[9] <= '9' && name[10] >= '0' && name[10] <= '9';
}

SatelliteNode* SatelliteAtPosition(const SettingsDatabase& db, int16_t position) {
  for (int n = 0; n < db.GetSatelliteCount(); ++n) {
    SatelliteNode* node = db.GetSatelliteNode(n);
    if (node && node->HasSatellite() && !IsFreeSatelliteSlot(*node) &&
        node->Satellite().GetPosition() == position)
      return node;
  }
  return nullptr;
}

SatelliteNode* FreeSatelliteSlot(const SettingsDatabase& db) {
  for (int n = 0; n < db.GetSatelliteCount(); ++n) {
    SatelliteNode* node = db.GetSatelliteNode(n);
    if (node && IsFreeSatelliteSlot(*node)) return node;
  }
  return nullptr;
}

std::string SatelliteNameAt(int16_t position) { return "Sat " + EastWestPositionText(position); }

void ClaimSatelliteSlot(SatelliteNode& slot, int16_t position) {
  slot.SetName(SatelliteNameAt(position));
  slot.Satellite().SetPosition(position);
}

SatelliteNode* PlaceSatellite(SettingsDatabase& db, int16_t position, bool& claimed) {
  claimed = false;
  if (SatelliteNode* found = SatelliteAtPosition(db, position)) return found;
  SatelliteNode* slot = FreeSatelliteSlot(db);
  if (!slot) return nullptr;
  ClaimSatelliteSlot(*slot, position);
  claimed = true;
  return slot;
}

}  // namespace vq
