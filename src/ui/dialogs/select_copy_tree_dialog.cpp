#include "ui/dialogs/select_copy_tree_dialog.h"

#include <QStandardItemModel>
#include <QTreeView>

namespace vq {

SelectCopyTreeDialog::SelectCopyTreeDialog(const std::vector<TransponderChoice>& tree,
                                           QWidget* parent)
    : TickTreeDialog(tr("Select transponders and channels to copy"), parent) {
  for (const TransponderChoice& branch : tree) {
    QStandardItem* item = TickItem(TransponderText(*branch.transponder), branch.transponder);
    for (const ChannelNode* channel : branch.channels)
      item->appendRow(TickItem(ChannelText(*channel), channel));
    Model()->appendRow(item);
  }
  Tree()->expandAll();
}

std::vector<TransponderChoice> SelectCopyTreeDialog::Ticked() const {
  std::vector<TransponderChoice> ticked;
  for (int row = 0; row < Model()->rowCount(); ++row) {
    const QStandardItem* item = Model()->item(row);
    if (!IsTicked(item)) continue;
    TransponderChoice choice{static_cast<const TransponderNode*>(RecordOf(item)), {}};
    for (int c = 0; c < item->rowCount(); ++c)
      if (IsTicked(item->child(c)))
        choice.channels.push_back(static_cast<const ChannelNode*>(RecordOf(item->child(c))));
    ticked.push_back(std::move(choice));
  }
  return ticked;
}

}  // namespace vq
