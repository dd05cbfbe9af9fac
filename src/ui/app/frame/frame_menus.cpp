// The menus and the toolbar of the main frame.

#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QToolBar>

#include "document/qt/vq_channel_editor_doc.h"
#include "ui/app/frame/banner_bar.h"
#include "ui/app/frame/main_frame.h"
#include "ui/app/config/recent_files.h"

namespace vq {

void CMainFrame::BuildMenus() {
  const FrameActions& a = actions_;
  fileMenu_ = menuBar()->addMenu(tr("&File"));
  fileMenu_->addActions({a.newFile, a.open, a.save, a.saveAs});
  fileMenu_->addSeparator();
  fileMenu_->addActions({a.openCom, a.saveCom});
  fileMenu_->addSeparator();
  fileMenu_->addActions({a.openUsb, a.saveUsb});
  fileMenu_->addSeparator();
  fileMenu_->addMenu(tr("Export"))->addActions({a.exportPreset, a.exportVdrChannels, a.exportCsv});
  fileMenu_->addMenu(tr("Import"))
      ->addActions({a.importPreset, a.importVdrChannels, a.importScanTable, a.orderLikeList});
  fileMenu_->addSeparator();
  recentSeparator_ = fileMenu_->addSeparator();
  fileMenu_->addAction(a.exit);

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  edit->addActions({a.undo, a.redo});
  edit->addSeparator();
  edit->addActions({a.cut, a.copy, a.paste});
  edit->addSeparator();
  edit->addActions({a.find, a.findNext, a.findPrevious});
  menuBar()->addMenu(tr("&View"))->addAction(a.statusBar);
  specialMenu_ = menuBar()->addMenu(tr("Special &Actions"));
  specialMenu_->addActions({a.deleteDataChannels, a.deleteEmptyTransponders, a.updateFromInternet});
  menuBar()->addMenu(tr("&Settings"))->addAction(a.configuration);
  menuBar()->addMenu(tr("&Help"))->addAction(a.about);
}

void CMainFrame::BuildToolBar() {
  const FrameActions& a = actions_;
  QToolBar* bar = addToolBar(tr("Toolbar"));
  bar->setObjectName("Toolbar");
  bar->setMovable(false);
  bar->setIconSize(QSize(24, 24));
  bar->addAction(a.newFile);
  bar->addSeparator();
  bar->addActions({a.open, a.save});
  bar->addSeparator();
  bar->addActions({a.openCom, a.saveCom});
  bar->addSeparator();
  bar->addActions({a.openUsb, a.saveUsb});
  bar->addSeparator();
  bar->addActions({a.copy, a.cut, a.paste});
  bar->addSeparator();
  bar->addActions({a.undo, a.redo, a.find});
  bar->addSeparator();
  bar->addActions({a.deleteDataChannels, a.deleteEmptyTransponders, a.updateFromInternet});
  bar->addSeparator();
  bar->addAction(a.configuration);
  auto* spacer = new QWidget(bar);
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  bar->addWidget(spacer);
  bar->addWidget(new BannerBar(bar));
}

void CMainFrame::RefreshRecentFiles() {
  for (QAction* action : recentActions_) {
    fileMenu_->removeAction(action);
    action->deleteLater();
  }
  recentActions_.clear();
  const QStringList& files = recent_.Files();
  for (int i = 0; i < files.size(); ++i) {
    const QString path = files[i];
    auto* action = new QAction(
        QString("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path).replace("&", "&&")), this);
    action->setStatusTip(tr("Open %1").arg(QFileInfo(path).fileName()));
    connect(action, &QAction::triggered, this, [this, path] { OpenFile(path); });
    fileMenu_->insertAction(recentSeparator_, action);
    recentActions_.append(action);
  }
}

}  // namespace vq
