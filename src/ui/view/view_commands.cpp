// The editing commands plugged into the main view: buttons, context-menu
// entries, model buttons and favourites panel, with their enabled states.

#include <QAction>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "database/settings_database.h"
#include "editing/commands/channel_commands.h"
#include "editing/commands/command_states.h"
#include "editing/commands/favorite_commands.h"
#include "editing/commands/model_switch.h"
#include "editing/commands/move_commands.h"
#include "editing/commands/send_to.h"
#include "editing/commands/transponder_commands.h"
#include "ui/panes/pane_host.h"
#include "ui/view/channel_drag.h"
#include "ui/view/context_menus.h"
#include "ui/view/favorite_members_model.h"
#include "ui/view/favorites_panel.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/selector_bar.h"
#include "ui/view/statistics_panel.h"
#include "ui/view/view_clipboard.h"
#include "ui/view/view_editing.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {
namespace {

void Enable(QPushButton* button, bool on) {
  if (button) button->setEnabled(on);
}

}  // namespace

EditingView& CVQChannelEditorView::Editing() { return *editing_; }

void CVQChannelEditorView::SetPrompter(Prompter* prompter) {
  prompter_ = prompter;
  panes_->SetUser(prompter);
  clipboard_->SetPrompter(prompter);
  UpdateButtons();
}

void CVQChannelEditorView::CommitPane(bool asking) { panes_->CommitPane(asking); }

void CVQChannelEditorView::CommitPendingEdits() { panes_->CommitPendingEdits(); }

bool CVQChannelEditorView::HoldsEdit() const { return panes_->HoldsEdit(); }

void CVQChannelEditorView::WithPrompter(
    const std::function<void(EditingView&, Prompter&)>& command) {
  if (prompter_) command(*editing_, *prompter_);
}

void CVQChannelEditorView::ConnectButton(int tab, ListButton id, const QString& name,
                                         const std::function<void()>& command) {
  if (QPushButton* button = pageList_[tab]->Button(id))
    connect(button, &QPushButton::clicked, this,
            [this, name, command] { Recorded(name, command); });
}

void CVQChannelEditorView::ConnectCommands() {
  using B = ListButton;
  EditingView& e = *editing_;
  ConnectButton(kTabChannels, B::kAddNew, tr("Add New Channel"),
                [this] { WithPrompter(AddNewChannel); });
  ConnectButton(kTabChannels, B::kRemoveSelected, tr("Remove Selected Channels"),
                [&e] { RemoveSelectedChannels(e); });
  ConnectButton(kTabChannels, B::kRemoveAll, tr("Remove All Channels"),
                [&e] { RemoveAllChannels(e); });
  ConnectButton(kTabChannels, B::kAddToFavorites, tr("Add To Favorites"),
                [this] { WithPrompter(AddSelectionToFavorites); });
  ConnectButton(kTabChannels, B::kMoveUp, tr("Move Up"), [&e] { MoveSelection(e, true); });
  ConnectButton(kTabChannels, B::kMoveDown, tr("Move Down"), [&e] { MoveSelection(e, false); });

  connect(favorites_->RemoveButton(), &QPushButton::clicked, this, [this, &e] {
    Recorded(tr("Remove From Favorites"), [&e] { RemoveSelectedFavorites(e); });
  });
  connect(favorites_->RemoveAllButton(), &QPushButton::clicked, this, [this, &e] {
    Recorded(tr("Remove All From Favorites"), [&e] { RemoveAllFavorites(e); });
  });
  connect(favorites_->Members()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this, &e] {
            FollowFavoriteRow(e);
            UpdateButtons();
          });
  connect(favorites_->MembersModel(), &QAbstractItemModel::modelReset, this,
          &CVQChannelEditorView::UpdateButtons);
  connect(statistics_, &StatisticsPanel::modelChosen, this, [this](int model) {
    if (model == 0)
      Recorded(tr("Switch to FTA/CI/FAE"), [this] { WithPrompter(SwitchToFtaCi); });
    else
      Recorded(tr("Switch to PVR"), [this] { SwitchToPvr(*editing_); });
    statistics_->Update(&Database());
  });

  drag_ = new ChannelDrag(pageList_[kTabChannels]->List(), favorites_->Members(),
                          pageList_[kTabChannels]->Button(ListButton::kRemoveSelected), this);
  connect(drag_, &ChannelDrag::droppedOnList, this, [this, &e](int row) {
    Recorded(tr("Move Channels"), [&e, row] { DropChannels(e, row); });
  });
  connect(drag_, &ChannelDrag::droppedOnFavorites, this, [this] {
    Recorded(tr("Add To Favorites"), [this] { WithPrompter(AddSelectionToFavorites); });
  });
  connect(drag_, &ChannelDrag::droppedOnRemove, this, [this, &e] {
    Recorded(tr("Remove Selected Channels"), [&e] { RemoveSelectedChannels(e); });
  });
  drag_->SetCanAdd([&e] { return EvaluateCommandStates(e).addToFavorites; });
}

void CVQChannelEditorView::ConnectHiddenPageButtons() {
  using B = ListButton;
  EditingView& e = *editing_;
  ConnectButton(kTabTransponders, B::kAddNew, tr("Add New Transponder"),
                [this] { WithPrompter(AddNewTransponder); });
  ConnectButton(kTabTransponders, B::kRemoveSelected, tr("Remove Selected Transponders"),
                [&e] { RemoveSelectedTransponders(e); });
  ConnectButton(kTabTransponders, B::kRemoveAll, tr("Remove All Transponders"),
                [&e] { RemoveAllTransponders(e); });
  ConnectButton(kTabTransponders, B::kClearChannels, tr("Clear All Channels"),
                [&e] { ClearAllChannels(e); });
  ConnectButton(kTabSatellites, B::kClearChannels, tr("Clear All Channels"),
                [&e] { ClearAllChannels(e); });
  ConnectButton(kTabSatellites, B::kClearTransponders, tr("Clear All Transponders & All Channels"),
                [&e] { ClearAllTransponders(e); });
}

void CVQChannelEditorView::EnableHiddenPageButtons() {
  using B = ListButton;
  const ListPage* transponders = pageList_[kTabTransponders];
  if (!transponders) return;  // its buttons take the states when it is built
  const CommandStates& s = buttonStates_;
  Enable(transponders->Button(B::kAddNew), s.addTransponder);
  Enable(transponders->Button(B::kRemoveSelected), s.removeTransponders);
  Enable(transponders->Button(B::kRemoveAll), s.removeAllTransponders);
  Enable(transponders->Button(B::kClearChannels), s.clearChannels);
  Enable(pageList_[kTabSatellites]->Button(B::kClearChannels), s.clearTransponders);
  Enable(pageList_[kTabSatellites]->Button(B::kClearTransponders), s.clearTransponders);
}

void CVQChannelEditorView::AttachSpecialActions(QAction* deleteDataChannels,
                                                QAction* deleteEmptyTransponders) {
  deleteDataChannels_ = deleteDataChannels;
  deleteEmptyTransponders_ = deleteEmptyTransponders;
  connect(deleteDataChannels, &QAction::triggered, this, [this] {
    Recorded(tr("Delete all data channels"), [this] { DeleteAllDataChannels(*editing_); });
  });
  connect(deleteEmptyTransponders, &QAction::triggered, this, [this] {
    Recorded(tr("Delete all empty transponders"),
             [this] { DeleteAllEmptyTransponders(*editing_); });
  });
  UpdateButtons();
}

void CVQChannelEditorView::UpdateButtons() {
  using B = ListButton;
  buttonStates_ = EvaluateCommandStates(*editing_);
  const CommandStates& s = buttonStates_;
  const ListPage* channels = pageList_[kTabChannels];
  Enable(channels->Button(B::kAddNew), s.addChannel);
  Enable(channels->Button(B::kRemoveSelected), s.removeChannels);
  Enable(channels->Button(B::kRemoveAll), s.removeAllChannels);
  Enable(channels->Button(B::kAddToFavorites), s.addToFavorites);
  Enable(channels->Button(B::kMoveUp), s.moveChannels);
  Enable(channels->Button(B::kMoveDown), s.moveChannels);
  EnableHiddenPageButtons();
  Enable(favorites_->RemoveButton(), s.removeFavorites);
  Enable(favorites_->RemoveAllButton(), s.removeAllFavorites);
  if (deleteDataChannels_) deleteDataChannels_->setEnabled(s.deleteDataChannels);
  if (deleteEmptyTransponders_) deleteEmptyTransponders_->setEnabled(s.deleteEmptyTransponders);
  clipboard_->UpdateActions();
}

void CVQChannelEditorView::ShowStatus(const QString& text) { emit statusText(text); }

void CVQChannelEditorView::MarkModified() { emit databaseChanged(); }

void CVQChannelEditorView::RefreshCountsAndSelectors() {
  statistics_->Update(&Database());
  // One walk over the channels counts every group for both.
  const FavoriteGroupCounts counts = Database().CountFavoriteGroups();
  favorites_->UpdateGroups(&Database(), counts);
  FillChannelSources(counts);
  FillTransponderSources();
}

void CVQChannelEditorView::PlugCommands(const ContextMenu& menu, int tab) {
  const CommandStates s = EvaluateCommandStates(*editing_);
  if (tab == kTabChannels) {
    if (QAction* action = menu.Entry(MenuEntry::kAddOnSameTransponder)) {
      action->setEnabled(s.addOnSameTransponder);
      connect(action, &QAction::triggered, this, [this] {
        Recorded(tr("Add New Channel on Same Transponder"),
                 [this] { WithPrompter(AddNewChannelOnSameTransponder); });
      });
    }
  }
  if (tab != kTabTransponders) return;
  if (QAction* action = menu.Entry(MenuEntry::kAddOnSameSatellite)) {
    action->setEnabled(s.addOnSameSatellite);
    connect(action, &QAction::triggered, this, [this] {
      Recorded(tr("Add New Transponder on Same Satellite"),
               [this] { WithPrompter(AddNewTransponderOnSameSatellite); });
    });
  }
  QAction* sendTo = menu.Entry(MenuEntry::kSendTo);
  if (!sendTo || !sendTo->menu()) return;
  sendTo->setEnabled(s.sendTo);
  for (QAction* target : sendTo->menu()->actions()) {
    target->setEnabled(s.sendTo);
    const int satellite = target->data().toInt();
    connect(target, &QAction::triggered, this, [this, satellite, name = target->text()] {
      Recorded(tr("Send to %1").arg(name),
               [this, satellite] { SendSelectedTransponders(*editing_, satellite); });
    });
  }
}

}  // namespace vq
