#pragma once
/// @file
/// The working copy of the channel pane: the values shown and edited for one
/// or several channels, with a changed-mark per field.

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editing/panes/channel_field.h"
#include "editing/panes/field_values.h"

namespace vq {

class ChannelNode;
class EditingView;
class SettingsDatabase;

/// What the channel pane edits until its commit flow writes it.
///
/// The draft names its channels by table slot, never by node, together with
/// the bytes each record held when the draft was built: a selection change
/// that arrives after the fact, or a command that freed the records, can
/// then neither reach freed memory nor write into a record that changed
/// since. Values start as the first channel's; for several channels a value
/// is known only where all of them agree. Every change marks its field, and
/// only marked fields are ever written.
class ChannelDraft {
 public:
  /// A draft of no channel.
  ChannelDraft() = default;
  /// The channels in list order; `source` is the ChannelListSource whose
  /// ordering `number` (1-based, one channel only) counts in, out of
  /// `numberLimit` rows.
  ChannelDraft(const SettingsDatabase& db, const std::vector<ChannelNode*>& channels, int source,
               int number, int numberLimit);
  /// The channels of the selected rows of the view's channel list.
  static ChannelDraft FromSelection(EditingView& view);

  bool Empty() const { return slots_.empty(); }
  bool IsSingle() const { return slots_.size() == 1; }
  int Count() const { return static_cast<int>(slots_.size()); }
  /// Channel type (0 TV, 1 radio, 2 data) of the first channel.
  int Type() const { return type_; }
  int Source() const { return source_; }
  const std::vector<uint16_t>& Slots() const { return slots_; }

  /// The draft's channels whose records still hold the bytes the draft was
  /// built from, in draft order; the others are left out.
  std::vector<ChannelNode*> Resolve(const SettingsDatabase& db) const;

  int Value(ChannelField field) const { return values_[Index(field)]; }
  const std::string& Name() const { return name_; }
  /// 1-based place in the list's ordering; 0 for several channels.
  int Number() const { return number_; }
  int NumberLimit() const { return numberLimit_; }

  /// True when every channel holds the value shown (or the user set it).
  bool Known(ChannelField field) const { return known_[Index(field)]; }
  bool NameKnown() const { return nameKnown_; }
  bool Marked(ChannelField field) const { return marked_[Index(field)]; }
  bool NameMarked() const { return nameMarked_; }
  bool NumberMarked() const { return numberMarked_; }
  bool IsModified() const { return marked_.any() || nameMarked_ || numberMarked_; }

  /// Whether the pane lets the user change the field now: several channels
  /// share only flags, CAS, subtitle, ECM PID, audio mode and favourites;
  /// tracks above the count are idle; a favourite box is closed while its
  /// group is full and a channel is not in it, and data channels join no
  /// group.
  bool IsEditable(ChannelField field) const;
  bool NameEditable() const { return IsSingle(); }
  bool NumberEditable() const { return IsSingle() && numberLimit_ > 0; }
  /// Whether the AC3 track may become the current one (its PID is set).
  bool Ac3Choosable() const { return Value(ChannelField::kAc3Pid) != 0; }

  /// Changes a value and marks it, with the pane's rules: clearing
  /// "Scrambled" sets CAS 0, choosing a CAS sets "Scrambled" for any CAS
  /// but 0; a lower count or a cleared AC3 PID moves the current track to
  /// one in use. False (nothing changed) when the field is not editable or
  /// the value lies outside the field's range.
  bool Set(ChannelField field, int value);
  /// Cut to the 20 characters of the record; false for several channels.
  bool SetName(std::string_view name);
  /// 1..NumberLimit(); false otherwise.
  bool SetNumber(int number);

 private:
  static size_t Index(ChannelField field) { return static_cast<size_t>(field); }
  void Put(ChannelField field, int value);

  std::vector<uint16_t> slots_;
  std::vector<uint8_t> originals_;  ///< the records' bytes, one after the other
  int type_ = 0;
  int source_ = 0;
  int number_ = 0;
  int numberLimit_ = 0;
  std::string name_;
  bool nameKnown_ = true;
  bool nameMarked_ = false;
  bool numberMarked_ = false;
  std::vector<int> values_ = std::vector<int>(kChannelFieldCount, 0);
  std::bitset<kChannelFieldCount> known_;
  std::bitset<kChannelFieldCount> marked_;
  /// Per group: whether it may change for these channels.
  std::bitset<ChannelRecord::kFavoriteGroups> favoriteOpen_;
};

FieldRange RangeOf(ChannelField field);

}  // namespace vq
