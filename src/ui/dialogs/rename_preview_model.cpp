#include "ui/dialogs/rename_preview_model.h"

#include <QCoreApplication>

namespace vq {

RenamePreviewModel::RenamePreviewModel(QObject* parent) : QAbstractTableModel(parent) {}

void RenamePreviewModel::SetPlan(RenamePlan plan) {
  beginResetModel();
  plan_ = std::move(plan);
  endResetModel();
}

int RenamePreviewModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(plan_.changes.size());
}

int RenamePreviewModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant RenamePreviewModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() ||
      (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
    return {};
  const RenameEntry& e = plan_.changes[static_cast<size_t>(index.row())];
  switch (index.column()) {
    case kOld:
      return QString::fromLatin1(e.oldName);
    case kNew:
      return QString::fromLatin1(e.newName);
    case kNote:
      if (e.refusal) return QCoreApplication::translate("CoreText", e.refusal);
      return e.cut ? tr("Cut to 20 bytes") : QString();
    default:
      return {};
  }
}

QVariant RenamePreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kOld:
      return tr("Name");
    case kNew:
      return tr("New name");
    case kNote:
      return tr("Note");
    default:
      return {};
  }
}

}  // namespace vq
