#pragma once
/// @file
/// The right-click menus of the four lists.

#include <map>

class QAction;
class QMenu;
class QWidget;

namespace vq {

class SettingsDatabase;

/// The entries of the context menus, named by what they do so that the view
/// wires them by identity, whatever their texts say.
enum class MenuEntry {
  kSwitchToTransponder,
  kSwitchToSatellite,
  kSendTo,
  kCopy,
  kCopyTransponderOnly,
  kCopyWithAllChannels,
  kCopyWithSomeChannels,
  kCopySatelliteOnly,
  kCopyWithAllTranspondersOnly,
  kCopyWithAllTranspondersAndChannels,
  kCopyWithSomeTranspondersAndChannels,
  kCopySettings,
  kCut,
  kPaste,
  kPasteAllTranspondersAndChannels,
  kApplyAttributes,
  kApplyAttributesAndPaste,
  kApplyCategorySettings,
  kApplyAllSettings,
  kAddOnSameTransponder,
  kAddOnSameSatellite,
};

/// A context menu and its entries by identity. "Send to" is a sub-menu whose
/// entries carry the satellite numbers as data.
struct ContextMenu {
  QMenu* menu = nullptr;
  std::map<MenuEntry, QAction*> entries;

  /// The entry, or null when this menu has none.
  QAction* Entry(MenuEntry id) const {
    const auto it = entries.find(id);
    return it == entries.end() ? nullptr : it->second;
  }
};

/// Builds the context menu of the list on tab `tab` (ViewTab). The
/// transponder menu's "Send to" lists the satellites of `database`. Every
/// entry starts disabled; the view enables the commands it wires. The
/// caller owns the menu.
ContextMenu BuildContextMenu(int tab, const SettingsDatabase* database, QWidget* parent);

}  // namespace vq
