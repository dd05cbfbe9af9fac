// The frame's Special Actions > "Update channels from internet".

#include <QAction>
#include <utility>

#include "database/settings_database.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "ui/app/frame/main_frame.h"
#include "ui/app/commands/transponder_update_command.h"

namespace vq {

void CMainFrame::AttachTransponderUpdate(TransponderUpdateDialogs& dialogs,
                                         DownloadMaker downloads) {
  delete updateCommand_;
  updateCommand_ =
      new TransponderUpdateCommand(*view_, config_, dialogs, std::move(downloads), this, this);
  QAction* action = actions_.updateFromInternet;
  const auto enable = [this, action] {
    action->setEnabled(document_.Database().GetModel() != kModelNone);
  };
  connect(action, &QAction::triggered, updateCommand_, &TransponderUpdateCommand::Run);
  connect(&document_, &CVQChannelEditorDoc::documentReplaced, updateCommand_,
          &TransponderUpdateCommand::Cancel);
  connect(&document_, &CVQChannelEditorDoc::documentReplaced, updateCommand_, enable);
  enable();
}

}  // namespace vq
