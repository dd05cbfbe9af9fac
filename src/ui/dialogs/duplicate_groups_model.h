#pragma once
/// @file
/// The groups of duplicate channels as a tree for the duplicates review.

#include <QAbstractItemModel>
#include <vector>

#include "editing/tidy/dedupe.h"

namespace vq {

/// Top-level rows are the groups (why they are one service, how many
/// members); their children are the members with number, name,
/// transponder, favourite groups and lock. The first column of a member is
/// a check box: exactly one member of each group is checked, the one that
/// stays. Checking another moves the mark.
class DuplicateGroupsModel : public QAbstractItemModel {
  Q_OBJECT

 public:
  enum Column { kKeep, kNumber, kName, kTransponder, kFavorites, kLock, kColumnCount };

  explicit DuplicateGroupsModel(QObject* parent = nullptr);

  /// Shows `groups` with the member `rule` keeps checked in each.
  void SetGroups(std::vector<DuplicateGroup> groups, KeepRule rule);
  /// Checks in every group the member `rule` keeps.
  void ApplyRule(KeepRule rule);
  /// What "Remove the others" removes.
  std::vector<DedupeChoice> Choices() const;
  int GroupCount() const { return static_cast<int>(groups_.size()); }
  int RemovedCount() const;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 signals:
  void keepChanged();

 private:
  QVariant MemberData(int group, int member, int column, int role) const;

  std::vector<DuplicateGroup> groups_;
  std::vector<int> keep_;  ///< per group, the index of the kept member
};

}  // namespace vq
