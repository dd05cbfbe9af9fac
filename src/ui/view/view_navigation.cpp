// Context menus of the main view's lists and the "Switch to" commands that
// jump from a channel or transponder to the row of its owner.

#include <QAction>
#include <QMenu>

#include "database/settings_database.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/context_menus.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/satellite_list_model.h"
#include "ui/view/transponder_list_model.h"
#include "ui/view/view_clipboard.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {

void CVQChannelEditorView::ShowContextMenu(int tab, const QPoint& globalPos) {
  const ContextMenu menu = BuildContextMenu(tab, &Database(), this);
  menu.menu->setAttribute(Qt::WA_DeleteOnClose);
  PlugNavigation(menu, tab);
  PlugCommands(menu, tab);
  // "Apply category settings" needs a category under the pointer.
  RecordTableView* list = PageAt(tab)->List();
  clipboard_->Plug(menu, list->indexAt(list->viewport()->mapFromGlobal(globalPos)).isValid());
  if (tab == kTabChannels && channelMenuExtension_) {
    menu.menu->addSeparator();
    channelMenuExtension_(menu.menu);
  }
  menu.menu->popup(globalPos);
}

void CVQChannelEditorView::PlugNavigation(const ContextMenu& menu, int tab) {
  const bool single = PageAt(tab)->List()->SelectedRows().size() == 1;
  if (tab == kTabChannels) {
    if (QAction* action = menu.Entry(MenuEntry::kSwitchToTransponder)) {
      action->setEnabled(single);
      connect(action, &QAction::triggered, this, &CVQChannelEditorView::SwitchToTransponder);
    }
  }
  if (tab == kTabChannels || tab == kTabTransponders) {
    if (QAction* action = menu.Entry(MenuEntry::kSwitchToSatellite)) {
      action->setEnabled(single);
      connect(action, &QAction::triggered, this, [this, tab] { SwitchToSatellite(tab); });
    }
  }
}

void CVQChannelEditorView::SwitchToTransponder() {
  const std::vector<int> rows = pageList_[kTabChannels]->List()->SelectedRows();
  const ChannelNode* channel = rows.empty() ? nullptr : channels_->NodeAt(rows.front());
  if (!channel || !channel->GetTransponder()) return;
  const TransponderNode* transponder = channel->GetTransponder();
  int row = transponders_->RowOf(transponder);
  if (row < 0 && state_.transponderListSatellite != 0) {
    SetTransponderListSatellite(0);
    row = transponders_->RowOf(transponder);
  }
  if (row < 0) return;
  PageAt(kTabTransponders)->List()->SelectOnlyRow(row);
  state_.refillTransponders = false;
  ShowTab(kTabTransponders);
}

void CVQChannelEditorView::SwitchToSatellite(int fromTab) {
  const std::vector<int> rows = PageAt(fromTab)->List()->SelectedRows();
  if (rows.empty()) return;
  const TransponderNode* transponder = nullptr;
  if (fromTab == kTabChannels) {
    const ChannelNode* channel = channels_->NodeAt(rows.front());
    transponder = channel ? channel->GetTransponder() : nullptr;
  } else {
    transponder = transponders_->NodeAt(rows.front());
  }
  const int row = transponder ? satellites_->RowOf(transponder->GetSatellite()) : -1;
  if (row < 0) return;
  PageAt(kTabSatellites)->List()->SelectOnlyRow(row);
  state_.refillSatellites = false;
  ShowTab(kTabSatellites);
}

}  // namespace vq
