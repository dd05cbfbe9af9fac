#pragma once
// A channel pane in a grid without widgets: the grid's bookkeeping and its
// input controller, the fake main view with a scripted user, and an editor
// configuration; the view's pending-edit commit reaches the pane as in the
// window.

#include <functional>
#include <string>
#include <vector>

#include "editing/fake_editing_view.h"
#include "support/database_builder.h"
#include "ui/app/config/editor_config.h"
#include "ui/grid/grid_controller.h"
#include "ui/panes/channel_pane.h"
#include "ui/panes/channel_pane_rows.h"
#include "ui/panes/pane_context.h"

namespace vq::test {

class HostedView : public FakeView {
 public:
  using FakeView::FakeView;
  void CommitPane(bool asking) override {
    FakeView::CommitPane(asking);
    if (commit) commit(asking);
  }
  std::function<void(bool)> commit;
};

class PaneHarness : public PaneContext, public GridListener {
 public:
  explicit PaneHarness(SettingsDatabase& db) : view(db) {
    grid.insertColumn(0, "Name", 100);
    grid.insertColumn(1, "Value", 200);
    view.commit = [this](bool asking) { CommitPane(asking); };
  }

  EditingView& Editing() override { return view; }
  Prompter* User() override { return &user; }
  EditorConfig& Config() override { return config; }
  void RebuildPane() override {
    ++rebuilds;
    pane.Show();
  }
  void CommitPane(bool asking) override {
    pane.Commit(asking);
    RebuildPane();
  }
  void EditPending(bool pending) override { view.state.pendingEdit = pending; }
  int notify(const GridNotification& note) override { return pane.Notify(note); }
  void message(const std::string& text, const std::string& caption) override {
    messages.push_back(caption + ": " + text);
  }

  /// Selects channel rows and shows the pane for them.
  void Select(const std::vector<int>& rows) {
    view.Select(EditList::kChannels, rows);
    pane.Show();
  }
  std::string Text(int row, int column = 1) const { return grid.text(row, column); }
  const GridCell& Cell(int row, int column = 1) const { return *grid.cell(row, column); }
  bool Enabled(int row, int column = 1) const { return Cell(row, column).has(CellFlag::Enabled); }
  bool Shown(int row) const { return grid.shownIndex(row) >= 0; }
  /// Clicks the box of a check box (or a radio).
  void Click(int row) {
    controller.leftPress(row, 1, CellPart::Box, false);
    controller.leftRelease();
  }
  void Press(int row, int column) {
    controller.leftPress(row, column, CellPart::Body, false);
    controller.leftRelease();
  }
  /// Types a text into a value cell as its editor commits it.
  bool Type(int row, const std::string& text) { return controller.commitText(row, 1, text); }
  bool Choose(int row, const std::string& option) {
    return controller.chooseOption(row, 1, grid.findOption(row, 1, option));
  }

  HostedView view;
  ScriptedPrompter user;
  EditorConfig config;
  GridModel grid{this};
  GridController controller{grid};
  ChannelPane pane{grid, *this};
  std::vector<std::string> messages;
  int rebuilds = 0;
};

}  // namespace vq::test
