#pragma once
/// @file
/// The favourite groups with their counts and the channels of the chosen one.

#include <QWidget>

class QListView;
class QPushButton;

namespace vq {

class FavoriteMembersModel;
class PropertyGrid;
class SettingsDatabase;
struct FavoriteGroupCounts;

/// Lists the eight favourite groups (name, TV and radio counts); choosing a
/// group lists its channels below, with the buttons that take channels out.
class FavoritesPanel : public QWidget {
  Q_OBJECT

 public:
  explicit FavoritesPanel(QWidget* parent = nullptr);

  /// Re-reads the groups (taking the member counts as UpdateGroups does)
  /// and the member list of the chosen group.
  void Update(const SettingsDatabase* database, const FavoriteGroupCounts& counts);
  /// Re-reads the group names and takes the member counts (of
  /// database->CountFavoriteGroups()); the member list stays. Columns are
  /// fitted again only when a text changed.
  void UpdateGroups(const SettingsDatabase* database,
                    const FavoriteGroupCounts& counts);
  /// Chooses group `group` (0..7) or none (-1) and lists its channels.
  void ChooseGroup(int group);
  int ChosenGroup() const;

  PropertyGrid* Groups() const { return groups_; }
  QListView* Members() const { return members_; }
  FavoriteMembersModel* MembersModel() const { return model_; }
  QPushButton* RemoveButton() const { return remove_; }
  QPushButton* RemoveAllButton() const { return removeAll_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  /// Sizes the group table's columns to their texts, and its height to its rows.
  void FitColumns();

  const SettingsDatabase* database_ = nullptr;
  PropertyGrid* groups_;
  QListView* members_;
  FavoriteMembersModel* model_;
  QPushButton* remove_;
  QPushButton* removeAll_;
};

}  // namespace vq
