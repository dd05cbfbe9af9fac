#pragma once
/// @file
/// Base of the list models: columns, headers and the number column's order.

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <vector>

namespace vq {

/// One column of a list: its title, its width in dialog units and whether
/// its cells hold numbers (drawn right-aligned).
struct ListColumn {
  const char* title;
  int width;
  bool numeric;
};

/// A read-only table whose rows stand for records, in display order.
///
/// Subclasses keep the rows (NodeListModel for database nodes); this class
/// supplies headers, alignment and the "sorted high to low" state of the
/// number column.
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
  /// Runs `hook` before every change that moves a view's selection: a
  /// reset, rows taken out or added, a new order (not a redraw).
  void SetBeforeRowsChange(std::function<void()> hook) { beforeRowsChange_ = std::move(hook); }

 protected:
  /// Subclasses call this before each such change begins.
  void BeforeRowsChange() {
    if (beforeRowsChange_) beforeRowsChange_();
  }
  /// Reverses the subclass's rows in place (inside a layout change).
  virtual void ReverseRows() = 0;
  QVariant Alignment(int column) const;

 private:
  std::vector<ListColumn> columns_;
  bool descending_ = false;
  std::function<void()> beforeRowsChange_;
};

}  // namespace vq
