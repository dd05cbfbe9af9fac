#pragma once
/// @file
/// The review of "Find Duplicates" before anything is removed.

#include <QDialog>
#include <functional>
#include <vector>

#include "editing/tidy/dedupe.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeView;

namespace vq {

class DuplicateGroupsModel;

/// Lists each group of duplicates with its members and the one that stays,
/// preselected by the rule the user picks and changeable per group; "HD and
/// SD twins" finds the groups again with twins. "Remove the Others" is
/// enabled while there are groups; the dialog changes nothing itself:
/// Choices() is what the caller removes.
class DuplicatesDialog : public QDialog {
  Q_OBJECT

 public:
  /// `find(twins)` gives the groups, with HD/SD twins when asked.
  using Finder = std::function<std::vector<DuplicateGroup>(bool twins)>;

  explicit DuplicatesDialog(Finder find, QWidget* parent = nullptr);

  std::vector<DedupeChoice> Choices() const;
  DuplicateGroupsModel* Model() const { return model_; }
  QTreeView* Tree() const { return tree_; }
  QCheckBox* TwinsBox() const { return twins_; }
  QComboBox* RuleBox() const { return rule_; }
  QPushButton* RemoveButton() const { return remove_; }
  QString SummaryText() const;

 private:
  void Refind();
  void UpdateSummary();

  Finder find_;
  DuplicateGroupsModel* model_;
  QTreeView* tree_;
  QCheckBox* twins_;
  QComboBox* rule_;
  QLabel* summary_;
  QPushButton* remove_;
};

}  // namespace vq
