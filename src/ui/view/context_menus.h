#pragma once
/// @file
/// The right-click menus of the four lists.

class QMenu;
class QWidget;

namespace vq {

class SettingsDatabase;

/// Builds the context menu of the list on tab `tab` (ViewTab). The
/// transponder menu's "Send to" lists the satellites of `database`. Entries
/// whose command is not available are disabled. The caller owns the menu.
QMenu* BuildContextMenu(int tab, const SettingsDatabase* database, QWidget* parent);

}  // namespace vq
