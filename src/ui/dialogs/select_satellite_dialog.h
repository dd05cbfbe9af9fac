#pragma once
/// @file
/// "Select Satellite".

#include "ui/dialogs/select_record_dialog.h"

namespace vq {

class SatelliteListModel;
class SatelliteNode;
class SettingsDatabase;

/// Lists the 64 satellites as the main satellite list does; the result is
/// the chosen satellite's number.
class SelectSatelliteDialog : public SelectRecordDialog {
  Q_OBJECT

 public:
  SelectSatelliteDialog(const SettingsDatabase& database, QWidget* parent = nullptr);
  /// Selects the row of `satellite` (nothing when it is not listed).
  void Preselect(const SatelliteNode* satellite);

 protected:
  int ValueOf(int row) const override;

 private:
  SatelliteListModel* model_;
};

}  // namespace vq
