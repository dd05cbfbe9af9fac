#pragma once
// The random window test's actions on the change history and the find bar.

namespace vq::test {

class WindowSession;

/// Edit > Undo and Edit > Redo, when offered.
void UndoLastChange(WindowSession& s);
void RedoNextChange(WindowSession& s);
/// Types a piece of a shown row's text (or a number from it) into the find
/// bar, then steps through the matches, selects them all or closes the bar.
void FindInList(WindowSession& s);

}  // namespace vq::test
