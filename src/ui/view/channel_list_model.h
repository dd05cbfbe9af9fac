#pragma once
/// @file
/// The rows of the channel list.

#include <vector>

#include "ui/view/node_list_model.h"

namespace vq {

class ChannelNode;
class SettingsDatabase;

/// Channels of one type from one source (all, free, scrambled, a satellite
/// or a favourite group), each row bound to its node and carrying the
/// channel's position in that source's ordering.
class ChannelListModel : public NodeListModel<ChannelNode> {
  Q_OBJECT

 public:
  explicit ChannelListModel(QObject* parent = nullptr);

  /// Rebuilds every row for `source` (ChannelListSource) and `type`
  /// (ShownChannelType); a null database empties the list.
  void Fill(const SettingsDatabase* database, int source, int type);
  /// The same after a move that only changed the order: only the rows that
  /// moved are redrawn and the selection stays. Falls back to Fill when
  /// the rows would hold other channels.
  void Reorder(const SettingsDatabase* database, int source, int type);

  QVariant data(const QModelIndex& index, int role) const override;
};

}  // namespace vq
