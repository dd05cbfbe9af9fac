#pragma once
/// @file
/// The differences of a transponder comparison as a tree to tick.

#include <QAbstractItemModel>
#include <vector>

#include "interchange/transponder_update.h"

namespace vq {

/// One row per satellite in use (its title and what became of it), with one
/// checkable child row per difference. New and changed transponders start
/// ticked, and vanished ones that carry no channel; everything that would
/// remove channels starts unticked. A satellite row's check box ticks or
/// unticks all its differences.
class TransponderReviewModel : public QAbstractItemModel {
  Q_OBJECT

 public:
  enum Column { kDifference, kTransponder, kBecomes, kChannels, kTable, kColumnCount };

  explicit TransponderReviewModel(TransponderComparison comparison, QObject* parent = nullptr);

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  /// The ticked differences, in order.
  std::vector<TransponderUpdate> Ticked() const;
  int DifferenceCount() const;
  int TickedCount() const;
  /// Channels the ticked vanished transponders carry.
  int TickedChannelRemovals() const;
  /// Ticks or unticks every difference.
  void TickAll(bool ticked);

 signals:
  void ticksChanged();

 private:
  // A child index carries its satellite row + 1 as internal id; a satellite
  // row carries 0.
  const SatelliteComparison& SatelliteOf(const QModelIndex& index) const;
  QVariant SatelliteData(int row, int column, int role) const;
  QVariant UpdateData(int satellite, int row, int column, int role) const;
  Qt::CheckState SatelliteCheck(int row) const;
  void SetTicks(int satellite, bool ticked);

  TransponderComparison comparison_;
  std::vector<std::vector<bool>> ticked_;
};

}  // namespace vq
