#pragma once
/// @file
/// "Select transponders and channels to copy": a satellite's transponders
/// with their channels.

#include <vector>

#include "editing/commands/transponder_choice.h"
#include "ui/dialogs/tick_tree_dialog.h"

namespace vq {

/// Shows each transponder of `tree` with its channels below it, nothing
/// ticked. After OK, Ticked() holds each ticked transponder in tree order
/// with its ticked channels; a channel under an unticked transponder is not
/// taken.
class SelectCopyTreeDialog : public TickTreeDialog {
  Q_OBJECT

 public:
  explicit SelectCopyTreeDialog(const std::vector<TransponderChoice>& tree,
                                QWidget* parent = nullptr);
  std::vector<TransponderChoice> Ticked() const;
};

}  // namespace vq
