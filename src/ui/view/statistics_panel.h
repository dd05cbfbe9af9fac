#pragma once
/// @file
/// The statistics list, the receiver model buttons and the network check box.

#include <QWidget>

class QCheckBox;
class QRadioButton;

namespace vq {

class PropertyGrid;
class SettingsDatabase;

/// Shows the record counts of the database, its receiver model and its
/// "use network settings" flag, which the user may toggle.
class StatisticsPanel : public QWidget {
  Q_OBJECT

 public:
  explicit StatisticsPanel(QWidget* parent = nullptr);

  /// Re-reads every count, the model and the network flag.
  void Update(const SettingsDatabase* database);
  /// The value text of a statistics row ("Satellites" ... "Data Channels").
  QString ValueText(const QString& label) const;

  PropertyGrid* Grid() const { return grid_; }
  QRadioButton* FtaButton() const { return fta_; }
  QRadioButton* PvrButton() const { return pvr_; }
  QCheckBox* NetworkBox() const { return network_; }

 signals:
  /// The user toggled the network check box.
  void networkToggled(bool on);
  /// The user clicked a model button (0 FTA/CI, 1 PVR).
  void modelChosen(int model);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  /// Sizes the columns to their texts in the panel's font.
  void FitColumns();

  PropertyGrid* grid_;
  QRadioButton* fta_;
  QRadioButton* pvr_;
  QCheckBox* network_;
};

}  // namespace vq
