// Undo and redo in the main view: recording the view's commands as steps,
// and showing the lists, sources and selection a step left behind.

#include <QComboBox>
#include <QSignalBlocker>

#include "database/channel_types.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "editing/history/history_step.h"
#include "editing/history/view_snapshot.h"
#include "ui/panes/pane_host.h"
#include "ui/view/favorites_panel.h"
#include "ui/view/list_page.h"
#include "ui/view/selector_bar.h"
#include "ui/view/settings_category_model.h"
#include "ui/view/view_editing.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {

void CVQChannelEditorView::ConnectHistory() {
  ChangeHistory& history = document_.History();
  history.SetViewStateSource([this] { return EncodeViewSnapshot(CaptureViewSnapshot(*editing_)); });
  panes_->SetHistory(&history);
}

void CVQChannelEditorView::DisconnectHistory() {
  document_.History().SetViewStateSource(nullptr);
  panes_->SetHistory(nullptr);
}

void CVQChannelEditorView::Recorded(const QString& name, const std::function<void()>& work) {
  const HistoryStep step(document_.History(), name.toStdString());
  panes_->BeginCommand();
  work();
  panes_->EndCommand();
}

bool CVQChannelEditorView::CanUndoChange() const {
  return document_.History().CanUndo() || HoldsEdit();
}

bool CVQChannelEditorView::CanRedoChange() const {
  return document_.History().CanRedo() && !HoldsEdit();
}

QString CVQChannelEditorView::UndoName() const {
  // An edit still in the pane is written first, so it is what Undo takes back.
  if (HoldsEdit()) return panes_->CommitName();
  return QString::fromStdString(document_.History().UndoName());
}

QString CVQChannelEditorView::RedoName() const {
  return HoldsEdit() ? QString() : QString::fromStdString(document_.History().RedoName());
}

void CVQChannelEditorView::UndoChange() {
  const bool held = HoldsEdit();
  const size_t steps = document_.History().UndoCount();
  CommitPendingEdits();
  // An edit the user chose to drop (or that is still pending) was the
  // change Undo stood for.
  if (held && document_.History().UndoCount() == steps) return;
  if (const auto restored = document_.History().Undo()) ShowRestored(restored->view);
}

void CVQChannelEditorView::RedoChange() {
  CommitPendingEdits();
  if (const auto restored = document_.History().Redo()) ShowRestored(restored->view);
}

void CVQChannelEditorView::ShowRestored(const std::vector<uint8_t>& viewState) {
  // The restore rebuilt the index: every list is empty now and is filled
  // again for the sources of the restored view, as far as they still exist.
  const ViewSnapshot snapshot = DecodeViewSnapshot(viewState).value_or(ViewSnapshot{});
  state_.pendingEdit = false;
  state_.channelListSource = snapshot.channelListSource;
  state_.shownChannelType = snapshot.shownChannelType >= 0 && snapshot.shownChannelType <= kData
                                ? snapshot.shownChannelType
                                : 0;
  state_.transponderListSatellite = snapshot.transponderListSatellite;
  state_.refillChannels = state_.refillTransponders = state_.refillSatellites = false;
  QComboBox* typeBox = pageList_[kTabChannels]->Bar()->Second();
  {
    const QSignalBlocker block(typeBox);
    typeBox->setCurrentIndex(state_.shownChannelType);
  }
  RefillCountsAndLists();
  favorites_->ChooseGroup(snapshot.favoriteGroup);
  SelectSnapshotRows(*editing_, snapshot);
  categories_->SetNetworkListed(Database().GetExtendedConfig() != 0);
  UpdateSettingsCategory();
  ShowTab(snapshot.tab >= kTabChannels && snapshot.tab <= kTabSettings ? snapshot.tab
                                                                       : state_.currentTab);
  emit statusText(tr("Ready!"));
}

}  // namespace vq
