// Filling the main view from the database: initial update, tabs, selectors.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <utility>

#include "database/settings_database.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "editing/settings/settings_category_list.h"
#include "ui/app/config/editor_config.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/pane_host.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/favorites_panel.h"
#include "ui/view/find_bar.h"
#include "ui/view/list_images.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/satellite_list_model.h"
#include "ui/view/selector_bar.h"
#include "ui/view/selector_texts.h"
#include "ui/view/settings_category_model.h"
#include "ui/view/statistics_panel.h"
#include "ui/view/transponder_list_model.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {
namespace {

class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

void CVQChannelEditorView::InitialUpdate() {
  const bool fromFile = document_.IsFileOpen();
  const qint64 start = clock_();
  if (fromFile) emit statusText(tr("Loading settings file..."));
  {
    const WaitCursor wait;
    state_.refillChannels = state_.refillTransponders = state_.refillSatellites = false;
    RefillCountsAndLists();
    {
      // Each list starts on its first row; the pane is built once, below,
      // for the tab shown. Pages not built yet select theirs when built.
      const int shown = std::exchange(state_.currentTab, -1);
      for (int tab = kTabChannels; tab <= kTabSatellites; ++tab)
        if (pageList_[tab]) pageList_[tab]->List()->SelectOnlyRow(0);
      state_.currentTab = shown;
      selectFirstRowsOnBuild_ = !pageList_[kTabTransponders];
    }
    const int tab = config_.CurrentTab >= 0 && config_.CurrentTab < 4 ? config_.CurrentTab : 0;
    categories_->SetNetworkListed(Database().GetExtendedConfig() != 0);
    UpdateSettingsCategory();
    {
      const QSignalBlocker block(tabs_);
      tabs_->setCurrentIndex(tab);
    }
    ShowTab(tab);
    // The keyboard starts in the list, ready for the arrows, the shortcuts
    // and the context-menu key.
    pageList_[tab]->List()->setFocus();
    buildBeforeRowsChange_ = selectFirstRowsOnBuild_;
  }
  if (fromFile)
    emit statusText(tr("Settings file loaded in %1 sec!")
                        .arg(static_cast<double>(clock_() - start) / 1000.0, 0, 'f', 2));
}

void CVQChannelEditorView::ShowTab(int tab) {
  if (tab < 0 || tab > kTabSettings) return;
  PageAt(tab);
  // The pane of the tab being left writes its edits first.
  CommitPendingEdits();
  state_.currentTab = tab;
  config_.CurrentTab = tab;
  if (tabs_->currentIndex() != tab) {
    const QSignalBlocker block(tabs_);
    tabs_->setCurrentIndex(tab);
  }
  pages_->setCurrentIndex(tab);
  const WaitCursor wait;
  bool* refill[] = {&state_.refillChannels, &state_.refillTransponders, &state_.refillSatellites};
  if (tab < kTabSettings && *refill[tab]) {
    if (tab == kTabChannels) RefillChannelList();
    if (tab == kTabTransponders) RefillTransponderList();
    if (tab == kTabSatellites) RefillSatelliteList();
    PageAt(tab)->List()->SelectOnlyRow(0);
  }
  ShowPaneForCurrentTab();
  UpdateButtons();
  if (!find_->isHidden()) ShowFindResult(FindMatches(), -1);
}

void CVQChannelEditorView::RefillChannelList() {
  RefillChannelList(Database().CountFavoriteGroups());
}

void CVQChannelEditorView::RefillChannelList(const FavoriteGroupCounts& counts) {
  if (state_.shownChannelType == kData) state_.channelListSource = kSourceAll;
  FillChannelSources(counts);
  channels_->Fill(&Database(), state_.channelListSource, state_.shownChannelType);
  state_.refillChannels = false;
}

void CVQChannelEditorView::ReorderChannelList() {
  // A move changes no count, so the selector's entries stay as they are.
  if (state_.shownChannelType == kData) state_.channelListSource = kSourceAll;
  channels_->Reorder(&Database(), state_.channelListSource, state_.shownChannelType);
  state_.refillChannels = false;
}

void CVQChannelEditorView::ReorderTransponderList() {
  transponders_->Reorder(&Database(), state_.transponderListSatellite);
  state_.refillTransponders = false;
}

void CVQChannelEditorView::RefillTransponderList() {
  transponders_->Fill(&Database(), state_.transponderListSatellite);
  state_.refillTransponders = false;
}

void CVQChannelEditorView::RefillSatelliteList() {
  satellites_->Fill(&Database());
  state_.refillSatellites = false;
}

void CVQChannelEditorView::RefillCountsAndLists() {
  statistics_->Update(&Database());
  const FavoriteGroupCounts counts = Database().CountFavoriteGroups();
  favorites_->Update(&Database(), counts);
  FillTransponderSources();
  RefillChannelList(counts);
  RefillTransponderList();
  RefillSatelliteList();
}

void CVQChannelEditorView::SetChannelListSource(int source) {
  state_.channelListSource = state_.shownChannelType == kData ? kSourceAll : source;
  RefillChannelList();
  if (state_.currentTab == kTabChannels) ShowPaneForCurrentTab();
}

void CVQChannelEditorView::SetShownChannelType(int type) {
  state_.shownChannelType = type >= 0 && type <= kData ? type : 0;
  QComboBox* typeBox = pageList_[kTabChannels]->Bar()->Second();
  if (typeBox->currentIndex() != state_.shownChannelType) {
    const QSignalBlocker block(typeBox);
    typeBox->setCurrentIndex(state_.shownChannelType);
  }
  RefillChannelList();
  if (state_.currentTab == kTabChannels) ShowPaneForCurrentTab();
}

void CVQChannelEditorView::SetTransponderListSatellite(int listSatellite) {
  state_.transponderListSatellite = listSatellite;
  RefillTransponderList();
  FillTransponderSources();
  if (state_.currentTab == kTabTransponders) ShowPaneForCurrentTab();
}

void CVQChannelEditorView::StartOverOnAllRecords() {
  state_.pendingEdit = false;
  state_.channelListSource = kSourceAll;
  state_.transponderListSatellite = 0;
  SetShownChannelType(kTv);
}

void CVQChannelEditorView::FillChannelSources(const FavoriteGroupCounts& counts) {
  const SettingsDatabase& db = Database();
  QList<QPair<QIcon, QString>> entries = {{ListIcon(kImageAllChannels), tr("All")},
                                          {ListIcon(kImageAllChannels), tr("Free")},
                                          {ListIcon(kImageScrambled), tr("Scrambled")}};
  QList<int> codes = {kSourceAll, kSourceFree, kSourceScrambled};
  const bool loaded = db.GetModel() != kModelNone;
  for (int n = 0; loaded && n < db.GetSatelliteCount(); ++n) {
    const SatelliteNode* node = db.GetSatelliteNode(n);
    if (!node || !node->HasSatellite()) continue;
    entries.append(
        {ListIcon(kImageSatellite),
         SatelliteChannelsEntry(node->GetName(), node->CountChannels(kTv),
                                node->CountChannels(kRadio), node->CountChannels(kData))});
    codes.append(kSourceSatellite + n);
  }
  for (int g = 0; loaded && g < ChannelRecord::kFavoriteGroups; ++g) {
    entries.append(
        {ListIcon(kImageFavorites),
         FavoriteGroupEntry(db.GetFavoriteGroupName(g), counts.tv[static_cast<size_t>(g)],
                            counts.radio[static_cast<size_t>(g)])});
    codes.append(kSourceFavorites + g);
  }
  if (!codes.contains(state_.channelListSource)) state_.channelListSource = kSourceAll;
  SelectorBar* bar = pageList_[kTabChannels]->Bar();
  bar->SetFirstEntries(entries, codes, state_.channelListSource);
  bar->SetFirstEnabled(state_.shownChannelType != kData);
}

void CVQChannelEditorView::FillTransponderSources() {
  const SettingsDatabase& db = Database();
  QList<QPair<QIcon, QString>> entries = {{ListIcon(kImageTransponder), tr("All")}};
  QList<int> codes = {0};
  for (int n = 0; db.GetModel() != kModelNone && n < db.GetSatelliteCount(); ++n) {
    const SatelliteNode* node = db.GetSatelliteNode(n);
    if (!node || !node->HasSatellite()) continue;
    entries.append({ListIcon(kImageSatellite),
                    SatelliteTranspondersEntry(node->GetName(), node->GetTransponderCount())});
    codes.append(n + 1);
  }
  if (!codes.contains(state_.transponderListSatellite)) state_.transponderListSatellite = 0;
  if (pageList_[kTabTransponders])
    pageList_[kTabTransponders]->Bar()->SetFirstEntries(entries, codes,
                                                        state_.transponderListSatellite);
}

void CVQChannelEditorView::ShowPaneForCurrentTab() {
  // The settings pane shows the category chosen now; an edit still pending
  // goes to the records (or category) the pane was built for.
  if (state_.currentTab == kTabSettings) {
    const std::vector<int> rows = pageList_[kTabSettings]->List()->SelectedRows();
    // A category always stays chosen: selecting it again shows its pane.
    if (rows.empty()) {
      UpdateSettingsCategory();
      return;
    }
    config_.CurrentSettingsItem = categories_->CodeAt(rows.front());
  }
  panes_->SelectionChanged(state_.currentTab);
  UpdateCounter();
}

void CVQChannelEditorView::UpdateCounter() {
  const int tab = state_.currentTab;
  if (tab != kTabChannels && tab != kTabTransponders) return;
  RecordTableView* list = pageList_[tab]->List();
  const std::vector<int> rows = list->SelectedRows();
  const QString number =
      rows.size() == 1 ? list->model()->index(rows.front(), 0).data(Qt::DisplayRole).toString()
                       : QString();
  pageList_[tab]->Bar()->SetCounterText(
      SelectionCounterText(static_cast<int>(rows.size()), number, list->model()->rowCount()));
}

QString CVQChannelEditorView::CounterText() const {
  const ListPage* page = Page(state_.currentTab);
  return page && page->Bar() ? page->Bar()->Counter()->text() : QString();
}

void CVQChannelEditorView::UpdateSettingsCategory() {
  const int code = SettingsCategoryToSelect(config_.CurrentSettingsItem, categories_->Codes());
  if (pageList_[kTabSettings])
    pageList_[kTabSettings]->List()->SelectOnlyRow(categories_->RowOfCode(code));
}

}  // namespace vq
