#include "editing/clipboard/copy_commands.h"

#include "database/settings_database.h"
#include "editing/clipboard/clip_formats.h"
#include "editing/clipboard/clip_payloads.h"
#include "editing/clipboard/clipboard.h"
#include "editing/clipboard/clipboard_states.h"
#include "editing/commands/channel_commands.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/prompter.h"
#include "editing/commands/transponder_commands.h"

namespace vq {
namespace {

// A transponder's channels: its TV channels, then radio, then data, each
// in their order on the transponder.
std::vector<const ChannelNode*> ChannelsOf(const TransponderNode& transponder) {
  std::vector<const ChannelNode*> all;
  for (int type : {kTv, kRadio, kData}) {
    std::vector<ChannelNode*> ofType;
    transponder.CollectTransponderChannels(ofType, type);
    all.insert(all.end(), ofType.begin(), ofType.end());
  }
  return all;
}

bool CopyChannels(EditingView& view, Clipboard& clipboard) {
  const std::vector<ChannelNode*> channels = SelectedChannels(view, EditList::kChannels);
  if (channels.empty()) return false;
  const int type = view.State().shownChannelType;
  if (channels.size() == 1)
    return clipboard.Put(ChannelClipFormat(type), EncodeChannelClip(CaptureChannel(*channels[0])));
  std::vector<ChannelClip> clips;
  clips.reserve(channels.size());
  for (const ChannelNode* channel : channels) clips.push_back(CaptureChannel(*channel));
  return clipboard.Put(ChannelListClipFormat(type), EncodeChannelListClip(clips));
}

TransponderChoice ChooseChannels(Prompter& prompter, const TransponderNode& transponder,
                                 TransponderCopy mode) {
  TransponderChoice choice{&transponder, {}};
  if (mode == TransponderCopy::kTransponderOnly) return choice;
  choice.channels = ChannelsOf(transponder);
  if (mode == TransponderCopy::kSomeChannels && !choice.channels.empty()) {
    // Closing the dialog without OK takes every channel.
    if (auto ticked = prompter.SelectChannelsToCopy(choice.channels))
      choice.channels = std::move(*ticked);
  }
  return choice;
}

bool CopySettings(EditingView& view, Clipboard& clipboard) {
  const SettingsClip clip = CaptureSettings(view.Database());
  return clipboard.Put(kClipSettings, clip);
}

// Every transponder of a satellite in its order, with all or none of their
// channels.
std::vector<TransponderChoice> TreeOf(const SettingsDatabase& db, const SatelliteNode& satellite,
                                      bool withChannels) {
  std::vector<TransponderNode*> transponders;
  db.CollectTransponders(transponders, satellite.GetNumber());
  std::vector<TransponderChoice> tree;
  tree.reserve(transponders.size());
  for (const TransponderNode* t : transponders)
    tree.push_back({t, withChannels ? ChannelsOf(*t) : std::vector<const ChannelNode*>{}});
  return tree;
}

bool PutTransponders(EditingView& view, Prompter& prompter, Clipboard& clipboard,
                     TransponderCopy mode) {
  const std::vector<TransponderNode*> selected = SelectedTransponders(view);
  if (selected.empty()) return false;
  if (selected.size() == 1)
    return clipboard.Put(
        kClipTransponder,
        EncodeTransponderClip(CaptureTransponder(ChooseChannels(prompter, *selected[0], mode))));
  std::vector<TransponderClip> clips;
  clips.reserve(selected.size());
  for (const TransponderNode* t : selected)
    clips.push_back(CaptureTransponder(ChooseChannels(prompter, *t, mode)));
  return clipboard.Put(kClipTransponders, EncodeTransponderListClip(clips));
}

}  // namespace

bool CopySelection(EditingView& view, Prompter& prompter, Clipboard& clipboard) {
  switch (view.State().currentTab) {
    case kTabChannels:
      if (!EvaluateCopyStates(view).copy) return false;
      CommitPendingEdits(view);
      return CopyChannels(view, clipboard);
    case kTabTransponders:
      return CopyTransponders(view, prompter, clipboard, TransponderCopy::kTransponderOnly);
    case kTabSatellites:
      return CopySatellite(view, prompter, clipboard, SatelliteCopy::kSatelliteOnly);
    case kTabSettings:
      if (!EvaluateCopyStates(view).copy) return false;
      CommitPendingEdits(view);
      return CopySettings(view, clipboard);
    default:
      return false;
  }
}

bool CopyTransponders(EditingView& view, Prompter& prompter, Clipboard& clipboard,
                      TransponderCopy mode) {
  if (view.State().currentTab != kTabTransponders) return false;
  const ClipboardStates states = EvaluateCopyStates(view);
  if (!(mode == TransponderCopy::kTransponderOnly ? states.copy : states.copyWithChannels))
    return false;
  CommitPendingEdits(view);
  return PutTransponders(view, prompter, clipboard, mode);
}

bool CopySatellite(EditingView& view, Prompter& prompter, Clipboard& clipboard,
                   SatelliteCopy mode) {
  if (view.State().currentTab != kTabSatellites) return false;
  const ClipboardStates states = EvaluateCopyStates(view);
  if (!(mode == SatelliteCopy::kSatelliteOnly ? states.copy : states.copyWithTransponders))
    return false;
  CommitPendingEdits(view);
  const std::vector<SatelliteNode*> selected = SelectedSatellites(view);
  if (selected.empty() || !selected[0]->HasSatellite() || !selected[0]->HasLnb()) return false;
  const SatelliteNode& satellite = *selected[0];
  const SettingsDatabase& db = view.Database();
  std::vector<TransponderChoice> transponders;
  switch (mode) {
    case SatelliteCopy::kSatelliteOnly:
      break;
    case SatelliteCopy::kTransponders:
      transponders = TreeOf(db, satellite, false);
      break;
    case SatelliteCopy::kTranspondersAndChannels:
      transponders = TreeOf(db, satellite, true);
      break;
    case SatelliteCopy::kSomeTranspondersChannels:
      // Closing the dialog without OK takes no transponder.
      if (auto ticked = prompter.SelectTranspondersAndChannels(TreeOf(db, satellite, true)))
        transponders = std::move(*ticked);
      break;
  }
  std::erase_if(transponders, [](const TransponderChoice& c) { return !c.transponder; });
  return clipboard.Put(kClipSatellite,
                       EncodeSatelliteClip(CaptureSatellite(satellite, transponders)));
}

void CutSelection(EditingView& view, Prompter& prompter, Clipboard& clipboard) {
  switch (view.State().currentTab) {
    case kTabChannels:
      if (CopySelection(view, prompter, clipboard)) RemoveSelectedChannels(view);
      break;
    case kTabTransponders:
      if (!EvaluateCopyStates(view).cut) return;
      CommitPendingEdits(view);
      if (PutTransponders(view, prompter, clipboard, TransponderCopy::kAllChannels))
        RemoveSelectedTransponders(view);
      break;
    default:
      break;
  }
}

}  // namespace vq
