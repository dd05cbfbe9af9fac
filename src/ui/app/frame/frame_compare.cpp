// The frame's File > "Compare with file...", "Compare with receiver (USB)..."
// and "Backups...".

#include <QAction>
#include <QMenu>

#include "database/settings_database.h"
#include "document/qt/usb_receiver_commands.h"
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
    compareWithReceiver_ = new QAction(tr("Compare with receiver (USB)..."), this);
    compareWithReceiver_->setStatusTip(
        tr("Read the receiver's settings, show the differences and take over what you choose"));
    backups_ = new QAction(tr("Backups..."), this);
    backups_->setStatusTip(tr("Open or compare the settings kept before overwrites"));
    // After Export and Import, before the recent files.
    const QList<QAction*> items = fileMenu_->actions();
    const qsizetype recent = items.indexOf(recentSeparator_);
    QAction* before = recent > 0 ? items[recent - 1] : recentSeparator_;
    fileMenu_->insertActions(before, {compareWithFile_, compareWithReceiver_, backups_});
    connect(&document_, &CVQChannelEditorDoc::documentReplaced, this,
            &CMainFrame::UpdateCompareCommands);
    connect(compareWithReceiver_, &QAction::triggered, this, &CMainFrame::CompareWithReceiver);
    connect(backups_, &QAction::triggered, this, &CMainFrame::ShowBackups);
  }
  disconnect(compareWithFile_, &QAction::triggered, nullptr, nullptr);
  connect(compareWithFile_, &QAction::triggered, compareCommand_, &CompareCommand::CompareWithFile);
  UpdateCompareCommands();
}

void CMainFrame::UpdateCompareCommands() {
  if (!compareWithFile_) return;
  const bool hasModel = document_.Database().GetModel() != kModelNone;
  compareWithFile_->setEnabled(hasModel);
  compareWithReceiver_->setEnabled(hasModel && usbCommands_ && usbCommands_->IsEnabled());
}

void CMainFrame::CompareWithReceiver() {
  if (!compareCommand_ || !usbCommands_) return;
  document_.CommitPendingEdits();
  SettingsDatabase other;
  if (usbCommands_->ReadFromUsb(other)) compareCommand_->CompareWith(other, tr("the receiver"));
}

}  // namespace vq
