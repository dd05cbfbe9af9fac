#pragma once
/// @file
/// "Select channels to copy": which channels of a transponder go along.

#include <vector>

#include "ui/dialogs/tick_tree_dialog.h"

namespace vq {

/// Lists the given channels, none ticked; after OK, Ticked() holds the
/// ticked ones in list order.
class SelectChannelsToCopyDialog : public TickTreeDialog {
  Q_OBJECT

 public:
  explicit SelectChannelsToCopyDialog(const std::vector<const ChannelNode*>& channels,
                                      QWidget* parent = nullptr);
  std::vector<const ChannelNode*> Ticked() const;
};

}  // namespace vq
