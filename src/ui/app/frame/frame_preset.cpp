// The frame's preset commands: File > "Export" and "Import" > "Preset data".

#include <QAction>

#include "ui/app/frame/main_frame.h"
#include "ui/app/commands/preset_menu_commands.h"
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
  // The document's refill that follows rebuilds every list and pane.
  view_->StartOverOnAllRecords();
}

}  // namespace vq
