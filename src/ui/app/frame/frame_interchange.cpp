// The frame's File > "Import" and "Export" entries for channel lists from
// and for elsewhere.

#include <QAction>

#include "database/settings_database.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "ui/app/commands/interchange_commands.h"
#include "ui/app/frame/main_frame.h"

namespace vq {

void CMainFrame::AttachInterchangeCommands(InterchangeDialogs& dialogs) {
  delete interchangeCommands_;
  interchangeCommands_ = new InterchangeCommands(*view_, document_, dialogs, this);
  InterchangeCommands* c = interchangeCommands_;
  const FrameActions& a = actions_;
  connect(a.importVdrChannels, &QAction::triggered, c, &InterchangeCommands::ImportVdrChannels);
  connect(a.importScanTable, &QAction::triggered, c, &InterchangeCommands::ImportScanTable);
  connect(a.orderLikeList, &QAction::triggered, c, &InterchangeCommands::OrderLikeAnotherList);
  connect(a.exportVdrChannels, &QAction::triggered, c, &InterchangeCommands::ExportVdrChannels);
  connect(a.exportCsv, &QAction::triggered, c, &InterchangeCommands::ExportCsv);
  const auto enable = [this] {
    const bool loaded = document_.Database().GetModel() != kModelNone;
    for (QAction* action : {actions_.importVdrChannels, actions_.importScanTable,
                            actions_.orderLikeList, actions_.exportVdrChannels, actions_.exportCsv})
      action->setEnabled(loaded);
  };
  connect(&document_, &CVQChannelEditorDoc::documentReplaced, c, enable);
  enable();
}

}  // namespace vq
