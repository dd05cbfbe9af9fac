#pragma once
/// @file
/// The main view: statistics, favourites and the four tabs of lists.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "editing/commands/command_states.h"
#include "ui/view/list_page.h"
#include "ui/view/list_state.h"

class QAction;
class QMenu;
class QStackedWidget;
class QTabBar;

namespace vq {

class CVQChannelEditorDoc;
class ChannelDrag;
struct ContextMenu;
class ChannelListModel;
class PaneSplitter;
class EditingView;
class FavoritesPanel;
class FindBar;
class PaneHost;
class PropertyGrid;
class Prompter;
class SatelliteListModel;
class SettingsCategoryModel;
class SettingsDatabase;
class StatisticsPanel;
class TransponderListModel;
class ViewClipboard;
class ViewEditing;
struct EditorConfig;
struct FavoriteGroupCounts;

/// Shows the document's database as lists on four tabs (Channels,
/// Transponders, Satellites, Settings) beside the statistics and the
/// favourite groups, and the property pane of the selected record.
///
/// Owns the list models (which map rows to database nodes), the ListState
/// that editing commands read, and the pane grid. Keeps the current tab and
/// settings category in the EditorConfig it is given. Every new or opened
/// document runs InitialUpdate.
class CVQChannelEditorView : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(CVQChannelEditorView)

 public:
  /// Milliseconds from a fixed start; replaced by tests to time loading.
  using Clock = std::function<qint64()>;

  CVQChannelEditorView(CVQChannelEditorDoc& document, EditorConfig& config,
                       QWidget* parent = nullptr);
  ~CVQChannelEditorView() override;

  /// Refills everything from the document: statistics, favourites,
  /// selectors and lists, selects the first row of each and the remembered
  /// tab and category. A document loaded from a file reports the load time.
  void InitialUpdate();
  /// Shows tab `tab` (ViewTab), refilling its list when marked for refill.
  void ShowTab(int tab);
  /// Rebuilds a list from the database for the current selectors.
  void RefillChannelList();
  void RefillChannelList(const FavoriteGroupCounts& counts);
  void RefillTransponderList();
  // After a move: the rows that moved are redrawn, the selection stays.
  void ReorderChannelList();
  void ReorderTransponderList();
  void RefillSatelliteList();
  /// Re-reads the statistics, the favourite groups, both selectors and the
  /// three record lists, counting the favourite groups once for all.
  void RefillCountsAndLists();
  /// Shows the pane and counter for the selection of the current tab.
  void ShowPaneForCurrentTab();
  /// The property pane's width as the user chose it (−1: the default),
  /// and the width it takes (the profile keeps it between runs).
  int PaneWidth() const;
  void SetPaneWidth(int width);

  /// @name Channel list state
  /// Setting a value refills the lists it affects, as choosing it does.
  /// @{
  void SetChannelListSource(int source);
  void SetShownChannelType(int type);
  void SetTransponderListSatellite(int listSatellite);
  /// Drops the pane's unfinished edit (it belonged to a replaced database)
  /// and puts the lists on all TV channels and all transponders.
  void StartOverOnAllRecords();
  /// @}

  ListState& State() { return state_; }
  const ListState& State() const { return state_; }
  int CurrentTab() const { return state_.currentTab; }
  SettingsDatabase& Database() const;

  ChannelListModel* Channels() const { return channels_; }
  TransponderListModel* Transponders() const { return transponders_; }
  SatelliteListModel* Satellites() const { return satellites_; }
  SettingsCategoryModel* Categories() const { return categories_; }
  /// Pages in tab order. The transponder, satellite and settings pages are
  /// built when first shown or asked for.
  ListPage* Page(int tab) const;
  /// The rows selected in the list of `tab`, without building its page.
  std::vector<int> SelectedRows(int tab) const;
  QTabBar* Tabs() const { return tabs_; }
  StatisticsPanel* Statistics() const { return statistics_; }
  FavoritesPanel* Favorites() const { return favorites_; }
  PropertyGrid* Pane() const { return pane_; }
  /// The counter text of the current tab.
  QString CounterText() const;

  void SetClock(Clock clock) { clock_ = std::move(clock); }

  /// @name Editing commands
  /// The buttons, context menus, model buttons and drag and drop run the
  /// commands of the editing layer through this view's EditingView; the
  /// prompter answers their questions (no prompter: the commands stay idle).
  /// @{
  EditingView& Editing();
  void SetPrompter(Prompter* prompter);
  /// The commit flow of the property pane of the current tab, with its
  /// asking flag (the editing commands' CommitPane).
  void CommitPane(bool asking);
  /// Ends an open in-place edit of the pane, then commits or drops the
  /// pending edit as PostEditAction says. The frame runs it before every
  /// file command.
  void CommitPendingEdits();
  /// Whether the pane holds an edit not yet written (pending, or still in
  /// its in-place editor).
  bool HoldsEdit() const;
  PaneHost* Panes() const { return panes_.get(); }
  /// Copy, cut, paste and apply with their enabled states.
  ViewClipboard* ClipboardCommands() const { return clipboard_; }
  /// Enables the command buttons, menu entries and model buttons for the
  /// current selections and database.
  void UpdateButtons();
  /// Statistics, favourite group counts and the selector entries.
  void RefreshCountsAndSelectors();
  /// Puts a text in the status bar (statusText).
  void ShowStatus(const QString& text);
  /// Marks the document modified (databaseChanged).
  void MarkModified();
  /// Called with the channel list's context menu before it shows, to add
  /// entries of commands that live outside the view.
  void SetChannelMenuExtension(std::function<void(QMenu*)> extend) {
    channelMenuExtension_ = std::move(extend);
  }
  /// The frame's "Special Actions" entries, enabled by UpdateButtons.
  void AttachSpecialActions(QAction* deleteDataChannels, QAction* deleteEmptyTransponders);
  /// @}

  /// @name Undo and redo
  /// Every change of the document is one named step of the document's
  /// history: the view's commands and the pane commits record themselves;
  /// a command run from elsewhere (the frame's imports, paste, apply) runs
  /// inside Recorded, or inside a HistoryStep on the document's History().
  /// @{
  /// Runs `work` as one step named `name` ("Undo <name>" in the Edit menu).
  void Recorded(const QString& name, const std::function<void()>& work);
  /// An edit still in the pane counts as the newest step: Undo writes it,
  /// then takes it back.
  bool CanUndoChange() const;
  bool CanRedoChange() const;
  QString UndoName() const;
  QString RedoName() const;
  /// Settle the pane's edit, then put the database back one step (or on
  /// one step) and show the lists, sources and selections of that moment
  /// where they still exist.
  void UndoChange();
  void RedoChange();
  /// @}

  /// @name Find
  /// The find bar searches the list of the current tab as it is shown
  /// (source, filter and order); settings are found by category name.
  /// @{
  FindBar* Find() const { return find_; }
  /// Shows the bar with its text selected.
  void OpenFind();
  /// Selects the next match after the current row (the previous one when
  /// `backwards`), wrapping around; opens the bar when it has no text.
  void FindNext(bool backwards);
  /// Selects every match, so the list commands act on them.
  void SelectAllMatches();
  /// @}

 signals:
  /// A text for the status bar.
  void statusText(const QString& text);
  /// The user changed the database from the view (marks the document).
  void databaseChanged();
  /// HoldsEdit may have changed.
  void editStateChanged();

 private:
  void BuildLayout();
  /// Builds the transponder, satellite and settings pages, unless built.
  void BuildHiddenPages();
  /// The page of `tab`, built first when needed.
  ListPage* PageAt(int tab);
  void ConnectList(int tab);
  void ConnectSignals();
  /// The channel selector's entries, with the favourite groups' counts.
  void FillChannelSources(const FavoriteGroupCounts& counts);
  void FillTransponderSources();
  void UpdateCounter();
  void UpdateSettingsCategory();
  void ShowContextMenu(int tab, const QPoint& globalPos);
  void PlugNavigation(const ContextMenu& menu, int tab);
  void SwitchToTransponder();
  void SwitchToSatellite(int fromTab);
  void WithStatus(const std::function<void()>& work);
  void ConnectCommands();
  /// Runs the button's command as a recorded step named `name`.
  void ConnectButton(int tab, ListButton id, const QString& name,
                     const std::function<void()>& command);
  void ConnectHiddenPageButtons();
  void EnableHiddenPageButtons();
  void PlugCommands(const ContextMenu& menu, int tab);
  /// Runs a command that needs the prompter, when one is set.
  void WithPrompter(const std::function<void(EditingView&, Prompter&)>& command);
  void ConnectHistory();
  void DisconnectHistory();
  void ShowRestored(const std::vector<uint8_t>& viewState);
  void ConnectFind();
  std::vector<int> FindMatches() const;
  int CurrentFindRow() const;
  void GoToMatch(int from, bool backwards);
  void SelectFoundRows(const std::vector<int>& rows);
  void ShowFindResult(const std::vector<int>& matches, int row);

  CVQChannelEditorDoc& document_;
  EditorConfig& config_;
  ListState state_;
  Clock clock_;
  ChannelListModel* channels_;
  TransponderListModel* transponders_;
  SatelliteListModel* satellites_;
  SettingsCategoryModel* categories_;
  StatisticsPanel* statistics_ = nullptr;
  FavoritesPanel* favorites_ = nullptr;
  QTabBar* tabs_ = nullptr;
  FindBar* find_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  ListPage* pageList_[4] = {};  ///< null for a page not built yet
  /// The lists were filled and first rows selected while pages were missing.
  bool selectFirstRowsOnBuild_ = false;
  /// A change of a missing page's rows builds the pages first.
  bool buildBeforeRowsChange_ = false;
  /// What the last UpdateButtons found.
  CommandStates buttonStates_;
  PropertyGrid* pane_ = nullptr;
  PaneSplitter* body_ = nullptr;
  std::unique_ptr<ViewEditing> editing_;
  std::unique_ptr<PaneHost> panes_;  ///< after editing_: goes first
  ViewClipboard* clipboard_ = nullptr;
  Prompter* prompter_ = nullptr;
  QPointer<QAction> deleteDataChannels_;
  QPointer<QAction> deleteEmptyTransponders_;
  ChannelDrag* drag_ = nullptr;
  std::function<void(QMenu*)> channelMenuExtension_;
};

}  // namespace vq
