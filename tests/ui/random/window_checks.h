#pragma once
// What must hold in the editor window after every user action.

#include <string>
#include <vector>

namespace vq {
class CVQChannelEditorView;
class SettingsDatabase;
}  // namespace vq

namespace vq::test {

/// Every row, selection and current index of every list and panel names a
/// live record; the lists not marked for refill show what the database
/// holds for the list state; counts, group entries, selectors and model
/// buttons agree with the database; every numbering is dense. One line per
/// problem.
std::vector<std::string> WindowProblems(CVQChannelEditorView& view, const SettingsDatabase& db);

/// The first difference between two databases (every record, the
/// configuration and the favourite groups), or "".
std::string DatabaseDifference(const SettingsDatabase& a, const SettingsDatabase& b);

}  // namespace vq::test
