#pragma once
/// @file
/// The rows of the satellite list.

#include "ui/view/node_list_model.h"

namespace vq {

class SatelliteNode;
class SettingsDatabase;

/// The 64 satellites by satellite number, each row bound to its node.
class SatelliteListModel : public NodeListModel<SatelliteNode> {
  Q_OBJECT

 public:
  explicit SatelliteListModel(QObject* parent = nullptr);

  /// Lists the satellites in use; a null database empties the list.
  void Fill(const SettingsDatabase* database);

  QVariant data(const QModelIndex& index, int role) const override;
};

}  // namespace vq
