#pragma once
/// @file
/// The property pane of the satellites selected in the satellite list.

#include <optional>
#include <string>

#include "editing/panes/satellite_commit.h"
#include "editing/panes/satellite_draft.h"
#include "ui/panes/draft_pane.h"

namespace vq {

/// Row ids of the satellite pane. Each predefined channel's group is
/// followed by its rows in PredefinedPart order, the name last.
namespace satellite_rows {
enum Row : int {
  kGeneral = 100,
  kNumber,
  kName,
  kPosition,
  kTransponders,
  kChannels,
  kLnb = 110,
  kLnbType,
  kLnbSingle,
  kLnbUniversal,
  kHighOscillator,
  kLowOscillator,
  kTone22k,
  kOutput12v,
  kSwitch = 120,
  kSwitchType,
  kSwitchPort,
  kToneBurst = 130,
  kBurstOff,
  kBurstA,
  kBurstB,
  kMotor = 140,
  kMotorType,
  kMotorOff,
  kMotorDiseqc,
  kMotorUsals,
  kMotorIndex,
  kPredefined1 = 150,  ///< group of predefined channel k: kPredefined1 + 10 * k
  kPredefinedName1 = kPredefined1 + 1 + kPredefinedParts,
};
/// Row of part `part` of predefined channel k.
inline int PredefinedRow(int k, PredefinedPart part) {
  return kPredefined1 + 10 * k + 1 + static_cast<int>(part);
}
inline int PredefinedNameRow(int k) { return kPredefinedName1 + 10 * k; }
}  // namespace satellite_rows

/// Shows a satellite's name, position, LNB, DiSEqC switch, tone burst,
/// motor and predefined channels, or what several satellites share. The
/// checks of the satellite pane refuse a typed value with their message
/// before it reaches the SatelliteDraft, which the commit flow writes.
class SatellitePane final : public DraftPane<SatelliteDraft, SatelliteField, CommitSatelliteDraft> {
 public:
  using DraftPane::DraftPane;

 private:
  void Describe() override;
  void ShowRadios(int firstRow, int count, SatelliteField field);
  void ShowDisabledNumber(int row);
  void Refresh() override;
  std::string LnbSummary() const;
  std::string SwitchSummary() const;
  std::string MotorSummary() const;
  std::string Summary(int groupRow) const override;
  /// Shows the message that refused a value; true when there is none.
  bool Accepted(const std::string& refusal);
  /// With ColapseAfterSelection, closes the groups a choice on `row` ends.
  void CollapseAfterChoice(int row);
  bool TakeValue(const GridNotification& note) override;
  /// A radio choice or a plain option, check or number row taken into the
  /// draft; nothing when `note` is about another row.
  std::optional<bool> TakeChoice(const GridNotification& note);
  bool TakePredefinedValue(int row);

  bool LoadTexts(EditingView& view) override;
  std::string transponders_, channels_;
};

}  // namespace vq
