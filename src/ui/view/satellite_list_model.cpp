#include "ui/view/satellite_list_model.h"

#include <algorithm>

#include "database/settings_database.h"
#include "ui/view/row_texts.h"

namespace vq {

SatelliteListModel::SatelliteListModel(QObject* parent)
    : RecordListModel({{QT_TRANSLATE_NOOP("vq::ListColumns", "Num"), 35, true},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "Satellite Name"), 80, false},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "Pos"), 45, false},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "Low"), 42, true},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "High"), 42, true},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "22k"), 30, false},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "12V"), 31, false},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "DiSeqC"), 58, false},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "Port"), 31, true},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "Tone Burst"), 64, false},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "Motor"), 67, false},
                       {QT_TRANSLATE_NOOP("vq::ListColumns", "MI"), 25, true}},
                      parent) {}

void SatelliteListModel::Fill(const SettingsDatabase* database) {
  beginResetModel();
  rows_.clear();
  if (database)
    for (int i = 0; i < database->GetSatelliteCount(); ++i)
      if (SatelliteNode* node = database->GetSatelliteNode(i); node && node->HasSatellite())
        rows_.push_back(node);
  if (IsDescending()) std::reverse(rows_.begin(), rows_.end());
  endResetModel();
}

void SatelliteListModel::Clear() {
  beginResetModel();
  rows_.clear();
  endResetModel();
}

void SatelliteListModel::Refresh() {
  if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

SatelliteNode* SatelliteListModel::NodeAt(int row) const {
  return row >= 0 && row < rowCount() ? rows_[static_cast<size_t>(row)] : nullptr;
}

int SatelliteListModel::RowOf(const SatelliteNode* node) const {
  const auto it = std::find(rows_.begin(), rows_.end(), node);
  return it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin());
}

int SatelliteListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant SatelliteListModel::data(const QModelIndex& index, int role) const {
  const SatelliteNode* node = NodeAt(index.row());
  if (!node || index.column() < 0 || index.column() >= columnCount()) return {};
  if (role == Qt::DisplayRole) return QString::fromLatin1(SatelliteCellText(*node, index.column()));
  if (role == Qt::TextAlignmentRole) return Alignment(index.column());
  return {};
}

void SatelliteListModel::ReverseRows() { std::reverse(rows_.begin(), rows_.end()); }

}  // namespace vq
