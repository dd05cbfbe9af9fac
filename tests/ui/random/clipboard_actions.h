#pragma once
// The clipboard's part of the random window test: copy, cut and paste from
// the Edit menu and the shortcuts, the clipboard filled by another program,
// and the check that the commands' enabled states agree with it.

#include <string>
#include <vector>

namespace vq::test {

class WindowSession;

/// Cut, Copy or Paste through the frame's command or one of its shortcuts.
void RunEditCommand(WindowSession& s);
/// Puts bytes under one of the editor's format names as another program
/// might: random ones, or a damaged copy of the payload there now.
void FillClipboardWithBytes(WindowSession& s);
/// Another program puts the records of the payload there now back under
/// its format, every channel and transponder name starting with four 0xFF
/// bytes (the free-slot marker), and the user mostly pastes them at once.
void PasteNamesThatMarkFreeSlots(WindowSession& s);
/// Cut, Copy and Paste are enabled exactly when the clipboard as it is now
/// and the current tab allow them. One line per problem.
std::vector<std::string> ClipboardProblems(WindowSession& s);

}  // namespace vq::test
