#pragma once
/// @file
/// "Select Channel".

#include "ui/dialogs/select_record_dialog.h"

namespace vq {

class ChannelListModel;
class SelectorBar;
class SettingsDatabase;

/// A filter selector (all, free, scrambled, each satellite, each favourite
/// group) and a type selector over the channel list; the result is the
/// chosen channel's table index.
class SelectChannelDialog : public SelectRecordDialog {
  Q_OBJECT

 public:
  explicit SelectChannelDialog(const SettingsDatabase& database, QWidget* parent = nullptr);
  SelectorBar* Selector() const { return bar_; }

 protected:
  int ValueOf(int row) const override;

 private:
  void Refill();

  const SettingsDatabase& database_;
  SelectorBar* bar_;
  ChannelListModel* model_;
  int filter_ = 0;
  int type_ = 0;
};

/// "%s (T: %d, R: %d, D: %d)" or "%s (----------EMPTY----------)".
std::string ChannelDialogSatelliteEntry(const std::string& name, int tv, int radio, int data);
/// "%s (T: %d, R: %d)" or the empty form.
std::string ChannelDialogGroupEntry(const std::string& name, int tv, int radio);

}  // namespace vq
