#include "ui/panes/pane_host.h"

#include <QEvent>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <optional>

#include "editing/commands/command_frame.h"
#include "editing/commands/editing_view.h"
#include "editing/history/history_step.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/channel_pane.h"
#include "ui/panes/satellite_pane.h"
#include "ui/panes/settings_pane.h"
#include "ui/panes/transponder_pane.h"

namespace vq {

PaneHost::PaneHost(PropertyGrid& grid, EditingView& editing, EditorConfig& config, QObject* parent)
    : QObject(parent), grid_(grid), editing_(editing), config_(config) {
  panes_[kTabChannels] = std::make_unique<ChannelPane>(grid_.model(), *this);
  panes_[kTabTransponders] = std::make_unique<TransponderPane>(grid_.model(), *this);
  panes_[kTabSatellites] = std::make_unique<SatellitePane>(grid_.model(), *this);
  panes_[kTabSettings] = std::make_unique<SettingsPane>(grid_.model(), *this);
  grid_.setNotifyHandler(
      [this](const GridNotification& note) { return current_ ? current_->Notify(note) : 0; });
  grid_.installEventFilter(this);
  // An open editor counts as a pending edit (Undo and Save take it), so the
  // action states follow it both ways.
  connect(&grid_, &PropertyGrid::editingStarted, this, &PaneHost::editStateChanged);
  connect(&grid_, &PropertyGrid::editingFinished, this, &PaneHost::editStateChanged);
}

PaneHost::~PaneHost() {
  grid_.removeEventFilter(this);
  grid_.setNotifyHandler(nullptr);
}

void PaneHost::ShowForCurrentTab() {
  stale_ = false;
  const int tab = editing_.State().currentTab;
  current_ = tab >= 0 && tab < static_cast<int>(panes_.size()) ? panes_[tab].get() : nullptr;
  if (current_)
    current_->Show();
  else
    grid_.deleteAllRows();
  FitColumns();
}

void PaneHost::RebuildPane() {
  // A selection change being followed shows the pane itself, and a commit
  // rebuilds it once it is done.
  if (!following_ && !committing_) ShowForCurrentTab();
}

void PaneHost::SelectionChanged(int tab) {
  if (following_ || committing_ || tab != editing_.State().currentTab) return;
  if (editing_.State().pendingEdit) {
    following_ = true;
    // Committing may rebuild the list (a row that leaves it, a new order);
    // the channels the user chose stay chosen.
    const std::vector<ChannelNode*> chosen = tab == kTabChannels
                                                 ? SelectedChannels(editing_, EditList::kChannels)
                                                 : std::vector<ChannelNode*>{};
    CommitPendingEdits();
    if (tab == kTabChannels && SelectedChannels(editing_, EditList::kChannels) != chosen)
      editing_.SelectRows(EditList::kChannels,
                          RowsOfChannels(editing_, EditList::kChannels, chosen));
    following_ = false;
  }
  ShowForCurrentTab();
}

void PaneHost::CommitPendingEdits() {
  grid_.finishEditing();
  vq::CommitPendingEdits(editing_);
  emit editStateChanged();
}

QString PaneHost::CommitName() const {
  static constexpr const char* kNames[] = {
      QT_TR_NOOP("Edit Channel"), QT_TR_NOOP("Edit Transponder"), QT_TR_NOOP("Edit Satellite"),
      QT_TR_NOOP("Edit Settings")};
  const int tab = editing_.State().currentTab;
  return tr(tab >= 0 && tab < 4 ? kNames[tab] : QT_TR_NOOP("Edit"));
}

void PaneHost::CommitPane(bool asking) {
  committing_ = true;
  if (current_) {
    // Every pane's commit passes here, so each is one undoable step.
    std::optional<HistoryStep> step;
    if (history_) step.emplace(*history_, CommitName().toStdString());
    current_->Commit(asking);
  }
  committing_ = false;
  RebuildPane();
  emit editStateChanged();
}

void PaneHost::DatabaseChanged() {
  if (editing_.State().pendingEdit) return;
  if (commandDepth_ > 0)
    stale_ = true;
  else
    RebuildPane();
}

void PaneHost::EndCommand() {
  if (commandDepth_ > 0 && --commandDepth_ == 0 && stale_) RebuildPane();
}

void PaneHost::EditPending(bool pending) {
  editing_.State().pendingEdit = pending;
  emit editStateChanged();
}

bool PaneHost::HoldsEdit() const { return editing_.State().pendingEdit || grid_.isEditing(); }

bool PaneHost::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &grid_ &&
      (event->type() == QEvent::Resize || event->type() == QEvent::FontChange ||
       event->type() == QEvent::StyleChange))
    FitColumns();
  return QObject::eventFilter(watched, event);
}

void PaneHost::FitColumns() {
  const int scrollBar = grid_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &grid_);
  const int inside = std::max(0, grid_.width() - 4 - scrollBar);
  // "Name" fits the pane's longest label in the user's language and font,
  // never narrower than its usual width and never more than a share of the
  // pane; a label cut short shows its text as tooltip.
  const int cap = static_cast<int>(inside * kLabelShare);
  const int fitting = grid_.fittingWidth(PropertyPane::kLabelColumn);
  const int label = std::max(kLabelMinimum, std::min(fitting, cap));
  grid_.setColumnWidth(PropertyPane::kLabelColumn, label);
  grid_.setColumnWidth(PropertyPane::kValueColumn, std::max(0, inside - label));
  if (fitting > cap)
    emit wantsWidth(static_cast<int>(std::ceil(fitting / kLabelShare)) + grid_.width() - inside + 1);
}

}  // namespace vq
