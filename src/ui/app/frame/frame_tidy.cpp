// The frame's Special Actions for tidying up the channel list, also offered
// in the channel list's context menu.

#include <QMenu>

#include "document/qt/vq_channel_editor_doc.h"
#include "ui/app/frame/main_frame.h"
#include "ui/app/commands/tidy_menu_commands.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {

void CMainFrame::AttachTidyCommands(TidyDialogs& dialogs) {
  if (!tidyCommands_) specialMenu_->addSeparator();
  delete tidyCommands_;  // its actions leave the menu with it
  tidyCommands_ = new TidyMenuCommands(*view_, dialogs, this);
  TidyMenuCommands* c = tidyCommands_;
  c->AddTo(specialMenu_);
  connect(specialMenu_, &QMenu::aboutToShow, c, &TidyMenuCommands::UpdateEnabled);
  connect(&document_, &CVQChannelEditorDoc::documentReplaced, c, &TidyMenuCommands::UpdateEnabled);
  connect(&document_, &CVQChannelEditorDoc::modifiedChanged, c, &TidyMenuCommands::UpdateEnabled);
  view_->SetChannelMenuExtension([c](QMenu* menu) {
    c->UpdateEnabled();
    c->AddTo(menu);
  });
}

}  // namespace vq
