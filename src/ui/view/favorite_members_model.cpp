#include "ui/view/favorite_members_model.h"

#include <QTextDocument>

#include "database/settings_database.h"
#include "ui/view/list_images.h"

namespace vq {

FavoriteMembersModel::FavoriteMembersModel(QObject* parent)
    : NodeListModel({{QT_TRANSLATE_NOOP("vq::ListColumns", "Name"), 89, false}}, parent) {}

void FavoriteMembersModel::Fill(const SettingsDatabase* database, int group) {
  std::vector<ChannelNode*> rows;
  group_ = database ? group : -1;
  if (group_ >= 0) database->CollectFavoriteMembers(group_, &rows, kAllTypes);
  FillRows(std::move(rows));
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
