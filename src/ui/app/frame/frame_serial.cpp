// The frame's serial receiver commands: File > "Open from COM..." and
// "Save to COM", enabled by the editor configuration.

#include <QAction>

#include "ui/app/config/editor_config.h"
#include "ui/app/frame/main_frame.h"
#include "ui/app/commands/serial_receiver_commands.h"

namespace vq {

void CMainFrame::AttachSerialCommands(SerialReceiverCommands* commands) {
  delete serialCommands_;
  serialCommands_ = commands;
  commands->setParent(this);
  connect(actions_.openCom, &QAction::triggered, commands, &SerialReceiverCommands::OpenFromCom);
  connect(actions_.saveCom, &QAction::triggered, commands, &SerialReceiverCommands::SaveToCom);
  connect(commands, &SerialReceiverCommands::statusMessage, this, &CMainFrame::ShowStatusMessage);
  UpdateSerialCommands();
}

void CMainFrame::UpdateSerialCommands() {
  const bool enabled = serialCommands_ && config_.ComCommandsEnabled != 0;
  actions_.openCom->setEnabled(enabled);
  actions_.saveCom->setEnabled(enabled);
}

}  // namespace vq
