#pragma once
/// @file
/// Base of the channel, transponder and satellite list models.

#include <QAbstractTableModel>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace vq {

/// One column of a list: its title, its width in dialog units and whether
/// its cells hold numbers (drawn right-aligned).
struct ListColumn {
  const char* title;
  int width;
  bool numeric;
};

/// A read-only table whose rows stand for database nodes, in display order.
///
/// Subclasses keep the row-to-node mapping; this class supplies headers,
/// alignment and the "sorted high to low" state of the number column. Rows
/// are rebuilt as a whole by the subclass's Fill, or only where they moved
/// by its Reorder.
class RecordListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit RecordListModel(std::vector<ListColumn> columns, QObject* parent = nullptr);

  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  const std::vector<ListColumn>& Columns() const { return columns_; }
  /// True when the rows run from the highest number to the lowest.
  bool IsDescending() const { return descending_; }
  /// Reverses the rows when the order changes.
  void SetDescending(bool descending);

 protected:
  /// Reverses the subclass's rows in place (inside a layout change).
  virtual void ReverseRows() = 0;
  QVariant Alignment(int column) const;

  /// Takes `fresh` as the rows when it holds the nodes of `rows` in another
  /// order, redrawing only the rows from the first to the last that changed;
  /// selection and current row stay where they were. False, nothing
  /// changed, when the nodes differ.
  template <class Node>
  bool TakeReordered(std::vector<Node*>& rows, std::vector<Node*> fresh) {
    if (fresh.size() != rows.size()) return false;
    const auto first = std::mismatch(rows.begin(), rows.end(), fresh.begin()).first - rows.begin();
    if (first == static_cast<long>(rows.size())) return true;
    const auto last = rows.size() - 1 -
        (std::mismatch(rows.rbegin(), rows.rend(), fresh.rbegin()).first - rows.rbegin());
    std::vector<Node*> before(rows.begin() + first, rows.begin() + static_cast<long>(last) + 1);
    std::vector<Node*> after(fresh.begin() + first, fresh.begin() + static_cast<long>(last) + 1);
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    if (before != after) return false;
    rows = std::move(fresh);
    emit dataChanged(index(static_cast<int>(first), 0),
                     index(static_cast<int>(last), columnCount() - 1));
    return true;
  }

 private:
  std::vector<ListColumn> columns_;
  bool descending_ = false;
};

}  // namespace vq
