#pragma once
/// @file
/// The rows of the channel list.

#include <functional>
#include <vector>

#include "ui/view/record_list_model.h"

namespace vq {

class ChannelNode;
class SettingsDatabase;

/// Channels of one type from one source (all, free, scrambled, a satellite
/// or a favourite group), each row bound to its node and carrying the
/// channel's position in that source's ordering.
class ChannelListModel : public RecordListModel {
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
  /// Takes out the rows whose node `doomed` picks (records about to be
  /// deleted); the other rows keep their selection.
  void DropRowsIf(const std::function<bool(const ChannelNode*)>& doomed);
  /// Empties the list (every record is about to be freed).
  void Clear();
  /// Redraws the rows (after records changed in place).
  void Refresh();

  ChannelNode* NodeAt(int row) const;
  /// Row of a node, or -1.
  int RowOf(const ChannelNode* node) const;
  /// Position of the row's channel in the source's ordering, from 0; -1 for
  /// a bad row.
  int PositionAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 protected:
  void ReverseRows() override;

 private:
  // The rows Fill makes, in display order.
  std::vector<ChannelNode*> Collect(const SettingsDatabase* database, int source, int type) const;

  std::vector<ChannelNode*> rows_;
};

}  // namespace vq
