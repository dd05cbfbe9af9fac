#pragma once
/// @file
/// A property pane over one kind of record, holding its edits in a draft.

#include <optional>
#include <string>

#include "editing/commands/editing_view.h"
#include "editing/commands/prompter.h"
#include "ui/app/config/editor_config.h"
#include "ui/panes/pane_context.h"
#include "ui/panes/property_pane.h"

namespace vq {

/// A PropertyPane whose working copy is a `DraftT` (ChannelDraft, ...)
/// with fields of type `Field`, written by the commit flow `CommitFlow`
/// (CommitChannelDraft, ...).
template <class DraftT, class Field, auto CommitFlow>
class DraftPane : public PropertyPane {
 public:
  using PropertyPane::PropertyPane;

  void Commit(bool asking) final {
    Prompter* user = Context().User();
    if (!user) return;
    // The flow works on its own copy: whatever rebuilds the pane meanwhile
    // cannot change the values being written.
    const DraftT draft = draft_;
    CommitFlow(Context().Editing(), *user, draft, asking, Context().Config().PostEditAction);
  }
  const DraftT& Draft() const { return draft_; }

 protected:
  /// A number row bounded to the range of `field`.
  void AddFieldNumber(int row, const std::string& label, int parent, Field field) {
    const FieldRange range = RangeOf(field);
    AddNumber(row, label, parent, range.minimum, range.maximum);
  }
  /// The value every record of the draft shares, or nothing.
  std::optional<int> Shared(Field field) const {
    return draft_.Known(field) ? std::optional<int>(draft_.Value(field)) : std::nullopt;
  }

  /// Fills what the pane shows besides the draft's values (place and
  /// count texts) from the draft's records; false when none is left.
  virtual bool LoadTexts(EditingView& view) = 0;

  DraftT draft_;

 private:
  bool Load() final {
    draft_ = DraftT::FromSelection(Context().Editing());
    return !draft_.Empty() && LoadTexts(Context().Editing());
  }
};

}  // namespace vq
