#pragma once
/// @file
/// Keeping the free and scrambled numbering dense when channels change sides.

#include <vector>

namespace vq {

class ChannelNode;
class SettingsDatabase;

/// Refiles TV and radio channels whose scrambled bit was just written to the
/// other state: each leaves the list it was in, whose members behind it
/// close up, and joins the end of the other list in the order given. The
/// result equals LeaveFreeList / LeaveScrambledList called for each channel
/// in turn, in one pass over each list. Data channels are left alone.
void RefileChangedChannels(SettingsDatabase& db, const std::vector<ChannelNode*>& changed);

}  // namespace vq
