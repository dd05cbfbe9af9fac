#pragma once
/// @file
/// The rows of a list model, each bound to a database node.

#include <algorithm>
#include <functional>
#include <vector>

#include "ui/view/record_list_model.h"
#include "ui/view/row_removal.h"

namespace vq {

/// A RecordListModel whose rows are nodes of type `Node`, in display order.
///
/// Keeps the row-to-node mapping and every change of it done the model/view
/// way: a whole new set of rows (a reset), the same nodes in another order
/// (only the rows that moved are redrawn), and rows taken out in runs (the
/// other rows keep their selection). Subclasses collect the nodes and draw
/// the cells.
template <class Node>
class NodeListModel : public RecordListModel {
 public:
  using RecordListModel::RecordListModel;

  /// Takes out the rows whose node `doomed` picks (records about to be
  /// deleted); the other rows keep their selection.
  void DropRowsIf(const std::function<bool(const Node*)>& doomed) {
    RemoveRowsIf(
        rows_, doomed,
        [this](int first, int last) {
          BeforeRowsChange();
          beginRemoveRows({}, first, last);
          rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
          endRemoveRows();
        },
        [this](std::vector<Node*> kept) { ResetRows(std::move(kept)); });
  }
  /// Empties the list (every record is about to be freed).
  void Clear() { ResetRows({}); }
  /// Redraws the rows (after records changed in place).
  void Refresh() {
    if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  }

  Node* NodeAt(int row) const {
    return row >= 0 && row < rowCount() ? rows_[static_cast<size_t>(row)] : nullptr;
  }
  /// Row of a node, or -1.
  int RowOf(const Node* node) const {
    const auto it = std::find(rows_.begin(), rows_.end(), node);
    return it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin());
  }
  /// Position of the row's node in the list's own order, from 0 (the rows
  /// run backwards while descending); -1 for a bad row.
  int PositionAt(int row) const {
    if (row < 0 || row >= rowCount()) return -1;
    return IsDescending() ? rowCount() - 1 - row : row;
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }

 protected:
  /// Takes `rows`, in the list's own order, as the new rows (a reset).
  void ResetRows(std::vector<Node*> rows) {
    BeforeRowsChange();
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
  }
  /// Takes `rows` (in the list's own order) as a new order of the present
  /// nodes, redrawing only the rows from the first to the last that
  /// changed; selection and current row stay where they were. When the
  /// nodes differ the rows are reset instead.
  void ReorderRows(std::vector<Node*> rows) {
    if (IsDescending()) std::reverse(rows.begin(), rows.end());
    if (!TakeReordered(rows)) ResetRows(std::move(rows));
  }
  /// Shows `rows` (in the list's own order) as they stand: a reset.
  void FillRows(std::vector<Node*> rows) {
    if (IsDescending()) std::reverse(rows.begin(), rows.end());
    ResetRows(std::move(rows));
  }
  void ReverseRows() override { std::reverse(rows_.begin(), rows_.end()); }

 private:
  // Takes `fresh` when it holds the present nodes in another order; false,
  // nothing changed, when the nodes differ.
  bool TakeReordered(std::vector<Node*>& fresh) {
    if (fresh.size() != rows_.size()) return false;
    const auto first =
        std::mismatch(rows_.begin(), rows_.end(), fresh.begin()).first - rows_.begin();
    if (first == static_cast<long>(rows_.size())) return true;
    const auto last =
        rows_.size() - 1 -
        (std::mismatch(rows_.rbegin(), rows_.rend(), fresh.rbegin()).first - rows_.rbegin());
    std::vector<Node*> before(rows_.begin() + first, rows_.begin() + static_cast<long>(last) + 1);
    std::vector<Node*> after(fresh.begin() + first, fresh.begin() + static_cast<long>(last) + 1);
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    if (before != after) return false;
    rows_ = std::move(fresh);
    emit dataChanged(index(static_cast<int>(first), 0),
                     index(static_cast<int>(last), columnCount() - 1));
    return true;
  }

  std::vector<Node*> rows_;
};

}  // namespace vq
