// The frame's Edit > Undo, Redo and the find commands.

#include <QAction>

#include "document/qt/vq_channel_editor_doc.h"
#include "ui/app/main_frame.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {
namespace {

// A step's name as a menu text: "&" would mark a shortcut letter.
void Name(QAction* action, const QString& verb, const QString& step) {
  action->setText(step.isEmpty() ? "&" + verb
                                 : "&" + verb + " " + QString(step).replace("&", "&&"));
  action->setStatusTip(step.isEmpty() ? verb : verb + " " + step);
}

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
  Name(actions_.undo, "Undo", view_->UndoName());
  Name(actions_.redo, "Redo", view_->RedoName());
  actions_.undo->setEnabled(view_->CanUndoChange());
  actions_.redo->setEnabled(view_->CanRedoChange());
}

}  // namespace vq
