#pragma once
// Whoever keeps pointers to index nodes (list rows, selections) hears here,
// before the database frees nodes, which ones are about to go.

#include <vector>

namespace vq {

class ChannelNode;
class TransponderNode;

/// Called by SettingsDatabase before it frees index nodes; the nodes named
/// are still valid during the call. An observer lets go of them and may
/// read the database, but must not change it.
class IndexObserver {
 public:
  virtual ~IndexObserver() = default;
  /// These channels are about to be deleted.
  virtual void ChannelsDeleting(const std::vector<ChannelNode*>& channels) = 0;
  /// These transponders are about to be deleted with all their channels.
  virtual void TranspondersDeleting(const std::vector<TransponderNode*>& transponders) = 0;
  /// Every transponder and channel node is about to be freed (reset, load,
  /// index rebuild).
  virtual void IndexResetting() = 0;
};

}  // namespace vq
