#pragma once
// A main view and a user for the editing commands without widgets: rows are
// rebuilt from the database as the window's list models do, selections are
// plain row lists, and every status text, message and question is recorded.
// Like the window it is re-entrant: every refill, selection and row removal
// evaluates the command states and reads every row, as the window's model
// resets and selection signals do, so a row naming a freed record shows. It
// observes the database's index as the window does.

#include <algorithm>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "database/settings_database.h"
#include "editing/commands/command_states.h"
#include "editing/commands/editing_view.h"
#include "editing/commands/prompter.h"

namespace vq::test {

class FakeView : public EditingView, public IndexObserver {
 public:
  explicit FakeView(SettingsDatabase& db) : db_(db) {
    db_.SetIndexObserver(this);
    RefillAll();
  }
  ~FakeView() override {
    if (db_.GetIndexObserver() == this) db_.SetIndexObserver(nullptr);
  }
  FakeView(const FakeView&) = delete;
  FakeView& operator=(const FakeView&) = delete;

  SettingsDatabase& Database() override { return db_; }
  ListState& State() override { return state; }

  int RowCount(EditList list) const override {
    switch (list) {
      case EditList::kChannels:
        return static_cast<int>(channels.size());
      case EditList::kTransponders:
        return static_cast<int>(transponders.size());
      case EditList::kSatellites:
        return static_cast<int>(satellites.size());
      case EditList::kFavorites:
        return static_cast<int>(favorites.size());
    }
    return 0;
  }
  std::vector<int> SelectedRows(EditList list) const override { return selection[Index(list)]; }
  ChannelNode* ChannelAt(EditList list, int row) const override {
    const auto& rows = list == EditList::kFavorites ? favorites : channels;
    return row >= 0 && row < static_cast<int>(rows.size()) ? rows[static_cast<size_t>(row)]
                                                           : nullptr;
  }
  TransponderNode* TransponderAt(int row) const override {
    return row >= 0 && row < RowCount(EditList::kTransponders)
               ? transponders[static_cast<size_t>(row)]
               : nullptr;
  }
  SatelliteNode* SatelliteAt(int row) const override {
    return row >= 0 && row < RowCount(EditList::kSatellites) ? satellites[static_cast<size_t>(row)]
                                                             : nullptr;
  }
  int RowOfChannel(EditList list, const ChannelNode* channel) const override {
    return RowIn(list == EditList::kFavorites ? favorites : channels, channel);
  }
  int RowOfTransponder(const TransponderNode* t) const override { return RowIn(transponders, t); }
  int RowOfSatellite(const SatelliteNode* s) const override { return RowIn(satellites, s); }
  int SelectedFavoriteGroup() const override { return favoriteGroup; }

  void Refill(EditList list) override {
    selection[Index(list)].clear();
    switch (list) {
      case EditList::kChannels: {
        channels.clear();
        if (state.shownChannelType == kData) state.channelListSource = kSourceAll;
        const int source = state.channelListSource;
        if (source >= kSourceFavorites)
          db_.CollectFavoriteMembers(source - kSourceFavorites, &channels, state.shownChannelType);
        else if (source >= kSourceSatellite)
          db_.CollectChannels(channels, state.shownChannelType, kFilterSatellite,
                              source - kSourceSatellite);
        else
          db_.CollectChannels(channels, state.shownChannelType, source);
        if (state.channelsDescending) std::reverse(channels.begin(), channels.end());
        break;
      }
      case EditList::kTransponders:
        transponders.clear();
        db_.CollectTransponders(transponders, state.transponderListSatellite - 1);
        if (state.transpondersDescending) std::reverse(transponders.begin(), transponders.end());
        break;
      case EditList::kSatellites:
        satellites.clear();
        for (int n = 0; n < db_.GetSatelliteCount(); ++n)
          satellites.push_back(db_.GetSatelliteNode(n));
        if (state.satellitesDescending) std::reverse(satellites.begin(), satellites.end());
        break;
      case EditList::kFavorites:
        favorites.clear();
        if (favoriteGroup >= 0) db_.CollectFavoriteMembers(favoriteGroup, &favorites, kAllTypes);
        break;
    }
    Evaluate();
  }
  void RefillAll() {
    for (EditList list : {EditList::kChannels, EditList::kTransponders, EditList::kSatellites,
                          EditList::kFavorites})
      Refill(list);
  }
  void Redraw(EditList) override {}
  void SelectRows(EditList list, const std::vector<int>& rows) override {
    std::vector<int>& selected = selection[Index(list)];
    selected.clear();
    for (int row : rows)
      if (row >= 0 && row < RowCount(list)) selected.push_back(row);
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    Evaluate();
  }
  void ShowRow(EditList, int) override {}
  void RefreshCounts() override { ++countRefreshes; }
  void UpdateButtons() override { buttons = EvaluateCommandStates(*this); }
  void ShowStatus(const std::string& text) override { statuses.push_back(text); }
  void MarkModified() override { modified = true; }
  void CommitPane(bool asking) override { commits.push_back(asking); }
  void FinishPaneEdit() override {}

  void ChannelsDeleting(const std::vector<ChannelNode*>& doomed) override {
    const auto gone = [&doomed](const ChannelNode* c) {
      return std::find(doomed.begin(), doomed.end(), c) != doomed.end();
    };
    DropRows(EditList::kChannels, channels, gone);
    DropRows(EditList::kFavorites, favorites, gone);
  }
  void TranspondersDeleting(const std::vector<TransponderNode*>& doomed) override {
    const auto gone = [&doomed](const TransponderNode* t) {
      return std::find(doomed.begin(), doomed.end(), t) != doomed.end();
    };
    const auto channelGone = [&gone](const ChannelNode* c) { return gone(c->GetTransponder()); };
    DropRows(EditList::kChannels, channels, channelGone);
    DropRows(EditList::kFavorites, favorites, channelGone);
    DropRows(EditList::kTransponders, transponders, gone);
  }
  void IndexResetting() override {
    channels.clear();
    favorites.clear();
    transponders.clear();
    satellites.clear();
    for (auto& rows : selection) rows.clear();
    Evaluate();
  }

  std::string LastStatus() const { return statuses.empty() ? "" : statuses.back(); }
  void Select(EditList list, std::vector<int> rows) { SelectRows(list, rows); }
  void ShowSource(int source, int type = kTv) {
    state.shownChannelType = type;
    state.channelListSource = source;
    Refill(EditList::kChannels);
  }

  ListState state;
  int favoriteGroup = -1;
  std::vector<ChannelNode*> channels, favorites;
  std::vector<TransponderNode*> transponders;
  std::vector<SatelliteNode*> satellites;
  std::vector<int> selection[4];
  std::vector<std::string> statuses;
  std::vector<bool> commits;
  bool modified = false;
  int countRefreshes = 0;
  CommandStates buttons;
  int evaluations = 0;

 private:
  static size_t Index(EditList list) { return static_cast<size_t>(list); }

  // What the window does on every model reset and selection change: the
  // button states, and the rows read for painting.
  void Evaluate() {
    buttons = EvaluateCommandStates(*this);
    ++evaluations;
    for (const ChannelNode* c : channels) (void)c->Record().GetType();
    for (const ChannelNode* c : favorites) (void)c->Record().GetType();
    for (const TransponderNode* t : transponders) (void)t->Record().GetNumber();
  }

  // Takes the rows `gone` picks out of a list, keeping the selection of the
  // other rows.
  template <class Node, class Gone>
  void DropRows(EditList list, std::vector<Node*>& rows, Gone gone) {
    std::vector<Node*> kept;
    std::vector<int> newRow(rows.size(), -1);
    for (size_t i = 0; i < rows.size(); ++i)
      if (!gone(rows[i])) {
        newRow[i] = static_cast<int>(kept.size());
        kept.push_back(rows[i]);
      }
    if (kept.size() == rows.size()) return;
    std::vector<int> selected;
    for (int row : selection[Index(list)])
      if (newRow[static_cast<size_t>(row)] >= 0)
        selected.push_back(newRow[static_cast<size_t>(row)]);
    rows = std::move(kept);
    selection[Index(list)] = std::move(selected);
    Evaluate();
  }
  template <class Node>
  static int RowIn(const std::vector<Node*>& rows, const Node* node) {
    const auto it = std::find(rows.begin(), rows.end(), node);
    return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
  }
  SettingsDatabase& db_;
};

// Answers from a script and records what was shown and asked.
class ScriptedPrompter : public Prompter {
 public:
  void Tell(const std::string& text) override { messages.push_back(text); }
  bool AskYesNo(const std::string& text, const std::string& title) override {
    questions.push_back(title + ": " + text);
    return yes;
  }
  int AskThreeWay(const std::string& text, const std::string&, const std::string&,
                  const std::string&, const std::string&) override {
    questions.push_back(text);
    return 0;
  }
  std::optional<int> SelectSatellite() override {
    ++satelliteDialogs;
    return satellite;
  }
  std::optional<int> SelectTransponder(int filter) override {
    transponderFilters.push_back(filter);
    return transponder;
  }

  bool yes = true;
  std::optional<int> satellite;
  std::optional<int> transponder;
  int satelliteDialogs = 0;
  std::vector<int> transponderFilters;
  std::vector<std::string> messages, questions;
};

}  // namespace vq::test
