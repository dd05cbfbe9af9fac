#include "ui/view/record_list_model.h"

#include <QCoreApplication>

namespace vq {

RecordListModel::RecordListModel(std::vector<ListColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)) {}

int RecordListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant RecordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  if (role == Qt::DisplayRole)
    return QCoreApplication::translate("vq::ListColumns", columns_[section].title);
  if (role == Qt::TextAlignmentRole) return Alignment(section);
  return {};
}

Qt::ItemFlags RecordListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void RecordListModel::SetDescending(bool descending) {
  if (descending == descending_) return;
  BeforeRowsChange();
  descending_ = descending;
  emit layoutAboutToBeChanged();
  ReverseRows();
  const int last = rowCount() - 1;
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  for (const QModelIndex& index : before)
    after.append(this->index(last - index.row(), index.column()));
  changePersistentIndexList(before, after);
  emit layoutChanged();
}

QVariant RecordListModel::Alignment(int column) const {
  const bool numeric = column >= 0 && column < columnCount() && columns_[column].numeric;
  return QVariant::fromValue(Qt::AlignVCenter | (numeric ? Qt::AlignRight : Qt::AlignLeft));
}

}  // namespace vq
