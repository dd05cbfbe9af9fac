#pragma once
/// @file
/// The rows of the transponder list.

#include "ui/view/node_list_model.h"

namespace vq {

class SettingsDatabase;
class TransponderNode;

/// All transponders by transponder number, or one satellite's by their place
/// in it; each row bound to its node.
class TransponderListModel : public NodeListModel<TransponderNode> {
  Q_OBJECT

 public:
  explicit TransponderListModel(QObject* parent = nullptr);

  /// Rebuilds every row for `listSatellite` (TransponderListSatellite: 0
  /// all, n + 1 satellite number n); a null database empties the list.
  void Fill(const SettingsDatabase* database, int listSatellite);
  /// The same after a move that only changed the order: only the rows that
  /// moved are redrawn and the selection stays (else as Fill).
  void Reorder(const SettingsDatabase* database, int listSatellite);

  QVariant data(const QModelIndex& index, int role) const override;
};

}  // namespace vq
