#pragma once
// The fake view with a channel pane behind it: CommitPane runs the channel
// commit flow on the draft the test built, as the window's pane does.

#include "editing/panes/channel_commit.h"
#include "editing/panes/channel_draft.h"
#include "fake_editing_view.h"

namespace vq::test {

class PaneFakeView : public FakeView {
 public:
  using FakeView::FakeView;

  void CommitPane(bool asking) override {
    FakeView::CommitPane(asking);
    CommitChannelDraft(*this, prompter, draft, asking, postEditAction);
    draft = {};
  }
  /// A draft of the selected channel rows, as the pane builds it.
  ChannelDraft& Edit() {
    draft = ChannelDraft::FromSelection(*this);
    return draft;
  }
  /// The pane's own Save.
  bool Save() {
    state.pendingEdit = false;
    return CommitChannelDraft(*this, prompter, draft, false, postEditAction);
  }

  ChannelDraft draft;
  ScriptedPrompter prompter;
  int postEditAction = 0;
};

}  // namespace vq::test
