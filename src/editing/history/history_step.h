#pragma once
/// @file
/// One recorded change of the document, as a scope around the command.

#include <string_view>

#include "editing/history/change_history.h"

namespace vq {

/// Records everything the database went through between construction and
/// destruction as one named step of the history:
///
///     HistoryStep step(history, "Remove All");
///     RemoveAllChannels(view);
///
/// A step that changed nothing leaves no trace; a step begun inside another
/// is recorded on its own (see ChangeHistory).
class HistoryStep {
 public:
  HistoryStep(ChangeHistory& history, std::string_view name) : history_(history) {
    history_.BeginStep(name);
  }
  ~HistoryStep() { history_.EndStep(); }
  HistoryStep(const HistoryStep&) = delete;
  HistoryStep& operator=(const HistoryStep&) = delete;

 private:
  ChangeHistory& history_;
};

}  // namespace vq
