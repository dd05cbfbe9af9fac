#include "interchange/list_import_command.h"

#include "common/translated_format.h"
#include "database/settings_database.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/command_texts.h"
#include "editing/commands/editing_view.h"

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

std::string Channels(int n) {
  return TranslatedFormat(n == 1 ? VQ_TRANSLATE_NOOP("CoreText", "%d channel")
                                 : VQ_TRANSLATE_NOOP("CoreText", "%d channels"),
                          n);
}

std::string Transponders(int n) {
  return TranslatedFormat(n == 1 ? VQ_TRANSLATE_NOOP("CoreText", "%d transponder")
                                 : VQ_TRANSLATE_NOOP("CoreText", "%d transponders"),
                          n);
}

}  // namespace

std::string ImportedStatusText(const ImportSummary& s) {
  return TranslatedFormat(s.status == ImportStatus::kStopped
                              ? VQ_TRANSLATE_NOOP("CoreText", "Import stopped: %s and %s imported!")
                              : VQ_TRANSLATE_NOOP("CoreText", "Imported %s and %s!"),
                          Channels(s.ChannelsAdded()).c_str(),
                          Transponders(s.transpondersAdded).c_str());
}

std::string OrderedStatusText(const OrderSummary& s) {
  if (s.Matched() == 0) return s.message;
  return TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "Ordered %s like the reference!"),
                          Channels(s.Matched()).c_str());
}

ImportSummary ImportChannels(EditingView& view, const ChannelList& list,
                             const ImportOptions& options) {
  const KeptSelection kept = KeepSelection(view);
  ImportSummary summary = ImportChannelList(view.Database(), list, options);
  FollowChange(view, kept, ImportedStatusText(summary), summary.Changed());
  return summary;
}

ImportSummary ImportTranspondersTo(EditingView& view, const ChannelList& list,
                                   SatelliteNode& satellite, std::optional<int16_t> slotPosition) {
  const KeptSelection kept = KeepSelection(view);
  ImportSummary summary = ImportTransponders(view.Database(), list, satellite, slotPosition);
  FollowChange(view, kept, ImportedStatusText(summary), summary.Changed());
  return summary;
}

OrderSummary OrderChannelsLike(EditingView& view, const ReferenceList& reference,
                               const OrderOptions& options) {
  const KeptSelection kept = KeepSelection(view);
  OrderSummary summary = OrderLikeReference(view.Database(), reference, options);
  FollowChange(view, kept, OrderedStatusText(summary), summary.changed);
  return summary;
}

}  // namespace vq
