// The editing commands plugged into the main view: buttons, context-menu
// entries, model buttons and favourites panel, with their enabled states.

#include <QAction>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "editing/channel_commands.h"
#include "editing/command_states.h"
#include "editing/favorite_commands.h"
#include "editing/model_switch.h"
#include "editing/move_commands.h"
#include "editing/send_to.h"
#include "editing/transponder_commands.h"
#include "ui/panes/pane_host.h"
#include "ui/view/channel_drag.h"
#include "ui/view/favorite_members_model.h"
#include "ui/view/favorites_panel.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/selector_bar.h"
#include "ui/view/statistics_panel.h"
#include "ui/view/view_editing.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {
namespace {

QAction* FindEntry(QMenu* menu, const QString& text) {
  for (QAction* action : menu->actions())
    if (action->text() == text) return action;
  return nullptr;
}

void Enable(QPushButton* button, bool on) {
  if (button) button->setEnabled(on);
}

}  // namespace

EditingView& CVQChannelEditorView::Editing() { return *editing_; }

void CVQChannelEditorView::SetPrompter(Prompter* prompter) {
  prompter_ = prompter;
  panes_->SetUser(prompter);
}

void CVQChannelEditorView::CommitPane(bool asking) { panes_->CommitPane(asking); }

void CVQChannelEditorView::CommitPendingEdits() { panes_->CommitPendingEdits(); }

bool CVQChannelEditorView::HoldsEdit() const { return panes_->HoldsEdit(); }

void CVQChannelEditorView::WithPrompter(
    const std::function<void(EditingView&, Prompter&)>& command) {
  if (prompter_) command(*editing_, *prompter_);
}

void CVQChannelEditorView::ConnectButton(int tab, const QString& caption,
                                         const std::function<void()>& command) {
  if (QPushButton* button = pageList_[tab]->Button(caption))
    connect(button, &QPushButton::clicked, this, command);
}

void CVQChannelEditorView::ConnectCommands() {
  EditingView& e = *editing_;
  ConnectButton(kTabChannels, "Add New", [this] { WithPrompter(AddNewChannel); });
  ConnectButton(kTabChannels, "Remove Selected", [&e] { RemoveSelectedChannels(e); });
  ConnectButton(kTabChannels, "Remove All", [&e] { RemoveAllChannels(e); });
  ConnectButton(kTabChannels, "Add To Favorites",
                [this] { WithPrompter(AddSelectionToFavorites); });
  ConnectButton(kTabChannels, "Move Up", [&e] { MoveSelection(e, true); });
  ConnectButton(kTabChannels, "Move Down", [&e] { MoveSelection(e, false); });
  ConnectButton(kTabTransponders, "Add New", [this] { WithPrompter(AddNewTransponder); });
  ConnectButton(kTabTransponders, "Remove Selected", [&e] { RemoveSelectedTransponders(e); });
  ConnectButton(kTabTransponders, "Remove All", [&e] { RemoveAllTransponders(e); });
  ConnectButton(kTabTransponders, "Clear All Channels", [&e] { ClearAllChannels(e); });
  ConnectButton(kTabSatellites, "Clear All Channels", [&e] { ClearAllChannels(e); });
  ConnectButton(kTabSatellites, "Clear All Transponders && All Channels",
                [&e] { ClearAllTransponders(e); });

  connect(favorites_->RemoveButton(), &QPushButton::clicked, this,
          [&e] { RemoveSelectedFavorites(e); });
  connect(favorites_->RemoveAllButton(), &QPushButton::clicked, this,
          [&e] { RemoveAllFavorites(e); });
  connect(favorites_->Members()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this, &e] {
            FollowFavoriteRow(e);
            UpdateButtons();
          });
  connect(favorites_->MembersModel(), &QAbstractItemModel::modelReset, this,
          &CVQChannelEditorView::UpdateButtons);
  connect(statistics_, &StatisticsPanel::modelChosen, this, [this](int model) {
    if (model == 0)
      WithPrompter(SwitchToFtaCi);
    else
      SwitchToPvr(*editing_);
    statistics_->Update(&Database());
  });
  for (int tab = kTabChannels; tab <= kTabSatellites; ++tab)
    connect(pageList_[tab]->List(), &RecordTableView::rowSelectionChanged, this,
            &CVQChannelEditorView::UpdateButtons);

  drag_ = new ChannelDrag(pageList_[kTabChannels]->List(), favorites_->Members(),
                          pageList_[kTabChannels]->Button("Remove Selected"), this);
  connect(drag_, &ChannelDrag::droppedOnList, this, [&e](int row) { DropChannels(e, row); });
  connect(drag_, &ChannelDrag::droppedOnFavorites, this,
          [this] { WithPrompter(AddSelectionToFavorites); });
  connect(drag_, &ChannelDrag::droppedOnRemove, this, [&e] { RemoveSelectedChannels(e); });
  drag_->SetCanAdd([&e] { return EvaluateCommandStates(e).addToFavorites; });
}

void CVQChannelEditorView::AttachSpecialActions(QAction* deleteDataChannels,
                                                QAction* deleteEmptyTransponders) {
  deleteDataChannels_ = deleteDataChannels;
  deleteEmptyTransponders_ = deleteEmptyTransponders;
  connect(deleteDataChannels, &QAction::triggered, this,
          [this] { DeleteAllDataChannels(*editing_); });
  connect(deleteEmptyTransponders, &QAction::triggered, this,
          [this] { DeleteAllEmptyTransponders(*editing_); });
  UpdateButtons();
}

void CVQChannelEditorView::UpdateButtons() {
  const CommandStates s = EvaluateCommandStates(*editing_);
  const ListPage* channels = pageList_[kTabChannels];
  Enable(channels->Button("Add New"), s.addChannel);
  Enable(channels->Button("Remove Selected"), s.removeChannels);
  Enable(channels->Button("Remove All"), s.removeAllChannels);
  Enable(channels->Button("Add To Favorites"), s.addToFavorites);
  Enable(channels->Button("Move Up"), s.moveChannels);
  Enable(channels->Button("Move Down"), s.moveChannels);
  const ListPage* transponders = pageList_[kTabTransponders];
  Enable(transponders->Button("Add New"), s.addTransponder);
  Enable(transponders->Button("Remove Selected"), s.removeTransponders);
  Enable(transponders->Button("Remove All"), s.removeAllTransponders);
  Enable(transponders->Button("Clear All Channels"), s.clearChannels);
  Enable(pageList_[kTabSatellites]->Button("Clear All Channels"), s.clearTransponders);
  Enable(pageList_[kTabSatellites]->Button("Clear All Transponders && All Channels"),
         s.clearTransponders);
  Enable(favorites_->RemoveButton(), s.removeFavorites);
  Enable(favorites_->RemoveAllButton(), s.removeAllFavorites);
  if (deleteDataChannels_) deleteDataChannels_->setEnabled(s.deleteDataChannels);
  if (deleteEmptyTransponders_) deleteEmptyTransponders_->setEnabled(s.deleteEmptyTransponders);
}

void CVQChannelEditorView::RefreshCountsAndSelectors() {
  statistics_->Update(&Database());
  favorites_->UpdateGroups(&Database());
  FillChannelSources();
  FillTransponderSources();
}

void CVQChannelEditorView::PlugCommands(QMenu* menu, int tab) {
  const CommandStates s = EvaluateCommandStates(*editing_);
  if (tab == kTabChannels) {
    if (QAction* action = FindEntry(menu, "Add new on same transponder")) {
      action->setEnabled(s.addOnSameTransponder);
      connect(action, &QAction::triggered, this,
              [this] { WithPrompter(AddNewChannelOnSameTransponder); });
    }
  }
  if (tab != kTabTransponders) return;
  if (QAction* action = FindEntry(menu, "Add new on same satellite")) {
    action->setEnabled(s.addOnSameSatellite);
    connect(action, &QAction::triggered, this,
            [this] { WithPrompter(AddNewTransponderOnSameSatellite); });
  }
  QAction* sendTo = FindEntry(menu, "Send to");
  if (!sendTo || !sendTo->menu()) return;
  sendTo->setEnabled(s.sendTo);
  for (QAction* target : sendTo->menu()->actions()) {
    target->setEnabled(s.sendTo);
    const int satellite = target->data().toInt();
    connect(target, &QAction::triggered, this,
            [this, satellite] { SendSelectedTransponders(*editing_, satellite); });
  }
}

}  // namespace vq
