#pragma once
/// @file
/// The receiver settings pane's working copy and its commit flow.

#include <array>
#include <cstdint>
#include <string>

#include "database/receiver_config.h"

namespace vq {

class EditingView;
class Prompter;
class SettingsDatabase;

/// A full copy of the configuration record and the category it is shown
/// for. The pane edits the copy through the record's accessors; the commit
/// writes only that category back.
class SettingsDraft {
 public:
  SettingsDraft() = default;
  static SettingsDraft FromDatabase(const SettingsDatabase& db, int category);

  int Category() const { return category_; }
  /// The copy, edited through the record's accessors.
  ReceiverConfig Config() { return ReceiverConfig(bytes_.data()); }
  /// The copy for reading only.
  ReceiverConfig View() const { return ReceiverConfig(const_cast<uint8_t*>(bytes_.data())); }
  const uint8_t* Bytes() const { return bytes_.data(); }
  /// Whether the user changed a value since the copy was taken.
  bool IsModified() const { return modified_; }
  void MarkModified() { modified_ = true; }

 private:
  std::array<uint8_t, ReceiverConfig::kSize> bytes_{};
  int category_ = -1;
  bool modified_ = false;
};

/// Writes the fields of `category` from `edited` into `stored` through the
/// record's accessors. A field the user left alone keeps its bytes even
/// where the accessors would rewrite them (a flag stored as 2 reads as
/// clear and would be written back as 0).
void WriteSettingsCategory(const ReceiverConfig& edited, ReceiverConfig stored, int category);

/// The settings commit: after the asking rule of PostEditAction, writes the
/// draft's category into the database's record and marks the document
/// modified. A timer's channel that no longer exists is written as none.
/// False when nothing was written (also for a draft without changes).
bool CommitSettingsDraft(EditingView& view, Prompter& prompter, const SettingsDraft& draft,
                         bool asking, int postEditAction);

/// The "Channel" text of timer t: the channel's name, or "Not Defined"
/// for a timer without mode or without a channel that exists.
std::string TimerChannelText(const SettingsDatabase& db, const ReceiverConfig& config, int t);

}  // namespace vq
