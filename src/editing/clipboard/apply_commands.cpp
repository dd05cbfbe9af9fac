#include "editing/clipboard/apply_commands.h"

#include <algorithm>

#include "database/settings_database.h"
#include "editing/clipboard/attribute_copy.h"
#include "editing/clipboard/clip_formats.h"
#include "editing/clipboard/clip_payloads.h"
#include "editing/clipboard/clipboard.h"
#include "editing/clipboard/clipboard_states.h"
#include "editing/clipboard/clipboard_texts.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/command_texts.h"
#include "editing/clipboard/paste_commands.h"
#include "editing/settings/settings_categories.h"

namespace vq {
namespace {

// The payload of `format` when it is the first format on the clipboard.
std::vector<uint8_t> FirstPayload(const Clipboard& clipboard, std::string_view format) {
  if (clipboard.FirstFormat() != format) return {};
  return clipboard.Get(format);
}

void ApplyToChannels(EditingView& view, const ChannelClip& clip) {
  SettingsDatabase& db = view.Database();
  view.ShowStatus(texts::kApplyingChannels);
  const std::vector<ChannelNode*> selected = SelectedChannels(view, EditList::kChannels);
  for (ChannelNode* channel : selected) CopyChannelAttributes(db, *channel, clip.channel);
  // A list of the free or the scrambled channels may have lost rows.
  const int source = view.State().channelListSource;
  if (source == kSourceFree || source == kSourceScrambled) {
    view.Refill(EditList::kChannels);
    SelectChannelsOrFirst(view, selected);
  }
  view.Redraw(EditList::kChannels);
  view.Redraw(EditList::kFavorites);
  view.RefreshCounts();
  view.ShowStatus(texts::kReady);
  view.MarkModified();
}

void ApplyToTransponders(EditingView& view, const TransponderClip& clip) {
  view.ShowStatus(texts::kApplyingTransponders);
  for (TransponderNode* transponder : SelectedTransponders(view))
    CopyTransponderAttributes(*transponder, clip.block.transponder);
  view.Redraw(EditList::kTransponders);
  view.Redraw(EditList::kChannels);
  view.RefreshCounts();
  view.ShowStatus(texts::kReady);
  view.MarkModified();
}

void ApplyToSatellites(EditingView& view, const SatelliteClip& clip) {
  view.ShowStatus(texts::kApplyingSatellites);
  for (SatelliteNode* satellite : SelectedSatellites(view))
    CopySatelliteAttributes(*satellite, clip.satellite, clip.lnb);
  view.Redraw(EditList::kSatellites);
  view.Redraw(EditList::kTransponders);
  view.Redraw(EditList::kChannels);
  view.RefreshCounts();
  view.ShowStatus(texts::kReady);
  view.MarkModified();
}

// A timer naming a slot that holds no channel in this database would fire
// on whatever channel later takes that slot.
void ClearDanglingTimers(SettingsDatabase& db) {
  ReceiverConfig config = db.GetConfigRecord();
  for (int t = 0; t < ReceiverConfig::kTimerCount; ++t) {
    const uint16_t slot = config.GetTimerChannel(t);
    if (slot != kNoTimerChannel && !db.FindChannelNode(slot))
      config.SetTimerChannel(t, kNoTimerChannel);
  }
}

}  // namespace

void ApplyAttributes(EditingView& view, const Clipboard& clipboard) {
  if (!EvaluateClipboardStates(view, clipboard).applyAttributes) return;
  switch (view.State().currentTab) {
    case kTabChannels: {
      const int type = view.State().shownChannelType;
      const std::optional<ChannelClip> clip =
          ParseChannelClip(FirstPayload(clipboard, ChannelClipFormat(type)), type);
      if (!clip) return;
      CommitPendingEdits(view);
      ApplyToChannels(view, *clip);
      break;
    }
    case kTabTransponders: {
      const std::optional<TransponderClip> clip =
          ParseTransponderClip(FirstPayload(clipboard, kClipTransponder));
      if (!clip) return;
      CommitPendingEdits(view);
      ApplyToTransponders(view, *clip);
      break;
    }
    case kTabSatellites: {
      const std::optional<SatelliteClip> clip =
          ParseSatelliteClip(FirstPayload(clipboard, kClipSatellite));
      if (!clip) return;
      CommitPendingEdits(view);
      ApplyToSatellites(view, *clip);
      break;
    }
    default:
      break;
  }
}

void ApplyAttributesAndPaste(EditingView& view, Prompter& prompter, const Clipboard& clipboard) {
  if (!EvaluateClipboardStates(view, clipboard).applyAndPaste) return;
  const std::optional<SatelliteClip> clip =
      ParseSatelliteClip(FirstPayload(clipboard, kClipSatellite));
  if (!clip) return;
  CommitPendingEdits(view);
  view.ShowStatus(texts::kApplyingAndPasting);
  ApplyToSatellites(view, *clip);
  PasteSatelliteClip(view, prompter, *clip);
  view.ShowStatus(texts::kReady);
}

void ApplySettings(EditingView& view, const Clipboard& clipboard,
                   const std::vector<int>& categories) {
  if (!EvaluateClipboardStates(view, clipboard).applyAllSettings || categories.empty()) return;
  std::optional<SettingsClip> clip = ParseSettingsClip(FirstPayload(clipboard, kClipSettings));
  if (!clip) return;
  CommitPendingEdits(view);
  SettingsDatabase& db = view.Database();
  const ReceiverConfig from(clip->data());
  ReceiverConfig to = db.GetConfigRecord();
  for (int category : categories) CopySettingsCategory(from, to, category);
  // Only timers that came from the clip are looked at: another category
  // leaves the timers as they are.
  if (std::find(categories.begin(), categories.end(), kSettingsTimer) != categories.end())
    ClearDanglingTimers(db);
  view.MarkModified();
}

}  // namespace vq
