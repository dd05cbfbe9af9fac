#pragma once
/// @file
/// The names a rename would change, as a table for its preview.

#include <QAbstractTableModel>

#include "editing/tidy/rename.h"

namespace vq {

/// One row per changed name: the name now, the name as the record will
/// hold it (cut to 20 bytes, which the note says) and why it is refused.
class RenamePreviewModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kOld, kNew, kNote, kColumnCount };

  explicit RenamePreviewModel(QObject* parent = nullptr);

  void SetPlan(RenamePlan plan);
  const RenamePlan& Plan() const { return plan_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  RenamePlan plan_;
};

}  // namespace vq
