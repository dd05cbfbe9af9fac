#pragma once
/// @file
/// The property pane of the transponders selected in the transponder list.

#include <string>

#include "editing/panes/transponder_commit.h"
#include "editing/panes/transponder_draft.h"
#include "ui/panes/draft_pane.h"

namespace vq {

/// Row ids of the transponder pane.
namespace transponder_rows {
enum Row : int {
  kGeneral = 100,
  kNumber,
  kName,
  kFrequency,
  kSymbolRate,
  kPolarization,
  kFec,
  kFtaOnly,
  kTpId,
  kNetworkId,
  kEcmChannelId,
  kEcmCasId,
  kChannels,
  kSatellite = 120,
  kSatelliteName,
  kPosition,
  kTransponders,
  kSatelliteChannels,
};
}  // namespace transponder_rows

/// Shows every field of one transponder, or the name, polarisation, FEC and
/// FTA only that several share (the other rows disabled), and read-only
/// its satellite. Values go into a TransponderDraft, which the commit flow
/// writes.
class TransponderPane final
    : public DraftPane<TransponderDraft, TransponderField, CommitTransponderDraft> {
 public:
  using DraftPane::DraftPane;

 private:
  void Describe() override;
  void Refresh() override;
  std::string Summary(int groupRow) const override;
  bool TakeValue(const GridNotification& note) override;

  bool LoadTexts(EditingView& view) override;
  std::string channels_;  ///< "T-%d, R-%d, D-%d" of one transponder
  std::string satelliteName_, position_, transponders_, satelliteChannels_;
  std::string satelliteSummary_;
};

}  // namespace vq
