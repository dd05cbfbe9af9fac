#pragma once
// The user actions of the random window test, one function each, in a table
// with weights. A later feature adds its actions to the table.

#include <vector>

namespace vq::test {

class WindowSession;

struct WindowAction {
  const char* name;
  int weight;
  void (*run)(WindowSession& session);
};

/// The action that opens the Backups window; opening a backup there replaces
/// the document, so sessions that undo to their start leave it out.
inline constexpr const char* kUseABackup =
    "open the Backups window and compare or open a random backup";

/// Every action a user can take on the main window's lists, selectors,
/// buttons, menus, panels, drag and drop and the list imports and exports.
const std::vector<WindowAction>& WindowActions();

/// Picks an action by weight.
const WindowAction& PickAction(WindowSession& session);

}  // namespace vq::test
