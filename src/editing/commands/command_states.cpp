#include "editing/commands/command_states.h"

#include <algorithm>

#include "database/settings_database.h"
#include "editing/commands/command_frame.h"

namespace vq {
namespace {

bool CanAddToFavorites(EditingView& view, const SettingsDatabase& db) {
  const int g = view.SelectedFavoriteGroup();
  if (view.State().ShowsFavoriteGroup() || g < 0 || g >= kFavoriteGroupCount ||
      db.CountFavoriteMembers(g) >= ChannelRecord::kFavoriteGroupCapacity)
    return false;
  return std::ranges::any_of(SelectedChannels(view, EditList::kChannels),
                             [g](const ChannelNode* c) {
                               const ChannelRecord record = c->Record();
                               return record.GetType() != kData && record.GetFavoritePlace(g) == 0;
                             });
}

}  // namespace

CommandStates EvaluateCommandStates(EditingView& view) {
  const SettingsDatabase& db = view.Database();
  CommandStates s;
  if (db.GetModel() == kModelNone) return s;
  const ListState& state = view.State();
  const size_t channels = view.SelectedRows(EditList::kChannels).size();
  const size_t transponders = view.SelectedRows(EditList::kTransponders).size();
  s.addChannel = !state.ShowsFavoriteGroup();
  s.removeChannels = channels > 0;
  s.removeAllChannels = true;
  s.addToFavorites = CanAddToFavorites(view, db);
  s.moveChannels = channels > 0;
  s.oneChannel = channels == 1;
  s.addOnSameTransponder = s.oneChannel && s.addChannel;
  s.addTransponder = true;
  s.removeTransponders = transponders > 0;
  s.removeAllTransponders = true;
  s.clearChannels = transponders > 0;
  s.oneTransponder = transponders == 1;
  s.addOnSameSatellite = s.oneTransponder;
  s.sendTo = transponders > 0;
  s.clearTransponders = !view.SelectedRows(EditList::kSatellites).empty();
  s.removeFavorites = !view.SelectedRows(EditList::kFavorites).empty();
  s.removeAllFavorites = view.RowCount(EditList::kFavorites) > 0;
  s.deleteDataChannels = db.CountChannels(kData) > 0;
  s.deleteEmptyTransponders = db.GetEmptyTransponderTotal() > 0;
  s.switchModel = true;
  return s;
}

}  // namespace vq
