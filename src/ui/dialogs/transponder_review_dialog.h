#pragma once
/// @file
/// The review of "Update channels from internet" before anything changes.

#include <QDialog>
#include <vector>

#include "interchange/transponder_update.h"

class QLabel;
class QPushButton;
class QTreeView;

namespace vq {

class TransponderReviewModel;

/// Shows where the tables came from, every satellite in use with what
/// became of it, and its differences to tick (TransponderReviewModel).
/// "Apply" is enabled while anything is ticked; the dialog changes nothing
/// itself: Ticked() is what the caller applies.
class TransponderReviewDialog : public QDialog {
  Q_OBJECT

 public:
  TransponderReviewDialog(TransponderComparison comparison, const ScanTableSet& tables,
                          QWidget* parent = nullptr);

  std::vector<TransponderUpdate> Ticked() const;
  TransponderReviewModel* Model() const { return model_; }
  QTreeView* Tree() const { return tree_; }
  QPushButton* ApplyButton() const { return apply_; }
  /// "n of m differences ticked", and the channels that would go with them.
  QString SummaryText() const;

 private:
  void UpdateSummary();

  TransponderReviewModel* model_;
  QTreeView* tree_;
  QLabel* summary_;
  QPushButton* apply_;
};

}  // namespace vq
