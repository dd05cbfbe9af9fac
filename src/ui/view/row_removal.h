#pragma once
/// @file
/// Taking the rows of records that are about to be deleted out of a list.

#include <vector>

namespace vq {

/// Removes the rows whose node `doomed` picks from `rows`. Runs of
/// neighbouring rows go one at a time, from the last, through
/// `removeRun(first, last)`, which announces the removal to the views and
/// erases the run, so the other rows keep their selection. With many runs
/// `reset(kept)` replaces all rows at once instead.
template <class Node, class Doomed, class RemoveRun, class Reset>
void RemoveRowsIf(std::vector<Node*>& rows, Doomed doomed, RemoveRun removeRun, Reset reset) {
  constexpr int kMostRuns = 64;
  std::vector<Node*> kept;
  int runs = 0;
  bool inRun = false;
  for (Node* node : rows) {
    const bool gone = doomed(node);
    if (gone && !inRun) ++runs;
    inRun = gone;
    if (!gone) kept.push_back(node);
  }
  if (runs == 0) return;
  if (runs > kMostRuns) {
    reset(std::move(kept));
    return;
  }
  std::vector<bool> gone(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) gone[i] = doomed(rows[i]);
  for (int last = static_cast<int>(rows.size()) - 1; last >= 0;) {
    if (!gone[static_cast<size_t>(last)]) {
      --last;
      continue;
    }
    int first = last;
    while (first > 0 && gone[static_cast<size_t>(first - 1)]) --first;
    removeRun(first, last);
    last = first - 1;
  }
}

}  // namespace vq
