#include "editing/pane_commit.h"

#include "editing/command_texts.h"
#include "editing/prompter.h"

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
