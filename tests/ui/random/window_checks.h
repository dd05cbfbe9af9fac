#pragma once
// What must hold in the editor window after every user action.

#include <string>
#include <vector>

namespace vq {
class CMainFrame;
class CVQChannelEditorDoc;
class CVQChannelEditorView;
class SettingsDatabase;
}  // namespace vq

namespace vq::test {

/// Every row, selection and current index of every list and panel names a
/// live record; the lists not marked for refill show what the database
/// holds for the list state, and the favourites panel exactly the chosen
/// group's members in place order; counts, group entries, selectors and
/// model buttons agree with the database; every numbering is dense, and
/// every listed record is in use. One line per problem.
std::vector<std::string> WindowProblems(CVQChannelEditorView& view, const SettingsDatabase& db);

/// Undo, Redo and Save are enabled exactly when the history, the document
/// and the pane's edit say so: an edit held in the pane (pending, or an
/// editor still open) is what Undo and Save take; nothing else is.
std::vector<std::string> ActionProblems(CMainFrame& frame, const CVQChannelEditorDoc& document);

/// The first difference between two databases (every record, the
/// configuration and the favourite groups), or "".
std::string DatabaseDifference(const SettingsDatabase& a, const SettingsDatabase& b);

}  // namespace vq::test
