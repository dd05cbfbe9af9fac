#pragma once
/// @file
/// The review of a comparison with another list before anything is taken
/// over.

#include <QDialog>
#include <vector>

#include "compare/database_comparison.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QStandardItem;
class QStandardItemModel;
class QTreeView;

namespace vq {

/// Shows the differences by section (only in the other list, only in this
/// document, changed, placed differently), each with a check box. New
/// records and changed transponders and channels start ticked; removals,
/// placements, satellites, settings and group names start unticked. A filter
/// narrows the list to new channels or to changed records; "Take over"
/// applies the ticked differences that are shown. The dialog changes
/// nothing itself: Chosen() is what the caller takes over.
class CompareReviewDialog : public QDialog {
  Q_OBJECT

 public:
  enum Filter : int { kAll = 0, kNewChannels = 1, kChanged = 2 };

  CompareReviewDialog(const DatabaseComparison& comparison, const QString& otherName,
                      QWidget* parent = nullptr);

  /// Indexes into the comparison's differences, ticked and shown.
  std::vector<size_t> Chosen() const;
  void SetFilter(int filter);
  /// Ticks or unticks every difference of the shown ones (a section's items).
  void TickAll(bool ticked);
  QTreeView* Tree() const { return tree_; }
  QPushButton* TakeOverButton() const { return takeOver_; }
  QCheckBox* OrderBox() const { return order_; }
  QString SummaryText() const;

 private:
  void UpdateSummary();
  std::vector<QStandardItem*> Items() const;

  const DatabaseComparison& comparison_;
  QStandardItemModel* model_;
  QTreeView* tree_;
  QComboBox* filter_;
  QCheckBox* order_;
  QLabel* summary_;
  QPushButton* takeOver_;
};

}  // namespace vq
