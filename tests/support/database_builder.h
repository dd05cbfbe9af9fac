#pragma once
// Test helpers that build databases with a fixed clock and simple content.

#include <memory>
#include <vector>

#include "database/settings_database.h"

namespace vq::test {

inline LocalDateTime FixedClock() { return LocalDateTime{2026, 12, 6, 9, 30, 7}; }

inline std::unique_ptr<SettingsDatabase> MakeDatabase(int32_t model) {
  auto db = std::make_unique<SettingsDatabase>(FixedClock);
  db->ResetToDefaults(model, true);
  return db;
}

// Saves `db` to an image and loads it into a fresh database of the same
// model; null when saving or loading fails.
inline std::unique_ptr<SettingsDatabase> Reloaded(SettingsDatabase& db) {
  std::vector<uint8_t> image;
  if (!db.GetSettings(image)) return nullptr;
  auto loaded = MakeDatabase(db.GetModel());
  if (!loaded->LoadImage(image)) return nullptr;
  return loaded;
}

// Adds `count` transponders to satellite `satellite` and returns them.
inline std::vector<TransponderNode*> AddTransponders(SettingsDatabase& db, int satellite,
                                                     int count) {
  std::vector<TransponderNode*> added;
  for (int i = 0; i < count; ++i) {
    TransponderNode* t = nullptr;
    if (!db.AddTransponder(db.GetSatelliteNode(satellite), &t)) break;
    t->Record().SetFrequency(static_cast<uint16_t>(10700 + 10 * i));
    added.push_back(t);
  }
  return added;
}

inline std::vector<ChannelNode*> AddChannels(SettingsDatabase& db, TransponderNode* transponder,
                                             int type, int count) {
  std::vector<ChannelNode*> added;
  for (int i = 0; i < count; ++i) {
    ChannelNode* c = nullptr;
    if (!db.AddChannel(transponder, type, &c)) break;
    added.push_back(c);
  }
  return added;
}

}  // namespace vq::test
