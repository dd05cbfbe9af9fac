#pragma once
/// @file
/// Moving transponders, with their channels, to another satellite.

#include <vector>

namespace vq {

class EditingView;
class SatelliteNode;
class SettingsDatabase;
class TransponderNode;

/// Relinks each transponder (null entries and those already there are
/// skipped) to `target`: satellite key, place at the end of the target's
/// transponders, and its channels' satellite keys and places (appended per
/// type). Places on the satellites they leave close up. Transponder numbers,
/// channel numbers and favourites are unchanged. Returns how many moved.
int SendTranspondersToSatellite(SettingsDatabase& db, const std::vector<TransponderNode*>& list,
                                SatelliteNode* target);

/// "Send to" of the transponder context menu: the selected transponders go
/// to the satellite with number `satellite`.
void SendSelectedTransponders(EditingView& view, int satellite);

}  // namespace vq
