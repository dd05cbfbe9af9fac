#pragma once
/// @file
/// The channels of one favourite group, as the favourites panel lists them.

#include <QAbstractListModel>
#include <functional>
#include <vector>

namespace vq {

class ChannelNode;
class SettingsDatabase;

/// Members of a favourite group by their place in it, one row per channel
/// showing its name and type image.
class FavoriteMembersModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  /// Lists group `group` (0..7); -1 or a null database empties the list.
  void Fill(const SettingsDatabase* database, int group);
  /// Takes out the rows whose channel `doomed` picks (channels about to be
  /// deleted); the other rows keep their selection.
  void DropRowsIf(const std::function<bool(const ChannelNode*)>& doomed);
  /// Empties the list but stays on its group (every channel is about to be
  /// freed; a refill lists the group again).
  void Clear();
  int Group() const { return group_; }
  ChannelNode* NodeAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  std::vector<ChannelNode*> rows_;
  int group_ = -1;
};

}  // namespace vq
