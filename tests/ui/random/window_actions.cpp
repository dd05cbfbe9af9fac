#include "window_actions.h"
#include "support/grid_editor.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <numeric>

#include "../dialogs/modal_answer.h"
#include "clipboard_actions.h"
#include "history_actions.h"
#include "ui/app/frame/main_frame.h"
#include "ui/app/commands/tidy_menu_commands.h"
#include "ui/dialogs/backups_dialog.h"
#include "ui/grid/grid_cell.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/channel_pane_rows.h"
#include "ui/panes/property_pane.h"
#include "ui/panes/satellite_pane.h"
#include "ui/panes/transponder_pane.h"
#include "ui/view/favorite_members_model.h"
#include "ui/view/favorites_panel.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/selector_bar.h"
#include "ui/view/statistics_panel.h"
#include "ui/view/vq_channel_editor_view.h"
#include "window_session.h"

namespace vq::test {
namespace {

// A user's choice in a selector: the entry becomes current and the
// selector reports it as chosen.
void Choose(QComboBox* box, int index) {
  if (!box->isEnabled() || index < 0 || index >= box->count()) return;
  box->setCurrentIndex(index);
  emit box->activated(index);
}

void ClickIfEnabled(QAbstractButton* button) {
  if (button && button->isEnabled() && button->isVisible())
    QTest::mouseClick(button, Qt::LeftButton);
}

void ChangeTab(WindowSession& s) {
  QTabBar* tabs = s.View().Tabs();
  const int tab = s.Pick(tabs->count());
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
}

void ChooseChannelSource(WindowSession& s) {
  QComboBox* sources = s.View().Page(kTabChannels)->Bar()->First();
  Choose(sources, s.Pick(sources->count()));
}

void ChooseChannelType(WindowSession& s) {
  Choose(s.View().Page(kTabChannels)->Bar()->Second(), s.Pick(3));
}

void ChooseTransponderSatellite(WindowSession& s) {
  QComboBox* satellites = s.View().Page(kTabTransponders)->Bar()->First();
  Choose(satellites, s.Pick(satellites->count()));
}

void StepSelector(WindowSession& s) {
  SelectorBar* bar = s.View().Page(s.Chance(2) ? kTabChannels : kTabTransponders)->Bar();
  ClickIfEnabled(s.Chance(2) ? bar->Previous() : bar->Next());
}

void ToggleSortOrder(WindowSession& s) {
  if (s.View().CurrentTab() == kTabSettings) return;
  QHeaderView* header = s.CurrentList()->horizontalHeader();
  const int column = s.Chance(4) ? 1 : 0;
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
}

void SelectRows(WindowSession& s) {
  RecordTableView* list = s.CurrentList();
  const std::vector<int> rows = s.RandomRows(list->model()->rowCount());
  if (rows.empty())
    list->clearSelection();
  else
    list->SelectRows(rows);
}

void ClickRow(WindowSession& s) {
  RecordTableView* list = s.CurrentList();
  const int row = s.VisibleRow(list, s.Pick(list->model()->rowCount()));
  if (row < 0) return;
  const Qt::KeyboardModifiers keys = s.Chance(3)   ? Qt::ShiftModifier
                                     : s.Chance(3) ? Qt::ControlModifier
                                                   : Qt::NoModifier;
  QTest::mouseClick(list->viewport(), Qt::LeftButton, keys,
                    list->visualRect(list->model()->index(row, 1)).center());
}

void SelectFavoriteRows(WindowSession& s) {
  QListView* members = s.View().Favorites()->Members();
  const std::vector<int> rows = s.RandomRows(members->model()->rowCount());
  QItemSelection selection;
  for (int row : rows)
    selection.select(members->model()->index(row, 0), members->model()->index(row, 0));
  members->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void ClickListButton(WindowSession& s) {
  const QList<QPushButton*> buttons =
      s.View().Page(s.View().CurrentTab())->findChildren<QPushButton*>();
  if (!buttons.isEmpty()) ClickIfEnabled(buttons[s.Pick(static_cast<int>(buttons.size()))]);
}

// The enabled entries of a menu and of its sub-menus.
void EnabledEntries(QMenu* menu, QList<QAction*>& entries) {
  for (QAction* action : menu->actions()) {
    if (action->isSeparator() || !action->isEnabled()) continue;
    if (action->menu())
      EnabledEntries(action->menu(), entries);
    else
      entries.append(action);
  }
}

// The list's context menu now open, or null.
QMenu* OpenContextMenu(WindowSession& s) {
  for (QMenu* shown : s.View().findChildren<QMenu*>())
    if (shown->isVisible() && !shown->parentWidget()->inherits("QMenu")) return shown;
  return nullptr;
}

// What holds the input when a menu did not open.
std::string InputHolders() {
  const auto name = [](const QWidget* w) -> std::string {
    return w ? w->metaObject()->className() + (" \"" + w->objectName().toStdString() + "\"")
             : "none";
  };
  return "active " + name(QApplication::activeWindow()) + ", popup " +
         name(QApplication::activePopupWidget()) + ", modal " +
         name(QApplication::activeModalWidget()) + ", focus " + name(QApplication::focusWidget());
}

// Opens the current list's context menu as a user does: a right click at a
// row (the press selects the row, then the window hands the menu request to
// the widget under the pointer, the list's viewport), or the Menu key on the
// list (the window hands a keyboard menu request to the focused list). Then
// triggers a random enabled entry, or closes the menu untouched.
void RunContextMenuEntry(WindowSession& s) {
  RecordTableView* list = s.CurrentList();
  list->setFocus(Qt::OtherFocusReason);
  if (s.Chance(2)) {
    const int row = s.VisibleRow(list, s.Pick(list->model()->rowCount()));
    const QPoint at = row < 0 ? list->viewport()->rect().center()
                              : list->visualRect(list->model()->index(row, 1)).center();
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &event);
    if (!OpenContextMenu(s))
      ADD_FAILURE() << "a right click opens no context menu; " << InputHolders();
    QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, at);
  } else {
    const QPoint at = list->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, list->mapToGlobal(at));
    QApplication::sendEvent(list, &event);
    if (!OpenContextMenu(s))
      ADD_FAILURE() << "the Menu key opens no context menu; " << InputHolders();
  }
  QMenu* menu = OpenContextMenu(s);
  if (!menu) return;
  QList<QAction*> entries;
  EnabledEntries(menu, entries);
  if (!entries.isEmpty() && !s.Chance(6)) {
    QAction* entry = entries[s.Pick(static_cast<int>(entries.size()))];
    menu->close();
    entry->trigger();
  } else {
    menu->close();
  }
}

void RunSpecialAction(WindowSession& s) {
  const FrameActions& a = s.Frame().Actions();
  QAction* action = s.Chance(2) ? a.deleteDataChannels : a.deleteEmptyTransponders;
  if (action->isEnabled()) action->trigger();
}

void ChooseFavoriteGroup(WindowSession& s) {
  PropertyGrid* groups = s.View().Favorites()->Groups();
  const QRect cell = groups->cellRect(s.Pick(kFavoriteGroupCount), 0);
  QTest::mouseClick(groups->viewport(), Qt::LeftButton, {}, cell.center());
}

void ClickFavoritesButton(WindowSession& s) {
  FavoritesPanel* favorites = s.View().Favorites();
  ClickIfEnabled(s.Chance(3) ? favorites->RemoveAllButton() : favorites->RemoveButton());
}

void ClickModelButton(WindowSession& s) {
  StatisticsPanel* stats = s.View().Statistics();
  ClickIfEnabled(s.Chance(2) ? stats->FtaButton() : stats->PvrButton());
}

void ToggleNetwork(WindowSession& s) { ClickIfEnabled(s.View().Statistics()->NetworkBox()); }

QPoint InViewport(QWidget* viewport, QWidget* widget, QPoint at) {
  return viewport->mapFromGlobal(widget->mapToGlobal(at));
}

// Presses a visible channel row, moves past the drag distance and releases
// over a row of the list, the favourites list, "Remove Selected" or
// somewhere else.
void DragChannels(WindowSession& s) {
  CVQChannelEditorView& view = s.View();
  if (view.CurrentTab() != kTabChannels) return;
  RecordTableView* list = view.Page(kTabChannels)->List();
  QWidget* viewport = list->viewport();
  const int row = s.VisibleRow(list, s.Pick(list->model()->rowCount()));
  if (row < 0) return;
  const QPoint from = list->visualRect(list->model()->index(row, 1)).center();
  QPoint to;
  switch (s.Pick(4)) {
    case 0: {
      const int count = list->model()->rowCount();
      const int y = s.Pick(viewport->height());
      to = QPoint(from.x(), count > 0 ? y : viewport->height() / 2);
      break;
    }
    case 1: {
      QWidget* members = view.Favorites()->Members()->viewport();
      to = InViewport(viewport, members, members->rect().center());
      break;
    }
    case 2: {
      QPushButton* remove = nullptr;
      for (QPushButton* b : view.Page(kTabChannels)->findChildren<QPushButton*>())
        if (b->accessibleName() == "Remove Selected") remove = b;
      if (!remove) return;
      to = InViewport(viewport, remove, remove->rect().center());
      break;
    }
    default:
      to = InViewport(viewport, view.Statistics(), QPoint(5, 5));
      break;
  }
  QTest::mousePress(viewport, Qt::LeftButton, {}, from);
  QTest::mouseMove(viewport, from + QPoint(0, 12));
  QTest::mouseMove(viewport, to);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
}

// What a user types into a pane field: digits (in range or far out), a
// word, Latin-1 letters, or nothing.
QString RandomTyping(WindowSession& s) {
  switch (s.Pick(5)) {
    case 0:
      return QString::number(s.Pick(10));
    case 1:
      return QString::number(s.Pick(70000) - 100);
    case 2:
      return QStringLiteral("Kanal %1").arg(s.Pick(1000));
    case 3:
      return QString::fromLatin1("\xc4rger \xfc\xdf\xe9 long name beyond any limit");
    default:
      return {};
  }
}

// Edits a random value of the pane as a user would: types into a text or
// number field and leaves it with Return, Escape, Tab or not at all (the
// next action must settle it), picks an option, or ticks a check box.
void EditPaneValue(WindowSession& s) {
  PropertyGrid* grid = s.View().Pane();
  const std::vector<int>& rows = grid->shownRows();
  if (rows.empty()) return;
  const int row = rows[static_cast<size_t>(s.Pick(static_cast<int>(rows.size())))];
  const GridCell* cell = grid->cell(row, PropertyPane::kValueColumn);
  if (!cell || !cell->has(CellFlag::Enabled)) return;
  if (cell->kind == RowKind::CheckBox || cell->kind == RowKind::Radio ||
      cell->kind == RowKind::PushButton) {
    grid->activateCell(row, PropertyPane::kValueColumn);
    return;
  }
  if (!grid->editCell(row, PropertyPane::kValueColumn)) return;
  if (auto* combo = OpenGridEditor<QComboBox>(grid)) {
    combo->hidePopup();
    const int index = s.Pick(combo->count());
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    return;
  }
  QLineEdit* edit = OpenGridEditor<QLineEdit>(grid);
  if (!edit) return;
  edit->selectAll();
  KeyIn(edit, RandomTyping(s));
  switch (s.Pick(4)) {
    case 0:
      QTest::keyClick(edit, Qt::Key_Return);
      break;
    case 1:
      QTest::keyClick(edit, Qt::Key_Escape);
      break;
    case 2:
      QTest::keyClick(edit, Qt::Key_Tab);
      break;
    default:
      break;
  }
}

// Ticks or clears a favourite box of the channel pane (opening its group
// first), mostly the one of the group the favourites panel shows, and now
// and then saves at once.
void ToggleFavoriteBox(WindowSession& s) {
  PropertyGrid* grid = s.View().Pane();
  if (s.View().CurrentTab() != kTabChannels || grid->shownRows().empty()) return;
  const int chosen = s.View().Favorites()->ChosenGroup();
  const int g = chosen >= 0 && !s.Chance(4) ? chosen : s.Pick(kFavoriteGroupCount);
  const int row = channel_rows::kFavorite1 + g;
  if (grid->model().shownIndex(row) < 0)
    grid->activateCell(channel_rows::kFavorites, PropertyPane::kLabelColumn);
  grid->activateCell(row, PropertyPane::kValueColumn);
  if (s.Chance(2)) grid->activateCell(PropertyPane::kSaveDiscardRow, PropertyPane::kLabelColumn);
}

// "Show All" / "Hide All", "Save" / "Discard", or a group opened or closed.
void ClickPaneControl(WindowSession& s) {
  PropertyGrid* grid = s.View().Pane();
  if (grid->shownRows().empty()) return;
  switch (s.Pick(3)) {
    case 0:
      grid->activateCell(PropertyPane::kShowHideRow, s.Pick(2));
      break;
    case 1:
      grid->activateCell(PropertyPane::kSaveDiscardRow, s.Pick(2));
      break;
    default: {
      const std::vector<int>& rows = grid->shownRows();
      const int row = rows[static_cast<size_t>(s.Pick(static_cast<int>(rows.size())))];
      const GridCell* label = grid->cell(row, PropertyPane::kLabelColumn);
      if (label && label->kind == RowKind::Group)
        grid->activateCell(row, PropertyPane::kLabelColumn);
      break;
    }
  }
}

// A click on a settings category (the pane then shows it).
void ChooseSettingsCategory(WindowSession& s) {
  if (s.View().CurrentTab() != kTabSettings) return;
  RecordTableView* list = s.View().Page(kTabSettings)->List();
  const int row = s.VisibleRow(list, s.Pick(list->model()->rowCount()));
  if (row < 0) return;
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualRect(list->model()->index(row, 0)).center());
}

// The code word with Ctrl and Alt held reveals the hidden category.
void TypeCodeWord(WindowSession& s) {
  if (s.View().CurrentTab() != kTabSettings) return;
  RecordTableView* list = s.View().Page(kTabSettings)->List();
  for (const char ch : std::string("RunPath")) {
    Qt::KeyboardModifiers modifiers = Qt::ControlModifier | Qt::AltModifier;
    if (ch >= 'A' && ch <= 'Z') modifiers |= Qt::ShiftModifier;
    const char upper = ch >= 'a' ? static_cast<char>(ch - 'a' + 'A') : ch;
    QTest::keyClick(list, static_cast<Qt::Key>(Qt::Key_A + (upper - 'A')), modifiers);
  }
}

// Picks a date and time in a date/time row of the pane (a clock, a timer's
// start or duration) and leaves the picker with Return or Escape.
void PickPaneDateTime(WindowSession& s) {
  PropertyGrid* grid = s.View().Pane();
  std::vector<int> rows;
  for (int row : grid->shownRows()) {
    const GridCell* cell = grid->cell(row, PropertyPane::kValueColumn);
    if (cell && cell->kind == RowKind::DateTime && cell->has(CellFlag::Enabled))
      rows.push_back(row);
  }
  if (rows.empty()) return;
  const int row = rows[static_cast<size_t>(s.Pick(static_cast<int>(rows.size())))];
  if (!grid->editCell(row, PropertyPane::kValueColumn)) return;
  auto* picker = OpenGridEditor<QDateTimeEdit>(grid);
  if (!picker) return;
  picker->setDateTime(QDateTime(QDate(1990 + s.Pick(60), 1 + s.Pick(12), 1 + s.Pick(31)),
                                QTime(s.Pick(24), s.Pick(60))));
  QTest::keyClick(picker, s.Chance(4) ? Qt::Key_Escape : Qt::Key_Return);
}

// "Save" or "Discard" of the settings pane.
void SaveOrDiscardSettings(WindowSession& s) {
  if (s.View().CurrentTab() != kTabSettings || s.View().Pane()->shownRows().empty()) return;
  s.View().Pane()->activateCell(PropertyPane::kSaveDiscardRow, s.Chance(3) ? 1 : 0);
}

// What a user types into a row the transponder and satellite panes check:
// oscillators with and without the unit, positions, ports, indexes and
// frequencies, valid or not.
QString RandomDishTyping(WindowSession& s) {
  static const char* const texts[] = {
      "10600", "10600 mhz", " 9750 MHz ", "5150", "4999",  "12001 MHz", "11300mHz", "MHz",
      "",      "19.2E",     "5.0W",       "0.8X", "3",     "64",        "2",        "10700",
      "11000", "11900",     "12750",      "3500", "27500", "20000",     "1"};
  if (s.Chance(4)) return QString::number(s.Pick(14000));
  return QString::fromLatin1(texts[s.Pick(static_cast<int>(std::size(texts)))]);
}

// Goes to the transponder or satellite tab, picks a record when none is
// shown, types into a row the pane checks (shown first when hidden),
// leaves it, and now and then saves at once.
void TypeDishValue(WindowSession& s) {
  if (s.View().CurrentTab() != kTabTransponders && s.View().CurrentTab() != kTabSatellites) {
    QTabBar* tabs = s.View().Tabs();
    QTest::mouseClick(tabs, Qt::LeftButton, {},
                      tabs->tabRect(s.Chance(2) ? kTabTransponders : kTabSatellites).center());
  }
  std::vector<int> rows;
  if (s.View().CurrentTab() == kTabSatellites) {
    using namespace satellite_rows;
    rows = {kNumber, kName, kPosition, kHighOscillator, kLowOscillator, kSwitchPort, kMotorIndex};
    for (int k = 0; k < SatelliteRecord::kPredefinedCount; ++k)
      rows.push_back(PredefinedRow(k, PredefinedPart::kFrequency));
  } else if (s.View().CurrentTab() == kTabTransponders) {
    using namespace transponder_rows;
    rows = {kNumber, kName, kFrequency, kSymbolRate, kEcmChannelId};
  }
  PropertyGrid* grid = s.View().Pane();
  // A user picks a record first when none is shown.
  const int count = s.CurrentList()->model()->rowCount();
  if (grid->shownRows().empty() && count > 0) s.CurrentList()->SelectOnlyRow(s.Pick(count));
  std::erase_if(rows, [grid](int row) {
    const GridCell* cell = grid->cell(row, PropertyPane::kValueColumn);
    return !cell || !cell->has(CellFlag::Enabled);
  });
  if (rows.empty()) return;
  const int row = rows[static_cast<size_t>(s.Pick(static_cast<int>(rows.size())))];
  if (grid->model().shownIndex(row) < 0) grid->activateCell(PropertyPane::kShowHideRow, 0);
  if (grid->editCell(row, PropertyPane::kValueColumn)) {
    const QString text = RandomDishTyping(s);
    if (auto* combo = OpenGridEditor<QComboBox>(grid); combo && combo->isEditable()) {
      combo->lineEdit()->setText(text);
    } else if (QLineEdit* edit = OpenGridEditor<QLineEdit>(grid)) {
      edit->selectAll();
      KeyIn(edit, text);
    }
    grid->finishEditing();
  }
  if (s.Chance(2)) grid->activateCell(PropertyPane::kSaveDiscardRow, PropertyPane::kLabelColumn);
}

// The user switches "AutoSave" or the collapsing after a choice in the
// editor configuration, which settles the pane's edit first.
void SwitchPaneSaving(WindowSession& s) {
  s.View().CommitPendingEdits();
  EditorConfig& config = s.Config();
  if (s.Chance(2))
    config.AutoSave = config.AutoSave != 0 ? 0 : 1;
  else
    config.ColapseAfterSelection = config.ColapseAfterSelection != 0 ? 0 : 1;
}

void Trigger(QAction* action) {
  if (action->isEnabled()) action->trigger();
}

void ImportVdrList(WindowSession& s) { Trigger(s.Frame().Actions().importVdrChannels); }

void ImportScanTable(WindowSession& s) { Trigger(s.Frame().Actions().importScanTable); }

void OrderLikeAList(WindowSession& s) { Trigger(s.Frame().Actions().orderLikeList); }

void ExportList(WindowSession& s) {
  const FrameActions& a = s.Frame().Actions();
  Trigger(s.Chance(2) ? a.exportVdrChannels : a.exportCsv);
}

void CompareAndTakeOver(WindowSession& s) { Trigger(s.Frame().CompareWithFileAction()); }
// Opens the Backups window and compares with a random backup, opens one
// (then saves it as the session's file, so the session goes on with it) or
// closes the window.
void UseABackup(WindowSession& s) {
  const int choice = s.Pick(3);
  const int row = s.Pick(1 << 16);
  bool opened = false;
  AnswerModalOf<BackupsDialog>([choice, row, &opened](BackupsDialog* dialog) {
    QAbstractItemModel* rows = dialog->List()->model();
    if (rows->rowCount() > 0) dialog->List()->setCurrentIndex(rows->index(row % rows->rowCount(), 0));
    QPushButton* button = choice == 0 ? dialog->OpenButton() : dialog->CompareButton();
    if (choice == 2 || !button->isEnabled()) {
      dialog->reject();
      return;
    }
    opened = choice == 0;
    button->click();
  });
  Trigger(s.Frame().BackupsAction());
  if (opened && s.Document().PathName().isEmpty()) s.Document().SaveAs(s.Path());
}

void TidyUpChannels(WindowSession& s) {
  TidyMenuCommands* tidy = s.Frame().Tidy();
  tidy->UpdateEnabled();
  QAction* actions[] = {tidy->FindDuplicatesAction(), tidy->SortAction(),
                        tidy->MoveToNumberAction(), tidy->RenameAction()};
  Trigger(actions[s.Pick(4)]);
}

void SaveAndReopen(WindowSession& s) {
  if (!s.Document().Save()) return;
  s.Document().NewDocument();
  s.Document().OpenDocument(s.Path());
}

}  // namespace

const std::vector<WindowAction>& WindowActions() {
  static const std::vector<WindowAction> actions = {
      {"change tab", 10, ChangeTab},
      {"choose channel source", 8, ChooseChannelSource},
      {"choose channel type", 4, ChooseChannelType},
      {"choose transponder satellite", 5, ChooseTransponderSatellite},
      {"step a selector", 3, StepSelector},
      {"toggle sort order", 3, ToggleSortOrder},
      {"select rows", 14, SelectRows},
      {"click a row", 8, ClickRow},
      {"select favourite rows", 5, SelectFavoriteRows},
      {"click a list button", 16, ClickListButton},
      {"run a context menu entry", 8, RunContextMenuEntry},
      {"run a special action", 2, RunSpecialAction},
      {"choose a favourite group", 5, ChooseFavoriteGroup},
      {"click a favourites button", 3, ClickFavoritesButton},
      {"click a model button", 2, ClickModelButton},
      {"toggle the network box", 1, ToggleNetwork},
      {"drag channels", 6, DragChannels},
      {"edit a pane value", 14, EditPaneValue},
      {"click a pane control", 4, ClickPaneControl},
      {"toggle a favourite box", 3, ToggleFavoriteBox},
      {"choose a settings category", 6, ChooseSettingsCategory},
      {"type the code word", 1, TypeCodeWord},
      {"pick a date in the pane", 4, PickPaneDateTime},
      {"save or discard settings", 3, SaveOrDiscardSettings},
      {"type a dish value", 6, TypeDishValue},
      {"save and reopen", 1, SaveAndReopen},
      {"switch the pane's saving", 1, SwitchPaneSaving},
      {"import a VDR list", 2, ImportVdrList},
      {"import a scan table", 2, ImportScanTable},
      {"order like another list", 2, OrderLikeAList},
      {"export a list", 2, ExportList},
      {"compare with another file and take over a random choice", 2, CompareAndTakeOver},
      {kUseABackup, 1, UseABackup},
      {"run an edit command", 8, RunEditCommand},
      {"fill the clipboard with bytes", 3, FillClipboardWithBytes},
      {"paste names that mark free slots", 2, PasteNamesThatMarkFreeSlots},
      {"undo", 6, UndoLastChange},
      {"redo", 3, RedoNextChange},
      {"find in the list", 3, FindInList},
      {"tidy up the channels", 4, TidyUpChannels},
  };
  return actions;
}

const WindowAction& PickAction(WindowSession& session) {
  const std::vector<WindowAction>& actions = WindowActions();
  const int total = std::accumulate(actions.begin(), actions.end(), 0,
                                    [](int sum, const WindowAction& a) { return sum + a.weight; });
  int pick = session.Pick(total);
  for (const WindowAction& action : actions) {
    if (pick < action.weight) return action;
    pick -= action.weight;
  }
  return actions.back();
}

}  // namespace vq::test
