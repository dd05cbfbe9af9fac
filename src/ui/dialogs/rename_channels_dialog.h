#pragma once
/// @file
/// "Rename Channels": find and replace in names, with a preview.

#include <QDialog>
#include <functional>

#include "editing/tidy/rename.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace vq {

class RenamePreviewModel;

/// The find and replace texts, plain or a pattern, case, which channels,
/// and a preview of every name that changes, redone as the user types.
/// "Rename" is enabled while the preview changes names and refuses none;
/// text beyond Latin-1, a broken pattern and refused names are explained.
class RenameChannelsDialog : public QDialog {
  Q_OBJECT

 public:
  /// `plan(rule, selectionOnly)` previews a rule on the chosen channels.
  using Planner = std::function<RenamePlan(const RenameRule& rule, bool selectionOnly)>;

  RenameChannelsDialog(Planner plan, int selected, QWidget* parent = nullptr);

  RenameRule Rule() const;
  bool SelectionOnly() const;

  QLineEdit* FindEdit() const { return find_; }
  QLineEdit* ReplaceEdit() const { return replace_; }
  QCheckBox* RegexBox() const { return regex_; }
  QCheckBox* CaseBox() const { return ignoreCase_; }
  QRadioButton* SelectedButton() const { return selected_; }
  QRadioButton* AllButton() const { return all_; }
  RenamePreviewModel* Preview() const { return preview_; }
  QPushButton* RenameButton() const { return rename_; }
  QString ProblemText() const;

 private:
  void Replan();

  Planner plan_;
  QLineEdit* find_;
  QLineEdit* replace_;
  QCheckBox* regex_;
  QCheckBox* ignoreCase_;
  QRadioButton* selected_;
  QRadioButton* all_;
  RenamePreviewModel* preview_;
  QTableView* table_;
  QLabel* problem_;
  QPushButton* rename_;
};

}  // namespace vq
