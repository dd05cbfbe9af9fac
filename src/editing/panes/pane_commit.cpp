#include "editing/panes/pane_commit.h"

#include "editing/commands/command_texts.h"
#include "editing/commands/prompter.h"

namespace vq {

bool CommitFlowGoesOn(Prompter& prompter, bool asking, int postEditAction) {
  if (!asking) return true;
  switch (postEditAction) {
    case kPostEditSave:
      return true;
    case kPostEditManual:
      return false;
    default:
      return prompter.AskYesNo(texts::kSaveChanges, texts::kConfirmTitle);
  }
}

}  // namespace vq
