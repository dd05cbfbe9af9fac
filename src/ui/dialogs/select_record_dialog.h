#pragma once
/// @file
/// The frame shared by the three selection dialogs.

#include <QDialog>
#include <initializer_list>
#include <optional>
#include <utility>

class QVBoxLayout;

namespace vq {

class RecordTableView;

/// A modal dialog around one record list with OK and Cancel. OK (or a
/// double click on a row) takes the first selected row; with none selected
/// the dialog shows its refusal text and stays open. The result is the
/// value `valueOf` gives for that row (the record's index, not the row).
class SelectRecordDialog : public QDialog {
  Q_OBJECT

 public:
  std::optional<int> Chosen() const { return chosen_; }
  RecordTableView* List() const { return list_; }
  void accept() override;

 protected:
  SelectRecordDialog(const QString& title, QString refusal, QWidget* parent);
  /// Puts `list` under the selectors added to Body() and returns it.
  void SetList(RecordTableView* list);
  QVBoxLayout* Body() const { return body_; }
  /// Gives columns of the list their widths in dialog units, where this
  /// dialog's columns are wider than the main view's.
  void SetColumnWidths(std::initializer_list<std::pair<int, int>> widths);
  /// The record index of a row, or -1.
  virtual int ValueOf(int row) const = 0;

 private:
  QString refusal_;
  QVBoxLayout* body_;
  RecordTableView* list_ = nullptr;
  std::optional<int> chosen_;
};

}  // namespace vq
