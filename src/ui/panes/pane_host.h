#pragma once
/// @file
/// The property pane of the current tab in the main view's grid.

#include <QObject>
#include <array>
#include <memory>

#include "ui/panes/pane_context.h"

namespace vq {

class ChangeHistory;
class PropertyGrid;
class PropertyPane;

/// Shows the pane of the current tab's selection in the view's
/// PropertyGrid and keeps the pending edit in one place.
///
/// Owns one pane per tab for the whole run (a pane is rebuilt, never
/// replaced, so it may rebuild itself from inside a grid notification).
/// Commits a pending edit before the selection's new records are shown:
/// Qt reports a selection change after it happened, and the pane's draft
/// still names the records it was built for. The "Name" column fits the
/// pane's longest label (at least kLabelMinimum, at most kLabelShare of the
/// grid); the "Value" column fills the rest: the grid's width less "Name",
/// less 4, less a vertical scroll bar.
class PaneHost : public QObject, public PaneContext {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(PaneHost)

 public:
  PaneHost(PropertyGrid& grid, EditingView& editing, EditorConfig& config,
           QObject* parent = nullptr);
  ~PaneHost() override;

  void SetUser(Prompter* user) { user_ = user; }
  /// Records every commit of every pane as one step of `history` (none:
  /// commits are not recorded).
  void SetHistory(ChangeHistory* history) { history_ = history; }
  /// The name a commit of the current tab's pane is recorded under.
  QString CommitName() const;
  /// Builds the pane of the current tab for its list's selection; an
  /// empty grid for a tab without a pane or without a selection.
  void ShowForCurrentTab();
  /// The list of `tab` changed its selection: a pending edit goes to the
  /// records the pane was built for, then the pane follows the selection.
  void SelectionChanged(int tab);
  /// Ends an open in-place edit, then commits or drops the pending edit
  /// (asking as PostEditAction says). Every command that changes or
  /// replaces the document runs this first.
  void CommitPendingEdits();
  /// The current pane's commit flow, then the pane shows the records
  /// again; the editing commands reach it through EditingView::CommitPane.
  void CommitPane(bool asking) override;
  /// The database changed outside the pane's own flows (a command, the
  /// favourites panel): a pane without a pending edit shows the records
  /// again, so its next edit starts from what they hold now.
  void DatabaseChanged();
  /// Between these a command runs: the rebuild DatabaseChanged asks for
  /// waits until EndCommand, and a pane shown in between (the selection
  /// the command set) is that rebuild, so a command shows the pane once.
  void BeginCommand() { ++commandDepth_; }
  void EndCommand();
  /// The pane shown now, or null.
  PropertyPane* Current() const { return current_; }

  EditingView& Editing() override { return editing_; }
  Prompter* User() override { return user_; }
  EditorConfig& Config() override { return config_; }
  void RebuildPane() override;
  void EditPending(bool pending) override;
  /// Whether the pane holds an edit: a pending one, or one still open in
  /// the grid's in-place editor.
  bool HoldsEdit() const;

 signals:
  /// HoldsEdit may have changed (the Save command follows it).
  void editStateChanged();
  /// The grid would need `width` to show every label of the pane whole.
  void wantsWidth(int width);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FitColumns();

  static constexpr int kLabelMinimum = 100;
  static constexpr double kLabelShare = 0.55;

  PropertyGrid& grid_;
  EditingView& editing_;
  EditorConfig& config_;
  Prompter* user_ = nullptr;
  ChangeHistory* history_ = nullptr;
  std::array<std::unique_ptr<PropertyPane>, 4> panes_;
  PropertyPane* current_ = nullptr;
  bool following_ = false;   ///< a selection change is being followed
  bool committing_ = false;  ///< a commit flow runs
  int commandDepth_ = 0;     ///< commands running (BeginCommand)
  bool stale_ = false;       ///< a command changed the database since the pane was shown
};

}  // namespace vq
