// The frame's File > "Compare with file...".

#include <QAction>
#include <QMenu>

#include "database/settings_database.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "ui/app/commands/compare_command.h"
#include "ui/app/frame/main_frame.h"

namespace vq {

void CMainFrame::AttachCompareCommands(CompareDialogs& dialogs) {
  delete compareCommand_;
  compareCommand_ = new CompareCommand(*view_, dialogs, this);
  if (!compareWithFile_) {
    compareWithFile_ = new QAction(tr("Compare with file..."), this);
    compareWithFile_->setStatusTip(
        tr("Show the differences with another settings file and take over what you choose"));
    // After Export and Import, before the recent files.
    const QList<QAction*> items = fileMenu_->actions();
    const qsizetype recent = items.indexOf(recentSeparator_);
    fileMenu_->insertAction(recent > 0 ? items[recent - 1] : recentSeparator_, compareWithFile_);
    const auto enable = [this] {
      compareWithFile_->setEnabled(document_.Database().GetModel() != kModelNone);
    };
    connect(&document_, &CVQChannelEditorDoc::documentReplaced, this, enable);
    enable();
  }
  disconnect(compareWithFile_, &QAction::triggered, nullptr, nullptr);
  connect(compareWithFile_, &QAction::triggered, compareCommand_, &CompareCommand::CompareWithFile);
}

}  // namespace vq
