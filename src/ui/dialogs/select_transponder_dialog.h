#pragma once
/// @file
/// "Select Transponder".

#include "ui/dialogs/select_record_dialog.h"

namespace vq {

class SelectorBar;
class SettingsDatabase;
class TransponderListModel;

/// A satellite selector with previous/next buttons over the transponder
/// list; the result is the chosen transponder's table index.
class SelectTransponderDialog : public SelectRecordDialog {
  Q_OBJECT

 public:
  /// `filter` 0 lists every transponder, n + 1 those of satellite number n.
  SelectTransponderDialog(const SettingsDatabase& database, int filter, QWidget* parent = nullptr);
  SelectorBar* Selector() const { return bar_; }

 protected:
  int ValueOf(int row) const override;

 private:
  const SettingsDatabase& database_;
  SelectorBar* bar_;
  TransponderListModel* model_;
};

}  // namespace vq
