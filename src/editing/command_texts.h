#pragma once
/// @file
/// Status texts and messages of the editing commands, exactly as shown.

#include "common/text_translation.h"

namespace vq::texts {

inline constexpr const char* kPleaseWait = "Please wait ...";
inline constexpr const char* kReady = "Ready!";

inline constexpr const char* kNoTransponders =
    "There are no transponders.\n\nPlease first add transponder!";
inline constexpr const char* kNoChannelSpace =
    "No channel space left.\n\nPlease remove some unused ones.";
inline constexpr const char* kNoTransponderSpace =
    "No transponder space left.\n\nPlease remove some unused ones.";

inline constexpr const char* kChannelAdded = "New channel added!";
inline constexpr const char* kRemovingChannel = "Removing selected channel ...";
inline constexpr const char* kRemovingChannels = "Removing selected channels ...";
inline constexpr const char* kRemovedChannel = "Removed 1 channel!";
inline constexpr const char* kRemovedChannels = "Removed %d channels!";
inline constexpr const char* kRemovingAllChannels = "Removing all channels ...";
inline constexpr const char* kRemovedAllChannels = "Removed all channels(%d)!";
inline constexpr const char* kClearingChannels = "Clearing chanels ...";

inline constexpr const char* kTransponderName = "USER";
inline constexpr const char* kTransponderAdded = "Added new transponder!";
inline constexpr const char* kRemovingTransponder = "Removing selected transponder ...";
inline constexpr const char* kRemovingTransponders = "Removing selected transponders ...";
inline constexpr const char* kRemovedTransponder = "Removed 1 transponder!";
inline constexpr const char* kRemovedTransponders = "Removed %d transponders!";
inline constexpr const char* kRemovingAllTransponders = "Removing all transponders ...";
inline constexpr const char* kRemovedAllTransponders = "Removed all transponders(%d)!";
inline constexpr const char* kClearingTransponders = "Clearing transponders and channel s...";
inline constexpr const char* kRemovingDataChannels = "Removing all data channels ...";
inline constexpr const char* kRemovedDataChannels = "Removed all data channels(%d)!";
inline constexpr const char* kRemovingEmptyTransponders = "Removing all empty transponders ...";
inline constexpr const char* kRemovedEmptyTransponders = "Removed all empty transponders(%d)!";

inline constexpr const char* kAddingFavorites = "Adding channels to favorite folder ...";
inline constexpr const char* kRemovingFavorites =
    "Removing selected channels from favorites folder ...";
inline constexpr const char* kRemovingAllFavorites =
    "Removing all channels from favorite folder ...";
inline constexpr const char* kGroupFullList =
    "Favorite list %s is full!\nLast %d channels were not added!";
inline constexpr const char* kGroupFullChannel =
    "Favorite list %s is full!\nChannel %s was not added!";

inline constexpr const char* kSaveChanges = VQ_TRANSLATE_NOOP("CoreText", "Save changes?");
inline constexpr const char* kSavingChannels =
    VQ_TRANSLATE_NOOP("CoreText", "Saving channel changes ...");
inline constexpr const char* kSavedChannels =
    VQ_TRANSLATE_NOOP("CoreText", "Saved channels changes!");

inline constexpr const char* kSwitchingModel = "Switching model ...";
inline constexpr const char* kConfirmTitle = VQ_TRANSLATE_NOOP("CoreText", "Confirm");
inline constexpr const char* kAskDropChannels =
    "%d last channels from the structure will be removed(randomly). Are you sure?\n\nYou can "
    "press No and remove unnecessry ones manually and then switch again.";
inline constexpr const char* kModelNotSwitched = "Model not switched!";
inline constexpr const char* kSwitchedToFta = "Model switched to FTA/CI!";
inline constexpr const char* kSwitchedToPvr = "Model switched to PVR!";

}  // namespace vq::texts
