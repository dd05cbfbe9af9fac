#include "window_checks.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <unordered_set>

#include "../../editing/invariant_checks.h"
#include "database/settings_database.h"
#include "document/qt/vq_channel_editor_doc.h"
#include "editing/commands/command_states.h"
#include "ui/app/config/editor_config.h"
#include "ui/app/frame/main_frame.h"
#include "ui/grid/grid_cell.h"
#include "ui/grid/property_grid.h"
#include "ui/panes/pane_host.h"
#include "ui/panes/property_pane.h"
#include "ui/panes/satellite_pane.h"
#include "ui/panes/settings_pane.h"
#include "ui/panes/transponder_pane.h"
#include "ui/view/channel_list_model.h"
#include "ui/view/favorite_members_model.h"
#include "ui/view/favorites_panel.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/satellite_list_model.h"
#include "ui/view/selector_bar.h"
#include "ui/view/selector_texts.h"
#include "ui/view/settings_category_model.h"
#include "ui/view/statistics_panel.h"
#include "ui/view/transponder_list_model.h"
#include "ui/view/vq_channel_editor_view.h"
#include "vqtool/json_dump.h"

namespace vq::test {
namespace {

using Problems = std::vector<std::string>;

// The nodes the database holds now, found without touching any row's node.
struct LiveNodes {
  std::unordered_set<const void*> satellites, transponders, channels;

  explicit LiveNodes(const SettingsDatabase& db) {
    for (int s = 0; s < db.GetSatelliteCount(); ++s) {
      const SatelliteNode* satellite = db.GetSatelliteNode(s);
      satellites.insert(satellite);
      for (int t = 0; t < satellite->GetTransponderCount(); ++t) {
        const TransponderNode* transponder = satellite->GetTransponder(t);
        transponders.insert(transponder);
        for (int c = 0; c < transponder->GetChannelCount(); ++c)
          channels.insert(transponder->GetChannel(c));
      }
    }
  }
};

template <class NodeAt>
void CheckRows(Problems& problems, const char* list, int rows,
               const std::unordered_set<const void*>& live, NodeAt nodeAt) {
  for (int row = 0; row < rows; ++row)
    if (!live.count(nodeAt(row))) {
      problems.push_back(std::string(list) + " row " + std::to_string(row) +
                         " names a record the database no longer holds");
      return;
    }
}

void CheckSelection(Problems& problems, const char* list, const QAbstractItemView* widget) {
  const int rows = widget->model()->rowCount();
  for (int row : SelectedRowsOf(widget->selectionModel()))
    if (row < 0 || row >= rows)
      problems.push_back(std::string(list) + " selects a row past its end");
  const QModelIndex current = widget->selectionModel()->currentIndex();
  if (current.isValid() && current.row() >= rows)
    problems.push_back(std::string(list) + " has a current row past its end");
}

template <class Node>
void CheckOrder(Problems& problems, const char* list, const std::vector<Node*>& shown,
                std::vector<Node*> expected, bool descending) {
  if (descending) std::reverse(expected.begin(), expected.end());
  if (shown != expected)
    problems.push_back(std::string(list) + " does not show what the database holds (" +
                       std::to_string(shown.size()) + " rows, " + std::to_string(expected.size()) +
                       " expected)");
}

template <class Model>
auto RowsOf(const Model* model) {
  std::vector<std::remove_pointer_t<decltype(model->NodeAt(0))>*> rows;
  for (int row = 0; row < model->rowCount(); ++row) rows.push_back(model->NodeAt(row));
  return rows;
}

void CheckLists(CVQChannelEditorView& view, const SettingsDatabase& db, Problems& problems) {
  const LiveNodes live(db);
  const ListState& state = view.State();
  const FavoriteMembersModel* members = view.Favorites()->MembersModel();
  CheckRows(problems, "channel list", view.Channels()->rowCount(), live.channels,
            [&](int row) { return view.Channels()->NodeAt(row); });
  CheckRows(problems, "favourites list", members->rowCount(), live.channels,
            [&](int row) { return members->NodeAt(row); });
  CheckRows(problems, "transponder list", view.Transponders()->rowCount(), live.transponders,
            [&](int row) { return view.Transponders()->NodeAt(row); });
  CheckRows(problems, "satellite list", view.Satellites()->rowCount(), live.satellites,
            [&](int row) { return view.Satellites()->NodeAt(row); });
  CheckSelection(problems, "channel list", view.Page(kTabChannels)->List());
  CheckSelection(problems, "transponder list", view.Page(kTabTransponders)->List());
  CheckSelection(problems, "satellite list", view.Page(kTabSatellites)->List());
  CheckSelection(problems, "favourites list", view.Favorites()->Members());
  if (!problems.empty()) return;  // the orders below would read freed records

  if (!state.refillChannels) {
    std::vector<ChannelNode*> expected;
    const int source = state.channelListSource;
    if (source >= kSourceFavorites)
      db.CollectFavoriteMembers(source - kSourceFavorites, &expected, state.shownChannelType);
    else if (source >= kSourceSatellite)
      db.CollectChannels(expected, state.shownChannelType, kFilterSatellite,
                         source - kSourceSatellite);
    else
      db.CollectChannels(expected, state.shownChannelType, source);
    CheckOrder(problems, "channel list", RowsOf(view.Channels()), expected,
               state.channelsDescending);
  }
  if (!state.refillTransponders) {
    std::vector<TransponderNode*> expected;
    db.CollectTransponders(expected, state.transponderListSatellite - 1);
    CheckOrder(problems, "transponder list", RowsOf(view.Transponders()), expected,
               state.transpondersDescending);
  }
  if (!state.refillSatellites) {
    std::vector<SatelliteNode*> expected;
    for (int n = 0; n < db.GetSatelliteCount(); ++n)
      if (db.GetSatelliteNode(n)->HasSatellite()) expected.push_back(db.GetSatelliteNode(n));
    CheckOrder(problems, "satellite list", RowsOf(view.Satellites()), expected,
               state.satellitesDescending);
  }
  std::vector<ChannelNode*> expected;
  if (members->Group() >= 0) db.CollectFavoriteMembers(members->Group(), &expected, kAllTypes);
  CheckOrder(problems, "favourites list", RowsOf(members), expected, false);
}

void Expect(Problems& problems, const std::string& what, const QString& shown,
            const std::string& expected) {
  if (shown.toStdString() != expected)
    problems.push_back(what + " shows \"" + shown.toStdString() + "\", the database \"" + expected +
                       "\"");
}

void CheckCounts(CVQChannelEditorView& view, const SettingsDatabase& db, Problems& problems) {
  const StatisticsPanel* stats = view.Statistics();
  const int tv = db.CountChannels(kTv), radio = db.CountChannels(kRadio),
            data = db.CountChannels(kData);
  Expect(problems, "Transponders", stats->ValueText("Transponders"),
         CountOfText(db.GetTransponderTotal(), kTransponderCapacity).toStdString());
  Expect(problems, "Total Channels", stats->ValueText("Total Channels"),
         CountOfText(tv + radio + data, db.GetChannelCapacity()).toStdString());
  Expect(problems, "TV Channels", stats->ValueText("TV Channels"), std::to_string(tv));
  Expect(problems, "Radio Channels", stats->ValueText("Radio Channels"), std::to_string(radio));
  Expect(problems, "Data Channels", stats->ValueText("Data Channels"), std::to_string(data));
  if (stats->FtaButton()->isChecked() != (db.GetModel() == kModelFtaCi) ||
      stats->PvrButton()->isChecked() != (db.GetModel() == kModelPvr))
    problems.push_back("the model buttons do not show the database's model");

  const PropertyGrid* groups = view.Favorites()->Groups();
  for (int g = 0; g < kFavoriteGroupCount; ++g) {
    const std::string name = "favourite group " + std::to_string(g);
    Expect(problems, name + " name", groups->text(g, 0),
           QString::fromLatin1(db.GetFavoriteGroupName(g)).toStdString());
    Expect(problems, name + " TV count", groups->text(g, 1),
           std::to_string(db.CollectFavoriteMembers(g, nullptr, kTv)));
    Expect(problems, name + " radio count", groups->text(g, 2),
           std::to_string(db.CollectFavoriteMembers(g, nullptr, kRadio)));
  }
}

void CheckSelectors(CVQChannelEditorView& view, const SettingsDatabase& db, Problems& problems) {
  const ListState& state = view.State();
  const QComboBox* sources = view.Page(kTabChannels)->Bar()->First();
  const auto viewText = [](const char* text) {
    return QCoreApplication::translate("vq::CVQChannelEditorView", text).toLatin1().toStdString();
  };
  std::vector<std::pair<int, std::string>> expected = {{kSourceAll, viewText("All")},
                                                       {kSourceFree, viewText("Free")},
                                                       {kSourceScrambled, viewText("Scrambled")}};
  for (int n = 0; n < db.GetSatelliteCount(); ++n) {
    const SatelliteNode* s = db.GetSatelliteNode(n);
    if (s->HasSatellite())
      expected.emplace_back(
          kSourceSatellite + n,
          SatelliteChannelsEntry(s->GetName(), s->CountChannels(kTv), s->CountChannels(kRadio),
                                 s->CountChannels(kData))
              .toLatin1()
              .toStdString());
  }
  for (int g = 0; g < kFavoriteGroupCount; ++g)
    expected.emplace_back(
        kSourceFavorites + g,
        FavoriteGroupEntry(db.GetFavoriteGroupName(g), db.CollectFavoriteMembers(g, nullptr, kTv),
                           db.CollectFavoriteMembers(g, nullptr, kRadio))
            .toLatin1()
            .toStdString());
  if (sources->count() != static_cast<int>(expected.size())) {
    problems.push_back("the channel source selector has a wrong number of entries");
  } else {
    for (int i = 0; i < sources->count(); ++i) {
      const auto& [code, text] = expected[static_cast<size_t>(i)];
      if (sources->itemData(i).toInt() != code ||
          sources->itemText(i).toLatin1().toStdString() != text)
        problems.push_back("channel source entry " + std::to_string(i) + " shows \"" +
                           sources->itemText(i).toStdString() + "\", expected \"" + text + "\"");
    }
  }
  if (sources->currentData().toInt() != state.channelListSource)
    problems.push_back("the channel source selector does not show the list's source");
  const QComboBox* types = view.Page(kTabChannels)->Bar()->Second();
  if (types->currentIndex() != state.shownChannelType)
    problems.push_back("the channel type selector does not show the list's type");
  // The selection counter of the list shown.
  const int tab = state.currentTab;
  if (tab == kTabChannels || tab == kTabTransponders) {
    const RecordTableView* list = view.Page(tab)->List();
    const std::vector<int> rows = list->SelectedRows();
    const std::string number =
        rows.size() == 1 ? list->model()->index(rows.front(), 0).data().toString().toStdString()
                         : std::string();
    Expect(problems, "the selection counter", view.CounterText(),
           SelectionCounterText(static_cast<int>(rows.size()), QString::fromStdString(number),
                                list->model()->rowCount())
               .toStdString());
  }
  const QComboBox* satellites = view.Page(kTabTransponders)->Bar()->First();
  if (satellites->currentData().toInt() != state.transponderListSatellite)
    problems.push_back("the transponder selector does not show the list's satellite");
  for (int i = 1; i < satellites->count(); ++i) {
    const SatelliteNode* s = db.FindSatelliteNodeByNumber(satellites->itemData(i).toInt() - 1);
    if (!s || satellites->itemText(i) !=
                  SatelliteTranspondersEntry(s->GetName(), s->GetTransponderCount()))
      problems.push_back("transponder selector entry " + std::to_string(i) + " is stale");
  }
}

void CheckButtons(CVQChannelEditorView& view, Problems& problems) {
  using B = ListButton;
  const CommandStates s = EvaluateCommandStates(view.Editing());
  const auto check = [&](const char* name, const QAbstractButton* button, bool enabled) {
    if (button && button->isEnabled() != enabled)
      problems.push_back(std::string(name) + (enabled ? " is disabled" : " is enabled") +
                         " against the command states");
  };
  const ListPage* channels = view.Page(kTabChannels);
  check("Add New (channels)", channels->Button(B::kAddNew), s.addChannel);
  check("Remove Selected (channels)", channels->Button(B::kRemoveSelected), s.removeChannels);
  check("Add To Favorites", channels->Button(B::kAddToFavorites), s.addToFavorites);
  check("Move Up", channels->Button(B::kMoveUp), s.moveChannels);
  const ListPage* transponders = view.Page(kTabTransponders);
  check("Remove Selected (transponders)", transponders->Button(B::kRemoveSelected),
        s.removeTransponders);
  check("Clear All Channels (transponders)", transponders->Button(B::kClearChannels),
        s.clearChannels);
  check("Clear All Transponders", view.Page(kTabSatellites)->Button(B::kClearTransponders),
        s.clearTransponders);
  check("Remove (favourites)", view.Favorites()->RemoveButton(), s.removeFavorites);
  check("Remove All (favourites)", view.Favorites()->RemoveAllButton(), s.removeAllFavorites);
}

// The pane, the pending-edit flag and the Save / Discard buttons agree, and
// a pane is shown only over a selection.
void CheckPane(CVQChannelEditorView& view, Problems& problems) {
  const PropertyPane* pane = view.Panes()->Current();
  const bool modified = pane && pane->IsModified();
  if (view.State().pendingEdit != modified)
    problems.push_back(modified ? "the pane holds edits without a pending edit"
                                : "a pending edit without a modified pane");
  if (!pane || !pane->IsShown()) return;
  const GridCell* save = view.Pane()->cell(PropertyPane::kSaveDiscardRow, 0);
  if (!save || save->has(CellFlag::Enabled) != modified)
    problems.push_back("Save does not follow the pane's changes");
  const RecordTableView* list = view.Page(view.CurrentTab())->List();
  if (list && !list->selectionModel()->hasSelection())
    problems.push_back("a pane is shown without a selection");
}

// The category list follows the network flag, the pane shows the category
// selected, and that is the one the profile remembers.
void CheckSettings(CVQChannelEditorView& view, const SettingsDatabase& db, Problems& problems) {
  const SettingsCategoryModel* categories = view.Categories();
  if (categories->HasNetwork() != (db.GetExtendedConfig() != 0))
    problems.push_back("the network category does not follow the network box");
  if (view.CurrentTab() != kTabSettings) return;
  const std::vector<int> rows = view.Page(kTabSettings)->List()->SelectedRows();
  if (rows.empty()) {
    problems.push_back("no settings category is selected");
    return;
  }
  const int code = categories->CodeAt(rows.front());
  const auto* pane = dynamic_cast<const SettingsPane*>(view.Panes()->Current());
  if (!pane || !pane->IsShown() || pane->Draft().Category() != code)
    problems.push_back("the settings pane does not show the selected category");
  if (view.Panes()->Config().CurrentSettingsItem != code)
    problems.push_back("CurrentSettingsItem is not the selected category");
}

// The transponder and satellite panes show the one record selected now: a
// typed number that moved it is followed by the pane's "Number".
void CheckRecordPane(CVQChannelEditorView& view, Problems& problems) {
  const int tab = view.CurrentTab();
  if ((tab != kTabTransponders && tab != kTabSatellites) || view.State().pendingEdit) return;
  const PropertyPane* pane = view.Panes()->Current();
  const std::vector<int> rows = view.Page(tab)->List()->SelectedRows();
  if (!pane || !pane->IsShown() || rows.size() != 1) return;
  static_assert(static_cast<int>(satellite_rows::kNumber) ==
                static_cast<int>(transponder_rows::kNumber));
  const int number = tab == kTabSatellites
                         ? view.Satellites()->NodeAt(rows.front())->GetNumber() + 1
                         : view.Transponders()->PositionAt(rows.front()) + 1;
  const GridCell* cell = view.Pane()->cell(transponder_rows::kNumber, PropertyPane::kValueColumn);
  if (!cell || cell->value != number)
    problems.push_back("the pane's Number is not the selected record's");
}

}  // namespace

std::vector<std::string> WindowProblems(CVQChannelEditorView& view, const SettingsDatabase& db) {
  Problems problems;
  CheckLists(view, db, problems);
  if (!problems.empty()) return problems;
  CheckCounts(view, db, problems);
  CheckSelectors(view, db, problems);
  CheckButtons(view, problems);
  CheckPane(view, problems);
  CheckSettings(view, db, problems);
  CheckRecordPane(view, problems);
  for (const std::string& problem : InvariantProblems(db)) problems.push_back(problem);
  return problems;
}

std::vector<std::string> ActionProblems(CMainFrame& frame, const CVQChannelEditorDoc& document) {
  Problems problems;
  CVQChannelEditorView& view = *frame.View();
  const bool held = view.State().pendingEdit || view.Pane()->isEditing();
  const ChangeHistory& history = document.History();
  const FrameActions& a = frame.Actions();
  const auto check = [&](const char* name, const QAction* action, bool enabled) {
    if (action->isEnabled() != enabled)
      problems.push_back(std::string(name) + (enabled ? " is disabled" : " is enabled") +
                         " against the history and the pane's edit");
  };
  check("Undo", a.undo, history.CanUndo() || held);
  check("Redo", a.redo, history.CanRedo() && !held);
  check("Save", a.save, !document.IsReadOnly() && (document.IsModified() || held));
  return problems;
}

std::string DatabaseDifference(const SettingsDatabase& a, const SettingsDatabase& b) {
  nlohmann::ordered_json left = tool::DatabaseToJson(a);
  const nlohmann::ordered_json right = tool::DatabaseToJson(b);
  // A ticked network box with untouched network settings is stored as the
  // short configuration record, which loads with the box clear.
  if (a.GetExtendedConfig() != 0 && ReceiverConfig::IsShortForm(a.GetConfigBytes()))
    left["extendedConfig"] = right["extendedConfig"];
  // The allocation hints (record bytes 428 to 431) are worked out afresh by
  // every load; the short record stores no network block (bytes 727 on).
  std::string config = left["configRecord"];
  const std::string reloadedConfig = right["configRecord"];
  if (config.size() >= 864 && reloadedConfig.size() >= 864) {
    config.replace(856, 8, reloadedConfig.substr(856, 8));
    if (a.GetExtendedConfig() == 0 && config.size() == reloadedConfig.size() &&
        config.size() >= 2 * ReceiverConfig::kSize)
      config.replace(2 * 727, std::string::npos, reloadedConfig.substr(2 * 727));
    left["configRecord"] = config;
  }
  if (left == right) return "";
  const nlohmann::json a_ = nlohmann::json(left), b_ = nlohmann::json(right);
  const nlohmann::json patch = nlohmann::json::diff(a_, b_);
  if (patch.empty()) return "differ";
  const std::string path = patch.front().value("path", "");
  const nlohmann::json::json_pointer pointer(path);
  if (a_.contains(pointer) && b_.contains(pointer) && a_.at(pointer).is_string() &&
      b_.at(pointer).is_string()) {
    // Stored bytes are hex texts: name the first byte that differs.
    const std::string x = a_.at(pointer), y = b_.at(pointer);
    size_t i = 0;
    while (i < x.size() && i < y.size() && x[i] == y[i]) ++i;
    i -= i % 2;
    return path + " byte " + std::to_string(i / 2) + ": " + x.substr(i, 8) + " in memory, " +
           y.substr(i, 8) + " reloaded";
  }
  return patch.front().dump().substr(0, 300);
}

}  // namespace vq::test
