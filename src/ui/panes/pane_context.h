#pragma once
/// @file
/// What a property pane needs from the window around it.

namespace vq {

class EditingView;
class Prompter;
struct EditorConfig;

/// The window as a pane sees it: the lists and database through the
/// editing commands' view, the user, the editor configuration (expand
/// flags, AutoSave, ColapseAfterSelection, PostEditAction), and a way to
/// have the pane rebuilt once its records changed.
class PaneContext {
 public:
  virtual ~PaneContext() = default;

  virtual EditingView& Editing() = 0;
  /// The user who answers questions and reads messages; null while the
  /// window has none, and the commit flows then stay idle.
  virtual Prompter* User() = 0;
  virtual EditorConfig& Config() = 0;
  /// Builds the pane again from the records now selected (after Discard).
  virtual void RebuildPane() = 0;
  /// Runs the pane's commit flow, then builds the pane again (after Save
  /// and AutoSave). While the flow runs, the lists it refills do not
  /// rebuild the pane under it.
  virtual void CommitPane(bool asking) = 0;
  /// The pane holds an edit not yet written (or no longer does): sets the
  /// view's pending-edit flag.
  virtual void EditPending(bool pending) = 0;
};

}  // namespace vq
