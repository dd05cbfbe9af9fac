#pragma once
/// @file
/// The rows of the transponder list.

#include <functional>
#include <vector>

#include "ui/view/record_list_model.h"

namespace vq {

class SettingsDatabase;
class TransponderNode;

/// All transponders by transponder number, or one satellite's by their place
/// in it; each row bound to its node.
class TransponderListModel : public RecordListModel {
  Q_OBJECT

 public:
  explicit TransponderListModel(QObject* parent = nullptr);

  /// Rebuilds every row for `listSatellite` (TransponderListSatellite: 0
  /// all, n + 1 satellite number n); a null database empties the list.
  void Fill(const SettingsDatabase* database, int listSatellite);
  /// The same after a move that only changed the order: only the rows that
  /// moved are redrawn and the selection stays (else as Fill).
  void Reorder(const SettingsDatabase* database, int listSatellite);
  /// Takes out the rows whose node `doomed` picks (records about to be
  /// deleted); the other rows keep their selection.
  void DropRowsIf(const std::function<bool(const TransponderNode*)>& doomed);
  /// Empties the list (every record is about to be freed).
  void Clear();
  void Refresh();

  TransponderNode* NodeAt(int row) const;
  int RowOf(const TransponderNode* node) const;
  int PositionAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 protected:
  void ReverseRows() override;

 private:
  std::vector<TransponderNode*> rows_;
};

}  // namespace vq
