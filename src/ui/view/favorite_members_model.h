#pragma once
/// @file
/// The channels of one favourite group, as the favourites panel lists them.

#include "ui/view/node_list_model.h"

namespace vq {

class ChannelNode;
class SettingsDatabase;

/// Members of a favourite group by their place in it, one row per channel
/// showing its name and type image.
class FavoriteMembersModel : public NodeListModel<ChannelNode> {
  Q_OBJECT

 public:
  explicit FavoriteMembersModel(QObject* parent = nullptr);

  /// Lists group `group` (0..7); -1 or a null database empties the list.
  /// Clear empties the list but stays on its group (a refill lists the
  /// group again).
  void Fill(const SettingsDatabase* database, int group);
  int Group() const { return group_; }

  QVariant data(const QModelIndex& index, int role) const override;

 private:
  int group_ = -1;
};

}  // namespace vq
