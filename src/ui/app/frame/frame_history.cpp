// The frame's Edit > Undo, Redo and the find commands.

#include <QAction>

#include "document/qt/vq_channel_editor_doc.h"
#include "ui/app/frame/main_frame.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {
namespace {

// A step's name inside a menu text: "&" would mark a shortcut letter.
QString MenuName(const QString& step) { return QString(step).replace("&", "&&"); }

}  // namespace

void CMainFrame::ConnectHistoryAndFind() {
  const FrameActions& a = actions_;
  connect(a.undo, &QAction::triggered, view_, &CVQChannelEditorView::UndoChange);
  connect(a.redo, &QAction::triggered, view_, &CVQChannelEditorView::RedoChange);
  connect(&document_, &CVQChannelEditorDoc::historyChanged, this,
          &CMainFrame::UpdateHistoryActions);
  connect(view_, &CVQChannelEditorView::editStateChanged, this, &CMainFrame::UpdateHistoryActions);
  connect(a.find, &QAction::triggered, view_, &CVQChannelEditorView::OpenFind);
  connect(a.findNext, &QAction::triggered, view_, [this] { view_->FindNext(false); });
  connect(a.findPrevious, &QAction::triggered, view_, [this] { view_->FindNext(true); });
  UpdateHistoryActions();
}

void CMainFrame::UpdateHistoryActions() {
  const QString undo = view_->UndoName();
  actions_.undo->setText(undo.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(MenuName(undo)));
  actions_.undo->setStatusTip(undo.isEmpty() ? tr("Undo") : tr("Undo %1").arg(undo));
  const QString redo = view_->RedoName();
  actions_.redo->setText(redo.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(MenuName(redo)));
  actions_.redo->setStatusTip(redo.isEmpty() ? tr("Redo") : tr("Redo %1").arg(redo));
  actions_.undo->setEnabled(view_->CanUndoChange());
  actions_.redo->setEnabled(view_->CanRedoChange());
}

}  // namespace vq
