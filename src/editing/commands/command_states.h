#pragma once
/// @file
/// When each editing command of the main view is enabled.

namespace vq {

class EditingView;

/// The enabled state of every editing button and menu entry, from the list
/// state, the selections and the database.
struct CommandStates {
  bool addChannel = false;            ///< "Add New" (channel tab)
  bool removeChannels = false;        ///< "Remove Selected"
  bool removeAllChannels = false;     ///< "Remove All"
  bool addToFavorites = false;        ///< "Add To Favorites"
  bool moveChannels = false;          ///< "Move Up", "Move Down"
  bool addOnSameTransponder = false;  ///< channel context menu
  bool oneChannel = false;            ///< "Switch to transponder" / "satellite"
  bool addTransponder = false;        ///< "Add New" (transponder tab)
  bool removeTransponders = false;
  bool removeAllTransponders = false;
  bool clearChannels = false;       ///< "Clear All Channels"
  bool addOnSameSatellite = false;  ///< transponder context menu
  bool oneTransponder = false;      ///< "Switch to satellite"
  bool sendTo = false;              ///< "Send to" sub-menu
  bool clearTransponders = false;   ///< "Clear All Transponders && All Channels"
  bool removeFavorites = false;     ///< "Remove" under the favourites list
  bool removeAllFavorites = false;  ///< "Remove All" under the favourites list
  bool deleteDataChannels = false;
  bool deleteEmptyTransponders = false;
  bool switchModel = false;
};

CommandStates EvaluateCommandStates(EditingView& view);

}  // namespace vq
