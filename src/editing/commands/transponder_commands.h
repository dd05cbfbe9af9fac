#pragma once
/// @file
/// Adding and removing transponders, and the bulk purges of the
/// "Special Actions" menu.

namespace vq {

class EditingView;
class Prompter;
class SatelliteNode;
class TransponderNode;

/// Adds one transponder to `satellite`; when it is null, to the satellite
/// the transponder list is filtered to, or to one the user chooses. Null when
/// the user cancelled or no slot is free (the user is told).
TransponderNode* AddTransponderToSatellite(EditingView& view, Prompter& prompter,
                                           SatelliteNode* satellite);

/// "Add New" of the transponder tab: a transponder named "USER", selected.
void AddNewTransponder(EditingView& view, Prompter& prompter);
/// "Add new on same satellite": on the satellite of the one selected
/// transponder, without a dialog.
void AddNewTransponderOnSameSatellite(EditingView& view, Prompter& prompter);

/// "Remove Selected" / "Remove All" of the transponder tab; their channels go
/// with them.
void RemoveSelectedTransponders(EditingView& view);
void RemoveAllTransponders(EditingView& view);
/// "Clear All Transponders && All Channels" of the satellite tab.
void ClearAllTransponders(EditingView& view);

/// "Delete all data channels" and "Delete all empty transponders".
void DeleteAllDataChannels(EditingView& view);
void DeleteAllEmptyTransponders(EditingView& view);

}  // namespace vq
