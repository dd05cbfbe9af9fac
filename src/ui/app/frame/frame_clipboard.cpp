// Copy, cut and paste of the Edit menu, the toolbar and the shortcuts over
// the desktop clipboard.

#include "editing/clipboard/qt/qt_clipboard.h"
#include "ui/app/frame/main_frame.h"
#include "ui/view/view_clipboard.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {

void CMainFrame::ConnectClipboard() {
  clipboard_ = new QtClipboard(this);
  ViewClipboard* commands = view_->ClipboardCommands();
  // Another program's copy changes the enabled states too.
  connect(clipboard_, &QtClipboard::changed, commands, &ViewClipboard::ClipboardChanged);
  // Reading the desktop's clipboard asks the program that owns it, which
  // may be slow to answer, and loads Qt's image plug-ins: the window does
  // not wait for it.
  commands->SetClipboard(clipboard_, true);
  commands->AttachActions(actions_.cut, actions_.copy, actions_.paste);
}

}  // namespace vq
