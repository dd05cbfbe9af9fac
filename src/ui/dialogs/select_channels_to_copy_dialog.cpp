#include "ui/dialogs/select_channels_to_copy_dialog.h"

#include <QStandardItemModel>

namespace vq {

SelectChannelsToCopyDialog::SelectChannelsToCopyDialog(
    const std::vector<const ChannelNode*>& channels, QWidget* parent)
    : TickTreeDialog(tr("Select channels to copy"), parent) {
  for (const ChannelNode* channel : channels)
    Model()->appendRow(TickItem(ChannelText(*channel), channel));
}

std::vector<const ChannelNode*> SelectChannelsToCopyDialog::Ticked() const {
  std::vector<const ChannelNode*> ticked;
  for (int row = 0; row < Model()->rowCount(); ++row) {
    const QStandardItem* item = Model()->item(row);
    if (IsTicked(item)) ticked.push_back(static_cast<const ChannelNode*>(RecordOf(item)));
  }
  return ticked;
}

}  // namespace vq
