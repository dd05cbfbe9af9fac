#pragma once
/// @file
/// The imports from other lists and the ordering by a reference as editing
/// commands over the main view: one call each, so a caller can record it as
/// one step.

#include <cstdint>
#include <optional>
#include <string>

#include "interchange/list_import.h"
#include "interchange/order_like.h"

namespace vq {

class EditingView;
class SatelliteNode;

/// The status text after an import in the user's language: "Imported 12
/// channels and 3 transponders!" or, when a table filled up, "Import stopped: ...".
std::string ImportedStatusText(const ImportSummary& summary);
/// The status text after ordering in the user's language: "Ordered 40
/// channels like the reference!"
std::string OrderedStatusText(const OrderSummary& summary);

/// Merges `list` through ImportChannelList and brings the view in step:
/// every list is rebuilt, the selection kept where its records stay (else
/// row 0), counts, selectors and buttons refreshed, the status text says
/// what was imported, and the document is marked modified when anything
/// changed. Pending pane edits are the caller's to commit first.
ImportSummary ImportChannels(EditingView& view, const ChannelList& list,
                             const ImportOptions& options);

/// Adds the transponders of `list` to `satellite` (ImportTransponders; a
/// free slot takes `slotPosition` when given), then the view as
/// ImportChannels.
ImportSummary ImportTranspondersTo(EditingView& view, const ChannelList& list,
                                   SatelliteNode& satellite, std::optional<int16_t> slotPosition);

/// Renumbers the channels like `reference` (OrderLikeReference), then the
/// view as ImportChannels; the document is marked modified when a channel
/// number or a favourite group changed.
OrderSummary OrderChannelsLike(EditingView& view, const ReferenceList& reference,
                               const OrderOptions& options);

}  // namespace vq
