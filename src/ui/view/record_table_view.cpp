#include "ui/view/record_table_view.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <algorithm>
#include <cmath>

#include "ui/view/record_list_model.h"

namespace vq {

RecordTableView::RecordTableView(RecordListModel* model, const char* id, bool sortable,
                                 QWidget* parent)
    : QTableView(parent), model_(model), sortable_(sortable) {
  setModel(model);
  setObjectName(id);
  setAccessibleName(tr(id));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(false);
  setAlternatingRowColors(true);
  setWordWrap(false);
  setTabKeyNavigation(false);
  setIconSize(QSize(16, 16));
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

  QHeaderView* rows = verticalHeader();
  rows->hide();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultSectionSize(fontMetrics().height() + 6);

  QHeaderView* header = horizontalHeader();
  header->setHighlightSections(false);
  header->setSectionsClickable(sortable);
  header->setStretchLastSection(true);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header->setSortIndicatorShown(sortable);
  if (sortable) header->setSortIndicator(0, Qt::AscendingOrder);
  // Dialog units: a quarter of the average character width.
  const double unit = fontMetrics().averageCharWidth() / 4.0;
  const auto& columns = model->Columns();
  for (size_t i = 0; i < columns.size(); ++i)
    setColumnWidth(static_cast<int>(i), static_cast<int>(std::lround(columns[i].width * unit * 1.15)));

  connect(header, &QHeaderView::sectionClicked, this, &RecordTableView::HeaderClicked);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &RecordTableView::rowSelectionChanged);
  connect(model, &QAbstractItemModel::modelReset, this, &RecordTableView::rowSelectionChanged);
}

std::vector<int> RecordTableView::SelectedRows() const { return SelectedRowsOf(selectionModel()); }

std::vector<int> SelectedRowsOf(const QItemSelectionModel* selection) {
  // Read from the ranges: selectedRows() tests every row against every
  // range, which is slow for thousands of scattered rows.
  std::vector<int> rows;
  for (const QItemSelectionRange& range : selection->selection())
    for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

void RecordTableView::SelectOnlyRow(int row) {
  if (row < 0 || row >= model_->rowCount()) {
    clearSelection();
    return;
  }
  const QModelIndex index = model_->index(row, 0);
  selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(index);
}

void RecordTableView::SelectRows(const std::vector<int>& rows) {
  QItemSelection selection;
  for (int row : rows)
    if (row >= 0 && row < model_->rowCount())
      selection.select(model_->index(row, 0), model_->index(row, model_->columnCount() - 1));
  selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  if (!selection.isEmpty()) {
    const QModelIndex first = selection.first().topLeft();
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    scrollTo(first);
  }
}

void RecordTableView::contextMenuEvent(QContextMenuEvent* event) {
  // Opened from the keyboard, the menu belongs to the current row.
  const QModelIndex current = currentIndex();
  if (event->reason() == QContextMenuEvent::Keyboard && current.isValid()) {
    scrollTo(current);
    emit contextMenuWanted(viewport()->mapToGlobal(visualRect(current).center()));
    return;
  }
  emit contextMenuWanted(event->globalPos());
}

void RecordTableView::HeaderClicked(int section) {
  if (!sortable_) return;
  const bool descending = section == 0 ? !model_->IsDescending() : model_->IsDescending();
  horizontalHeader()->setSortIndicator(0, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
  if (section != 0 || descending == model_->IsDescending()) return;
  model_->SetDescending(descending);
  emit descendingChanged(descending);
}

}  // namespace vq
