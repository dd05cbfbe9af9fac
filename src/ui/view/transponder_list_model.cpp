#include "ui/view/transponder_list_model.h"

#include <algorithm>

#include "database/settings_database.h"
#include "ui/view/row_removal.h"
#include "ui/view/row_texts.h"

namespace vq {

TransponderListModel::TransponderListModel(QObject* parent)
    : RecordListModel({{QT_TRANSLATE_NOOP("vq::ListColumns", "Num"), 47, true},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "Network"), 78, false},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "Freq"), 45, true},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "P"), 20, false},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "SR"), 45, true},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "FEC"), 38, false},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "FTA"), 38, false},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "TPID"), 48, true},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "Chns"), 48, true},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "Satellite"), 93, false},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "Pos"), 50, false}},
                      parent) {}

namespace {

std::vector<TransponderNode*> Collect(const SettingsDatabase* database, int listSatellite,
                                      bool descending) {
  std::vector<TransponderNode*> rows;
  if (database) database->CollectTransponders(rows, listSatellite - 1);
  if (descending) std::reverse(rows.begin(), rows.end());
  return rows;
}

}  // namespace

void TransponderListModel::Fill(const SettingsDatabase* database, int listSatellite) {
  beginResetModel();
  rows_ = Collect(database, listSatellite, IsDescending());
  endResetModel();
}

void TransponderListModel::Reorder(const SettingsDatabase* database, int listSatellite) {
  if (!TakeReordered(rows_, Collect(database, listSatellite, IsDescending())))
    Fill(database, listSatellite);
}

void TransponderListModel::DropRowsIf(const std::function<bool(const TransponderNode*)>& doomed) {
  RemoveRowsIf(
      rows_, doomed,
      [this](int first, int last) {
        beginRemoveRows({}, first, last);
        rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
        endRemoveRows();
      },
      [this](std::vector<TransponderNode*> kept) {
        beginResetModel();
        rows_ = std::move(kept);
        endResetModel();
      });
}

void TransponderListModel::Clear() {
  beginResetModel();
  rows_.clear();
  endResetModel();
}

void TransponderListModel::Refresh() {
  if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

TransponderNode* TransponderListModel::NodeAt(int row) const {
  return row >= 0 && row < rowCount() ? rows_[static_cast<size_t>(row)] : nullptr;
}

int TransponderListModel::RowOf(const TransponderNode* node) const {
  const auto it = std::find(rows_.begin(), rows_.end(), node);
  return it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin());
}

int TransponderListModel::PositionAt(int row) const {
  if (row < 0 || row >= rowCount()) return -1;
  return IsDescending() ? rowCount() - 1 - row : row;
}

int TransponderListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant TransponderListModel::data(const QModelIndex& index, int role) const {
  const TransponderNode* node = NodeAt(index.row());
  if (!node || index.column() < 0 || index.column() >= columnCount()) return {};
  if (role == Qt::DisplayRole)
    return QString::fromLatin1(
        TransponderCellText(*node, PositionAt(index.row()) + 1, index.column()));
  if (role == Qt::TextAlignmentRole) return Alignment(index.column());
  return {};
}

void TransponderListModel::ReverseRows() { std::reverse(rows_.begin(), rows_.end()); }

}  // namespace vq
