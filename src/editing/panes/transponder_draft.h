#pragma once
/// @file
/// The working copy of the transponder pane.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editing/panes/field_values.h"

namespace vq {

class EditingView;
class SettingsDatabase;
class TransponderNode;

/// The numeric fields of a transponder the pane edits.
enum class TransponderField : int {
  kFrequency,
  kSymbolRate,
  kPolarization,  ///< 0 Auto, 1 Horizontal, 2 Vertical
  kFec,           ///< 0 "1/2" .. 5 "Auto"
  kFtaOnly,
  kTpId,
  kNetworkId,
  kEcmChannelId,
  kEcmCasId,
};
inline constexpr int kTransponderFieldCount = 9;

FieldRange RangeOf(TransponderField field);
int ReadTransponderField(const TransponderNode& transponder, TransponderField field);

/// What the transponder pane edits until its commit flow writes it.
///
/// Like the channel pane's draft it names its transponders by table slot
/// together with the bytes each record held, so a record changed or freed
/// meanwhile is never written. For several transponders a value is known
/// only where all agree, and only name, polarisation, FEC and FTA only may
/// change.
class TransponderDraft {
 public:
  TransponderDraft() = default;
  /// `listSatellite` is the TransponderListSatellite whose ordering
  /// `number` (1-based, one transponder only) counts in, out of
  /// `numberLimit` rows.
  TransponderDraft(const std::vector<TransponderNode*>& transponders, int listSatellite, int number,
                   int numberLimit);
  /// The transponders of the selected rows of the view's transponder list.
  static TransponderDraft FromSelection(EditingView& view);

  bool Empty() const { return slots_.empty(); }
  bool IsSingle() const { return slots_.size() == 1; }
  int ListSatellite() const { return listSatellite_; }
  /// The draft's transponders whose records still hold the bytes the draft
  /// was built from, in draft order.
  std::vector<TransponderNode*> Resolve(const SettingsDatabase& db) const;

  int Value(TransponderField f) const { return values_.Value(Index(f)); }
  bool Known(TransponderField f) const { return values_.Known(Index(f)); }
  bool Marked(TransponderField f) const { return values_.Marked(Index(f)); }
  const DraftText& Name() const { return name_; }
  int Number() const { return number_; }
  int NumberLimit() const { return numberLimit_; }
  bool NumberMarked() const { return numberMarked_; }
  bool IsModified() const { return values_.AnyMarked() || name_.marked || numberMarked_; }

  bool IsEditable(TransponderField f) const;
  bool NumberEditable() const { return IsSingle() && numberLimit_ > 0; }
  /// False (nothing changed) when the field is closed or the value out of
  /// its range.
  bool Set(TransponderField f, int value);
  /// Cut to the 14 characters of the record.
  bool SetName(std::string_view name);
  /// 1..NumberLimit().
  bool SetNumber(int number);

 private:
  static size_t Index(TransponderField f) { return static_cast<size_t>(f); }

  std::vector<uint16_t> slots_;
  std::vector<uint8_t> originals_;
  int listSatellite_ = 0;
  int number_ = 0;
  int numberLimit_ = 0;
  bool numberMarked_ = false;
  DraftText name_;
  FieldValues<kTransponderFieldCount> values_;
};

}  // namespace vq
