#include "ui/view/vq_channel_editor_view.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <initializer_list>
#include <utility>

#include "document/qt/vq_channel_editor_doc.h"
#include "ui/app/config/editor_config.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/pane_host.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/code_word_filter.h"
#include "ui/view/favorites_panel.h"
#include "ui/view/find_bar.h"
#include "ui/view/list_images.h"
#include "ui/view/list_page.h"
#include "ui/view/pane_splitter.h"
#include "ui/view/record_table_view.h"
#include "ui/view/satellite_list_model.h"
#include "ui/view/selector_bar.h"
#include "ui/view/settings_category_model.h"
#include "ui/view/statistics_panel.h"
#include "ui/view/transponder_list_model.h"
#include "ui/view/view_clipboard.h"
#include "ui/view/view_editing.h"

namespace vq {
namespace {

// Entering this word in the category list with Ctrl and Alt held reveals
// the receiver's diagnostic settings.
constexpr std::string_view kHiddenSettingsWord = "RunPath";

QWidget* LeftColumn(StatisticsPanel* statistics, FavoritesPanel* favorites, QWidget* parent) {
  auto* column = new QWidget(parent);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(statistics);
  layout->addWidget(favorites, 1);
  // As wide as the side tables need in the user's font and language, and no wider.
  column->setMinimumWidth(275);
  column->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
  return column;
}

}  // namespace

CVQChannelEditorView::CVQChannelEditorView(CVQChannelEditorDoc& document, EditorConfig& config,
                                           QWidget* parent)
    : QWidget(parent),
      document_(document),
      config_(config),
      channels_(new ChannelListModel(this)),
      transponders_(new TransponderListModel(this)),
      satellites_(new SatelliteListModel(this)),
      categories_(new SettingsCategoryModel(this)),
      clipboard_(new ViewClipboard(*this, config_, this)) {
  setObjectName("Main view");
  auto timer = std::make_shared<QElapsedTimer>();
  timer->start();
  clock_ = [timer] { return timer->elapsed(); };
  editing_ = std::make_unique<ViewEditing>(*this);

  Database().SetIndexObserver(editing_.get());
  BuildLayout();
  ConnectSignals();
  ConnectCommands();
  ConnectHistory();
  ConnectFind();
}

CVQChannelEditorView::~CVQChannelEditorView() {
  DisconnectHistory();
  if (Database().GetIndexObserver() == editing_.get()) Database().SetIndexObserver(nullptr);
}

void CVQChannelEditorView::BuildLayout() {
  statistics_ = new StatisticsPanel(this);
  favorites_ = new FavoritesPanel(this);

  auto* channelBar = new SelectorBar(QT_TRANSLATE_NOOP("vq::SelectorBar", "Channel source"),
                                     QT_TRANSLATE_NOOP("vq::SelectorBar", "Channel type"), this);
  for (int type = 0; type < 3; ++type)
    channelBar->Second()->addItem(ListIcon(kImageTv + type), type == 0   ? tr("TV Channels")
                                                             : type == 1 ? tr("Radio Channels")
                                                                         : tr("Data Channels"));
  using B = ListButton;
  pageList_[kTabChannels] =
      new ListPage(channelBar,
                   new RecordTableView(
                       channels_, QT_TRANSLATE_NOOP("vq::RecordTableView", "Channels"), true, this),
                   {{B::kAddNew, tr("Add New")},
                    {B::kRemoveSelected, tr("Remove Selected")},
                    {B::kRemoveAll, tr("Remove All")},
                    {B::kAddToFavorites, tr("Add To Favorites")},
                    {B::kMoveUp, tr("Move Up")},
                    {B::kMoveDown, tr("Move Down")}},
                   this);
  tabs_ = new QTabBar(this);
  tabs_->setObjectName("View tabs");
  tabs_->setAccessibleName(tr("View tabs"));
  tabs_->setDocumentMode(true);
  tabs_->setExpanding(false);
  tabs_->addTab(ListIcon(kImageChannels), tr("Channels"));
  tabs_->addTab(ListIcon(kImageTransponder), tr("Transponders"));
  tabs_->addTab(ListIcon(kImageSatellite), tr("Satellites"));
  tabs_->addTab(ListIcon(kImageSettings), tr("Settings"));
  pages_ = new QStackedWidget(this);
  pages_->addWidget(pageList_[kTabChannels]);

  pane_ = new PropertyGrid(this);
  pane_->setObjectName("Properties");
  pane_->setAccessibleName(tr("Properties"));
  pane_->setControlId(1009);
  pane_->setImages(ListIcons());
  pane_->insertColumn(0, tr("Name"), 100);
  pane_->insertColumn(1, tr("Value"), 200);
  pane_->setMinimumWidth(260);
  panes_ = std::make_unique<PaneHost>(*pane_, *editing_, config_);
  connect(panes_.get(), &PaneHost::editStateChanged, this, &CVQChannelEditorView::editStateChanged);
  connect(this, &CVQChannelEditorView::databaseChanged, panes_.get(), &PaneHost::DatabaseChanged);

  body_ = new PaneSplitter(pages_, pane_, this);
  connect(panes_.get(), &PaneHost::wantsWidth, body_, &PaneSplitter::WidenDefaultPane);

  auto* right = new QVBoxLayout;
  right->setSpacing(0);
  find_ = new FindBar(this);
  right->addWidget(tabs_);
  right->addWidget(find_);
  right->addWidget(body_, 1);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(LeftColumn(statistics_, favorites_, this));
  layout->addLayout(right, 1);
}

// The transponder, satellite and settings pages, built when first shown or
// asked for: a window that opens on the channels never pays for them. Until
// then a change of their rows builds them first, so that they go through it
// as pages built with the window would; they come in the state such pages
// would have now.
void CVQChannelEditorView::BuildHiddenPages() {
  if (pageList_[kTabTransponders]) return;
  buildBeforeRowsChange_ = false;
  using B = ListButton;
  pageList_[kTabTransponders] = new ListPage(
      new SelectorBar(QT_TRANSLATE_NOOP("vq::SelectorBar", "Transponder satellite"), "", this),
      new RecordTableView(transponders_, QT_TRANSLATE_NOOP("vq::RecordTableView", "Transponders"),
                          true, this),
      {{B::kAddNew, tr("Add New")},
       {B::kRemoveSelected, tr("Remove Selected")},
       {B::kRemoveAll, tr("Remove All")},
       {B::kClearChannels, tr("Clear All Channels")}},
      this);
  pageList_[kTabSatellites] = new ListPage(
      nullptr,
      new RecordTableView(satellites_, QT_TRANSLATE_NOOP("vq::RecordTableView", "Satellites"), true,
                          this),
      {{B::kAddNew, tr("Add New")},
       {B::kRemoveSelected, tr("Remove Selected")},
       {B::kRemoveAll, tr("Remove All")},
       {B::kClearChannels, tr("Clear All Channels")},
       {B::kClearTransponders, tr("Clear All Transponders && All Channels")}},
      this);
  pageList_[kTabSettings] =
      new ListPage(nullptr,
                   new RecordTableView(
                       categories_, QT_TRANSLATE_NOOP("vq::RecordTableView", "Settings categories"),
                       false, this),
                   {}, this);
  RecordTableView* categories = pageList_[kTabSettings]->List();
  categories->setSelectionMode(QAbstractItemView::SingleSelection);
  categories->setIconSize(QSize(16, 16));
  for (int tab = kTabTransponders; tab <= kTabSettings; ++tab) {
    pages_->addWidget(pageList_[tab]);
    ConnectList(tab);
  }
  connect(pageList_[kTabTransponders]->Bar(), &SelectorBar::firstChosen, this,
          [this](int code) { WithStatus([&] { SetTransponderListSatellite(code); }); });
  auto* codeWord = new CodeWordFilter(kHiddenSettingsWord, this);
  categories->installEventFilter(codeWord);
  connect(codeWord, &CodeWordFilter::matched, categories_, &SettingsCategoryModel::AppendHidden);
  ConnectHiddenPageButtons();

  FillTransponderSources();
  if (std::exchange(selectFirstRowsOnBuild_, false)) {
    // What the last InitialUpdate selected in built lists, quietly, as it did.
    const QSignalBlocker transponders(pageList_[kTabTransponders]->List());
    const QSignalBlocker satellites(pageList_[kTabSatellites]->List());
    const QSignalBlocker settings(categories);
    pageList_[kTabTransponders]->List()->SelectOnlyRow(0);
    pageList_[kTabSatellites]->List()->SelectOnlyRow(0);
    UpdateSettingsCategory();
  }
  // The buttons show what the last UpdateButtons found, as built ones do.
  EnableHiddenPageButtons();
}

ListPage* CVQChannelEditorView::PageAt(int tab) {
  if (tab != kTabChannels) BuildHiddenPages();
  return pageList_[tab];
}

void CVQChannelEditorView::ConnectList(int tab) {
  RecordTableView* list = pageList_[tab]->List();
  connect(list, &RecordTableView::rowSelectionChanged, this, [this, tab] {
    if (tab == state_.currentTab) ShowPaneForCurrentTab();
  });
  connect(list, &RecordTableView::contextMenuWanted, this,
          [this, tab](const QPoint& at) { ShowContextMenu(tab, at); });
  if (tab == kTabSettings) return;
  bool* descending[] = {&state_.channelsDescending, &state_.transpondersDescending,
                        &state_.satellitesDescending};
  connect(list, &RecordTableView::descendingChanged, this,
          [flag = descending[tab]](bool on) { *flag = on; });
  connect(list, &RecordTableView::rowSelectionChanged, this, &CVQChannelEditorView::UpdateButtons);
}

void CVQChannelEditorView::ConnectSignals() {
  connect(tabs_, &QTabBar::currentChanged, this, &CVQChannelEditorView::ShowTab);
  SelectorBar* channelBar = pageList_[kTabChannels]->Bar();
  connect(channelBar, &SelectorBar::firstChosen, this,
          [this](int code) { WithStatus([&] { SetChannelListSource(code); }); });
  connect(channelBar, &SelectorBar::secondChosen, this,
          [this](int type) { WithStatus([&] { SetShownChannelType(type); }); });
  ConnectList(kTabChannels);
  for (RecordListModel* model :
       std::initializer_list<RecordListModel*>{transponders_, satellites_, categories_})
    model->SetBeforeRowsChange([this] {
      if (buildBeforeRowsChange_) BuildHiddenPages();
    });
  connect(statistics_, &StatisticsPanel::networkToggled, this, [this](bool on) {
    Recorded(tr("Use Network Settings"), [&] { Database().SetExtendedConfig(on ? 1 : 0); });
    // Settling a pending edit re-reads the box from the flag, so the flag
    // goes first; an edit still pending in the network category lands
    // before the category leaves.
    CommitPendingEdits();
    categories_->SetNetworkListed(on);
    UpdateSettingsCategory();
    emit databaseChanged();
  });
}

SettingsDatabase& CVQChannelEditorView::Database() const { return document_.Database(); }

int CVQChannelEditorView::PaneWidth() const { return body_->ChosenPaneWidth(); }

void CVQChannelEditorView::SetPaneWidth(int width) { body_->SetPaneWidth(width); }

ListPage* CVQChannelEditorView::Page(int tab) const {
  // Building a page on first use changes nothing a caller could see.
  return tab >= 0 && tab < 4 ? const_cast<CVQChannelEditorView*>(this)->PageAt(tab) : nullptr;
}

std::vector<int> CVQChannelEditorView::SelectedRows(int tab) const {
  if (pageList_[tab] || (tab != kTabTransponders && tab != kTabSatellites))
    return Page(tab)->List()->SelectedRows();
  // A list not built yet has what the last InitialUpdate left in built ones.
  const int rows = tab == kTabTransponders ? transponders_->rowCount() : satellites_->rowCount();
  return selectFirstRowsOnBuild_ && rows > 0 ? std::vector<int>{0} : std::vector<int>{};
}

void CVQChannelEditorView::WithStatus(const std::function<void()>& work) {
  CommitPendingEdits();
  emit statusText(tr("Please wait ..."));
  work();
  emit statusText(tr("Ready!"));
}

}  // namespace vq
