// The frame's preset commands: File > "Export" and "Import" > "Preset data".

#include <QAction>

#include "database/channel_types.h"
#include "editing/list_state.h"
#include "ui/app/main_frame.h"
#include "ui/app/preset_menu_commands.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {

void CMainFrame::AttachPresetCommands(DocumentPrompter& prompter, PresetDialogs& dialogs) {
  delete presetCommands_;
  presetCommands_ = new PresetMenuCommands(document_, prompter, dialogs, this);
  connect(actions_.exportPreset, &QAction::triggered, presetCommands_, &PresetMenuCommands::Export);
  connect(actions_.importPreset, &QAction::triggered, presetCommands_, &PresetMenuCommands::Import);
  connect(presetCommands_, &PresetMenuCommands::presetImported, this,
          &CMainFrame::ResetViewAfterImport);
  actions_.exportPreset->setEnabled(true);
  actions_.importPreset->setEnabled(true);
}

void CMainFrame::ResetViewAfterImport() {
  // The pane's unfinished edit belonged to the replaced database: drop it.
  // The lists start over on all TV channels and all transponders; the
  // document's refill that follows rebuilds every list and pane.
  ListState& state = view_->State();
  state.pendingEdit = false;
  state.channelListSource = kSourceAll;
  state.transponderListSatellite = 0;
  view_->SetShownChannelType(kTv);
}

}  // namespace vq
