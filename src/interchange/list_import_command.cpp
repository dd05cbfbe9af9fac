#include "interchange/list_import_command.h"

#include "database/settings_database.h"
#include "editing/command_frame.h"
#include "editing/command_texts.h"
#include "editing/editing_view.h"

namespace vq {
namespace {

// The selection before a change, as nodes: imports and orderings free no
// record the lists show, so every node is still there afterwards.
struct KeptSelection {
  std::vector<ChannelNode*> channels;
  std::vector<TransponderNode*> transponders;
};

KeptSelection KeepSelection(EditingView& view) {
  view.ShowStatus(texts::kPleaseWait);
  return {SelectedChannels(view, EditList::kChannels), SelectedTransponders(view)};
}

void FollowChange(EditingView& view, const KeptSelection& kept, const std::string& status,
                  bool changed) {
  view.Refill(EditList::kFavorites);
  view.Refill(EditList::kTransponders);
  view.Refill(EditList::kChannels);
  SelectChannelsOrFirst(view, kept.channels);
  SelectTranspondersOrFirst(view, kept.transponders);
  view.Redraw(EditList::kSatellites);
  view.RefreshCounts();
  view.UpdateButtons();
  view.ShowStatus(status);
  if (changed) view.MarkModified();
}

std::string Count(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string ImportedStatusText(const ImportSummary& s) {
  const std::string what = Count(s.ChannelsAdded(), "channel", "channels") + " and " +
                           Count(s.transpondersAdded, "transponder", "transponders");
  return s.status == ImportStatus::kStopped ? "Import stopped: " + what + " imported!"
                                            : "Imported " + what + "!";
}

std::string OrderedStatusText(const OrderSummary& s) {
  if (s.Matched() == 0) return s.message;
  return "Ordered " + Count(s.Matched(), "channel", "channels") + " like the reference!";
}

ImportSummary ImportChannels(EditingView& view, const ChannelList& list,
                             const ImportOptions& options) {
  const KeptSelection kept = KeepSelection(view);
  const ImportSummary summary = ImportChannelList(view.Database(), list, options);
  FollowChange(view, kept, ImportedStatusText(summary), summary.Changed());
  return summary;
}

ImportSummary ImportTranspondersTo(EditingView& view, const ChannelList& list,
                                   SatelliteNode& satellite, std::optional<int16_t> slotPosition) {
  const KeptSelection kept = KeepSelection(view);
  const ImportSummary summary = ImportTransponders(view.Database(), list, satellite, slotPosition);
  FollowChange(view, kept, ImportedStatusText(summary), summary.Changed());
  return summary;
}

OrderSummary OrderChannelsLike(EditingView& view, const ReferenceList& reference,
                               const OrderOptions& options) {
  const KeptSelection kept = KeepSelection(view);
  const OrderSummary summary = OrderLikeReference(view.Database(), reference, options);
  FollowChange(view, kept, OrderedStatusText(summary), summary.changed);
  return summary;
}

}  // namespace vq
