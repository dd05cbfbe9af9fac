#pragma once
/// @file
/// Status texts and messages of the editing commands, exactly as shown.

#include "common/text_translation.h"

namespace vq::texts {

inline constexpr const char* kPleaseWait = VQ_TRANSLATE_NOOP("CoreText", "Please wait ...");
inline constexpr const char* kReady = VQ_TRANSLATE_NOOP("CoreText", "Ready!");

inline constexpr const char* kNoTransponders =
    VQ_TRANSLATE_NOOP("CoreText", "There are no transponders.\n\nPlease first add transponder!");
inline constexpr const char* kNoChannelSpace =
    VQ_TRANSLATE_NOOP("CoreText", "No channel space left.\n\nPlease remove some unused ones.");
inline constexpr const char* kNoTransponderSpace =
    VQ_TRANSLATE_NOOP("CoreText", "No transponder space left.\n\nPlease remove some unused ones.");

inline constexpr const char* kChannelAdded = VQ_TRANSLATE_NOOP("CoreText", "New channel added!");
inline constexpr const char* kRemovingChannel =
    VQ_TRANSLATE_NOOP("CoreText", "Removing selected channel ...");
inline constexpr const char* kRemovingChannels =
    VQ_TRANSLATE_NOOP("CoreText", "Removing selected channels ...");
inline constexpr const char* kRemovedChannel = VQ_TRANSLATE_NOOP("CoreText", "Removed 1 channel!");
inline constexpr const char* kRemovedChannels =
    VQ_TRANSLATE_NOOP("CoreText", "Removed %d channels!");
inline constexpr const char* kRemovingAllChannels =
    VQ_TRANSLATE_NOOP("CoreText", "Removing all channels ...");
inline constexpr const char* kRemovedAllChannels =
    VQ_TRANSLATE_NOOP("CoreText", "Removed all channels(%d)!");
inline constexpr const char* kClearingChannels =
    VQ_TRANSLATE_NOOP("CoreText", "Clearing chanels ...");

/// The name of a new transponder: record data, never translated.
inline constexpr const char* kTransponderName = "USER";
inline constexpr const char* kTransponderAdded =
    VQ_TRANSLATE_NOOP("CoreText", "Added new transponder!");
inline constexpr const char* kRemovingTransponder =
    VQ_TRANSLATE_NOOP("CoreText", "Removing selected transponder ...");
inline constexpr const char* kRemovingTransponders =
    VQ_TRANSLATE_NOOP("CoreText", "Removing selected transponders ...");
inline constexpr const char* kRemovedTransponder =
    VQ_TRANSLATE_NOOP("CoreText", "Removed 1 transponder!");
inline constexpr const char* kRemovedTransponders =
    VQ_TRANSLATE_NOOP("CoreText", "Removed %d transponders!");
inline constexpr const char* kRemovingAllTransponders =
    VQ_TRANSLATE_NOOP("CoreText", "Removing all transponders ...");
inline constexpr const char* kRemovedAllTransponders =
    VQ_TRANSLATE_NOOP("CoreText", "Removed all transponders(%d)!");
inline constexpr const char* kClearingTransponders =
    VQ_TRANSLATE_NOOP("CoreText", "Clearing transponders and channel s...");
inline constexpr const char* kRemovingDataChannels =
    VQ_TRANSLATE_NOOP("CoreText", "Removing all data channels ...");
inline constexpr const char* kRemovedDataChannels =
    VQ_TRANSLATE_NOOP("CoreText", "Removed all data channels(%d)!");
inline constexpr const char* kRemovingEmptyTransponders =
    VQ_TRANSLATE_NOOP("CoreText", "Removing all empty transponders ...");
inline constexpr const char* kRemovedEmptyTransponders =
    VQ_TRANSLATE_NOOP("CoreText", "Removed all empty transponders(%d)!");

inline constexpr const char* kAddingFavorites =
    VQ_TRANSLATE_NOOP("CoreText", "Adding channels to favorite folder ...");
inline constexpr const char* kRemovingFavorites =
    VQ_TRANSLATE_NOOP("CoreText", "Removing selected channels from favorites folder ...");
inline constexpr const char* kRemovingAllFavorites =
    VQ_TRANSLATE_NOOP("CoreText", "Removing all channels from favorite folder ...");
inline constexpr const char* kGroupFullList =
    VQ_TRANSLATE_NOOP("CoreText", "Favorite list %s is full!\nLast %d channels were not added!");
inline constexpr const char* kGroupFullChannel =
    VQ_TRANSLATE_NOOP("CoreText", "Favorite list %s is full!\nChannel %s was not added!");

inline constexpr const char* kSaveChanges = VQ_TRANSLATE_NOOP("CoreText", "Save changes?");
inline constexpr const char* kSavingChannels =
    VQ_TRANSLATE_NOOP("CoreText", "Saving channel changes ...");
inline constexpr const char* kSavedChannels =
    VQ_TRANSLATE_NOOP("CoreText", "Saved channels changes!");

inline constexpr const char* kSwitchingModel = VQ_TRANSLATE_NOOP("CoreText", "Switching model ...");
inline constexpr const char* kConfirmTitle = VQ_TRANSLATE_NOOP("CoreText", "Confirm");
inline constexpr const char* kAskDropChannels = VQ_TRANSLATE_NOOP(
    "CoreText",
    "%d last channels from the structure will be removed(randomly). Are you sure?\n\nYou can "
    "press No and remove unnecessry ones manually and then switch again.");
inline constexpr const char* kModelNotSwitched =
    VQ_TRANSLATE_NOOP("CoreText", "Model not switched!");
inline constexpr const char* kSwitchedToFta =
    VQ_TRANSLATE_NOOP("CoreText", "Model switched to FTA/CI!");
inline constexpr const char* kSwitchedToPvr =
    VQ_TRANSLATE_NOOP("CoreText", "Model switched to PVR!");

}  // namespace vq::texts
