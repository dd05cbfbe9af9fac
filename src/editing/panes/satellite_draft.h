#pragma once
/// @file
/// The working copy of the satellite pane: a satellite record and its LNB.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "database/satellite_record.h"
#include "editing/panes/field_values.h"

namespace vq {

class EditingView;
class SatelliteNode;
class SettingsDatabase;

/// The numeric fields of a satellite and its LNB record the pane edits.
/// The predefined channels follow as three runs of six fields.
enum class SatelliteField : int {
  kPosition,  ///< tenths of a degree, east positive
  kLnbType,   ///< 0 single, 1 universal
  kHighOscillator,
  kLowOscillator,
  kTone22k,
  kOutput12v,
  kSwitchType,  ///< 0 "Off" .. 10 "10 Port"
  kSwitchPort,  ///< 1..16
  kToneBurst,   ///< 0 off, 1 A, 2 B
  kMotorType,   ///< 0 off, 1 DiSEqC 1.2, 2 USALS
  kMotorIndex,  ///< 0 none, else the stored position
  kPredefined1,
};
/// The fields of one predefined channel, in the order of their run.
enum class PredefinedPart : int {
  kFrequency,
  kSymbolRate,
  kPolarization,  ///< 0 Auto, 1 Horizontal, 2 Vertical
  kVideoPid,
  kAudioPid,
  kPcrPid,
};
inline constexpr int kPredefinedParts = 6;
inline constexpr int kSatelliteFieldCount = static_cast<int>(SatelliteField::kPredefined1) +
                                            SatelliteRecord::kPredefinedCount * kPredefinedParts;

/// Field `part` of predefined channel k (0..2).
SatelliteField PredefinedField(int k, PredefinedPart part);
/// The predefined channel (0..2) of a field, or -1; `part` gets its part.
int PredefinedOf(SatelliteField field, PredefinedPart* part = nullptr);

/// Ports of a switch type: 2, 4, 8, 16, 8 ("8-1 Port") or 10; 0 for "Off",
/// "DiSEqC 1" .. "DiSEqC 4" and unknown types, which have no port.
int SwitchPortCount(int switchType);

FieldRange RangeOf(SatelliteField field);
/// A field as the pane shows it: a motor index without a stored position
/// reads 0.
int ReadSatelliteField(const SatelliteNode& satellite, SatelliteField field);

/// What the satellite pane edits until its commit flow writes it.
///
/// Names its satellites by number with the bytes of both records as they
/// were, so a satellite that moved or changed meanwhile is never written.
/// For several satellites a value is known only where all agree; name,
/// number and position then stay closed. Every change marks its field and
/// only marked fields are written, so switching an LNB to "Single" and back
/// keeps the low oscillator the record holds.
class SatelliteDraft {
 public:
  SatelliteDraft() = default;
  explicit SatelliteDraft(const std::vector<SatelliteNode*>& satellites);
  /// The satellites of the selected rows of the view's satellite list.
  static SatelliteDraft FromSelection(EditingView& view);

  bool Empty() const { return numbers_.empty(); }
  bool IsSingle() const { return numbers_.size() == 1; }
  int Count() const { return static_cast<int>(numbers_.size()); }
  /// The draft's satellites whose records still hold what they held, in
  /// draft order.
  std::vector<SatelliteNode*> Resolve(const SettingsDatabase& db) const;
  /// Whether `satellite` is one of the draft's (by its number now).
  bool Holds(const SatelliteNode& satellite) const;

  int Value(SatelliteField f) const { return values_.Value(Index(f)); }
  bool Known(SatelliteField f) const { return values_.Known(Index(f)); }
  bool Marked(SatelliteField f) const { return values_.Marked(Index(f)); }
  const DraftText& Name() const { return name_; }
  const DraftText& PredefinedName(int k) const {
    return predefinedNames_.at(static_cast<size_t>(k));
  }
  /// 1..64 for one satellite; 0 for several.
  int Number() const { return number_; }
  bool NumberMarked() const { return numberMarked_; }
  bool IsModified() const;

  /// Several satellites share every field but the position; the port is
  /// open for a port switch, the motor index while a motor is on.
  bool IsEditable(SatelliteField f) const;
  /// Changes a value and marks it; a new switch type clamps a known port
  /// into its range. False when closed or out of range.
  bool Set(SatelliteField f, int value);
  /// Cut to the record's width; the name needs one satellite.
  bool SetName(std::string_view name);
  bool SetPredefinedName(int k, std::string_view name);
  /// 1..64; one satellite only.
  bool SetNumber(int number);

 private:
  static size_t Index(SatelliteField f) { return static_cast<size_t>(f); }

  std::vector<uint16_t> numbers_;
  std::vector<uint8_t> originals_;  ///< satellite then LNB bytes, per satellite
  int number_ = 0;
  bool numberMarked_ = false;
  DraftText name_;
  std::array<DraftText, SatelliteRecord::kPredefinedCount> predefinedNames_;
  FieldValues<kSatelliteFieldCount> values_;
};

}  // namespace vq
