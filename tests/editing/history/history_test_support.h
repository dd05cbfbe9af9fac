#pragma once
// What the history tests compare: the whole state of a database (tables,
// configuration, model), the shape of its index and its saved image, and a
// fake view put back the way the window does after undo and redo.

#include <cstdint>
#include <string>
#include <vector>

#include "../fake_editing_view.h"
#include "database/settings_database.h"
#include "editing/history/database_state.h"
#include "editing/history/view_snapshot.h"
#include "support/database_builder.h"

namespace vq::test {

// Every node with its records' table slots, in node order.
inline std::vector<int> IndexShape(const SettingsDatabase& db) {
  std::vector<int> shape;
  for (int n = 0; n < db.GetSatelliteCount(); ++n) {
    const SatelliteNode* s = db.GetSatelliteNode(n);
    shape.insert(shape.end(), {-1, s->GetTableIndex(), s->GetLnbTableIndex()});
    for (int t = 0; t < s->GetTransponderCount(); ++t) {
      const TransponderNode* transponder = s->GetTransponder(t);
      shape.insert(shape.end(), {-2, transponder->GetTableIndex()});
      for (int c = 0; c < transponder->GetChannelCount(); ++c)
        shape.push_back(transponder->GetChannel(c)->GetTableIndex());
    }
  }
  return shape;
}

// Everything a database is, for byte-for-byte comparisons.
struct DatabaseFingerprint {
  std::vector<uint8_t> state;
  std::vector<int> index;
  bool operator==(const DatabaseFingerprint&) const = default;
};

inline DatabaseFingerprint Fingerprint(const SettingsDatabase& db) {
  return {CaptureDatabaseState(db), IndexShape(db)};
}

// The image Save would write; the database is copied first because saving
// names the LNB records after their satellites.
inline std::vector<uint8_t> SavedImage(const SettingsDatabase& db) {
  SettingsDatabase copy(FixedClock);
  RestoreDatabaseState(copy, CaptureDatabaseState(db));
  std::vector<uint8_t> image;
  copy.GetSettings(image);
  return image;
}

// What the window does with a restored view state: show the tab and the
// sources, refill every list, reselect the records.
inline void ApplyViewState(FakeView& view, const std::vector<uint8_t>& bytes) {
  const std::optional<ViewSnapshot> snapshot = DecodeViewSnapshot(bytes);
  if (snapshot) {
    view.state.currentTab = snapshot->tab;
    view.state.channelListSource = snapshot->channelListSource;
    view.state.shownChannelType = snapshot->shownChannelType;
    view.state.transponderListSatellite = snapshot->transponderListSatellite;
    view.favoriteGroup = snapshot->favoriteGroup;
  }
  view.RefillAll();
  if (snapshot) SelectSnapshotRows(view, *snapshot);
}

}  // namespace vq::test
