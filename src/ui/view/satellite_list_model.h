#pragma once
/// @file
/// The rows of the satellite list.

#include <vector>

#include "ui/view/record_list_model.h"

namespace vq {

class SatelliteNode;
class SettingsDatabase;

/// The 64 satellites by satellite number, each row bound to its node.
class SatelliteListModel : public RecordListModel {
  Q_OBJECT

 public:
  explicit SatelliteListModel(QObject* parent = nullptr);

  void Fill(const SettingsDatabase* database);
  /// Empties the list (the index is about to be rebuilt).
  void Clear();
  void Refresh();

  SatelliteNode* NodeAt(int row) const;
  int RowOf(const SatelliteNode* node) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 protected:
  void ReverseRows() override;

 private:
  std::vector<SatelliteNode*> rows_;
};

}  // namespace vq
