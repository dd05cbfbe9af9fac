#pragma once
/// @file
/// The report-style list used for channels, transponders, satellites and
/// settings categories.

#include <QTableView>
#include <vector>

class QItemSelectionModel;

namespace vq {

class RecordListModel;

/// The rows touched by a selection, ascending, each once.
std::vector<int> SelectedRowsOf(const QItemSelectionModel* selection);

/// A full-row, multi-selection table over a RecordListModel with fixed row
/// heights (so 8192 rows fill at once), column widths taken from the model
/// in dialog units, and sorting by the number column only.
class RecordTableView : public QTableView {
  Q_OBJECT

 public:
  /// `sortable` lets a click on the first column's header reverse the rows.
  /// `id` names the list for code and, translated in this class's context,
  /// for the user.
  RecordTableView(RecordListModel* model, const char* id, bool sortable, QWidget* parent = nullptr);

  RecordListModel* RecordModel() const { return model_; }
  /// Selected rows in ascending order.
  std::vector<int> SelectedRows() const;
  /// Selects only `row`, makes it current and scrolls to it; -1 clears.
  void SelectOnlyRow(int row);
  /// Selects the given rows (others cleared); the first becomes current.
  void SelectRows(const std::vector<int>& rows);

 signals:
  /// The rows selected changed (also after a refill).
  void rowSelectionChanged();
  /// The number column's order changed by a header click.
  void descendingChanged(bool descending);
  /// A right click asked for the context menu at a global position.
  void contextMenuWanted(const QPoint& globalPos);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void HeaderClicked(int section);
  RecordListModel* model_;
  bool sortable_;
};

}  // namespace vq
