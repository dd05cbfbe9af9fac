#include "editing/clipboard/clipboard_states.h"

#include <algorithm>

#include "database/settings_database.h"
#include "editing/clipboard/clip_formats.h"
#include "editing/clipboard/clipboard_snapshot.h"
#include "editing/commands/command_frame.h"
#include "editing/commands/command_states.h"

namespace vq {
namespace {

void ChannelTab(EditingView& view, const ClipboardSnapshot& clipboard, ClipboardStates& s) {
  const ListState& state = view.State();
  const bool selected = !view.SelectedRows(EditList::kChannels).empty();
  const int type = state.shownChannelType;
  s.copy = selected;
  s.cut = selected;
  s.paste =
      state.channelListSource == kSourceAll &&
      (clipboard.Has(ChannelClipFormat(type)) || clipboard.Has(ChannelListClipFormat(type))) &&
      EvaluateCommandStates(view).addChannel;
  s.applyAttributes = clipboard.Has(ChannelClipFormat(type));
}

void TransponderTab(EditingView& view, const ClipboardSnapshot& clipboard, ClipboardStates& s) {
  const std::vector<TransponderNode*> selected = SelectedTransponders(view);
  s.copy = !selected.empty();
  s.copyWithChannels = std::any_of(selected.begin(), selected.end(), [](const TransponderNode* t) {
    return t->GetChannelCount() > 0;
  });
  s.cut = s.copy;
  s.paste = view.State().transponderListSatellite == 0 &&
            (clipboard.Has(kClipTransponder) || clipboard.Has(kClipTransponders)) &&
            EvaluateCommandStates(view).addTransponder;
  s.applyAttributes = clipboard.Has(kClipTransponder);
}

void SatelliteTab(EditingView& view, const ClipboardSnapshot& clipboard, ClipboardStates& s) {
  const std::vector<SatelliteNode*> selected = SelectedSatellites(view);
  const bool one = selected.size() == 1;
  s.copy = one;
  s.copyWithTransponders = one && selected.front()->GetTransponderCount() > 0;
  s.paste = one && clipboard.satelliteWithTransponders;
  s.applyAttributes = one && clipboard.Has(kClipSatellite);
  s.applyAndPaste = s.paste && s.applyAttributes;
}

}  // namespace

ClipboardStates EvaluateClipboardStates(EditingView& view, const Clipboard& clipboard,
                                        bool onCategory) {
  return EvaluateClipboardStates(view, TakeClipboardSnapshot(clipboard), onCategory);
}

ClipboardStates EvaluateCopyStates(EditingView& view) {
  return EvaluateClipboardStates(view, ClipboardSnapshot{});
}

ClipboardStates EvaluateClipboardStates(EditingView& view, const ClipboardSnapshot& clipboard,
                                        bool onCategory) {
  ClipboardStates s;
  if (view.Database().GetModel() == kModelNone) return s;
  switch (view.State().currentTab) {
    case kTabChannels:
      ChannelTab(view, clipboard, s);
      break;
    case kTabTransponders:
      TransponderTab(view, clipboard, s);
      break;
    case kTabSatellites:
      SatelliteTab(view, clipboard, s);
      break;
    case kTabSettings:
      s.copy = true;
      s.applyAllSettings = clipboard.Has(kClipSettings);
      s.applyCategorySettings = onCategory && s.applyAllSettings;
      break;
    default:
      break;
  }
  return s;
}

}  // namespace vq
