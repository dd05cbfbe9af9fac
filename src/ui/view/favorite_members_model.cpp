#include "ui/view/favorite_members_model.h"

#include <QTextDocument>

#include "database/settings_database.h"
#include "ui/view/list_images.h"
#include "ui/view/row_removal.h"

namespace vq {

void FavoriteMembersModel::Fill(const SettingsDatabase* database, int group) {
  beginResetModel();
  rows_.clear();
  group_ = database ? group : -1;
  if (group_ >= 0) database->CollectFavoriteMembers(group_, &rows_, kAllTypes);
  endResetModel();
}

void FavoriteMembersModel::DropRowsIf(const std::function<bool(const ChannelNode*)>& doomed) {
  RemoveRowsIf(
      rows_, doomed,
      [this](int first, int last) {
        beginRemoveRows({}, first, last);
        rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
        endRemoveRows();
      },
      [this](std::vector<ChannelNode*> kept) {
        beginResetModel();
        rows_ = std::move(kept);
        endResetModel();
      });
}

void FavoriteMembersModel::Clear() {
  beginResetModel();
  rows_.clear();
  endResetModel();
}

ChannelNode* FavoriteMembersModel::NodeAt(int row) const {
  return row >= 0 && row < rowCount() ? rows_[static_cast<size_t>(row)] : nullptr;
}

int FavoriteMembersModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant FavoriteMembersModel::data(const QModelIndex& index, int role) const {
  const ChannelNode* node = NodeAt(index.row());
  if (!node || index.column() != 0) return {};
  const QString name = QString::fromLatin1(node->Record().GetName());
  if (role == Qt::DisplayRole) return name;
  // The whole name, for a list too narrow for it; always as plain text.
  if (role == Qt::ToolTipRole) return Qt::convertFromPlainText(name, Qt::WhiteSpaceNoWrap);
  if (role == Qt::DecorationRole)
    return ListIcon(node->Record().GetType() == kRadio ? kImageRadio : kImageTv);
  return {};
}

}  // namespace vq
