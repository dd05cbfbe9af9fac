#pragma once
/// @file
/// Undo and redo of every change of the document's database.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editing/history/state_delta.h"

namespace vq {

class SettingsDatabase;

/// How much history is kept: the number of undo plus redo steps, and the
/// bytes held in all (the current state, the deltas, names and view states).
struct HistoryLimits {
  size_t maxSteps = 256;
  size_t maxBytes = size_t{64} << 20;
};

/// The named steps of change of one database, for undo and redo.
///
/// The history holds the database's whole state at the current position and,
/// per step, the compact difference to the neighbouring state. A step is
/// recorded by comparing the database with that state once the change is
/// done, so no command needs an inverse; undo and redo write the neighbouring
/// state back and rebuild the index the way a load does. After Undo and Redo
/// every node pointer into the database is invalid: the caller refills its
/// lists and applies the returned view state.
///
/// Steps nest: a step begun inside another (a command committing the pane's
/// pending edit first) is recorded on its own, and the outer step records
/// what changed before and after it. A step that changed nothing is dropped.
/// A change made outside any step (saving names the LNB records after their
/// satellites) joins the step that ends at the current position, so every
/// position stands for a state the database really had.
///
/// When a limit is reached the oldest steps are forgotten; a step bigger than
/// the whole memory bound clears the history. The save point follows the
/// position of the last save and is lost when its step is forgotten or
/// replaced by a new change after undo.
class ChangeHistory {
 public:
  /// The caller's own record of where the user was (list source, selection),
  /// opaque to the history and counted against its memory bound.
  using ViewState = std::vector<uint8_t>;
  using ViewStateSource = std::function<ViewState()>;
  /// Told when what the history offers may have changed: an outermost step
  /// ended, undo, redo, clear or a save point.
  using ChangedHandler = std::function<void()>;

  /// What Undo or Redo put back: the step's name and the view state at the
  /// position reached (taken before the step for undo, after it for redo).
  struct Restored {
    std::string name;
    ViewState view;
  };

  explicit ChangeHistory(SettingsDatabase& db, HistoryLimits limits = {});
  ChangeHistory(const ChangeHistory&) = delete;
  ChangeHistory& operator=(const ChangeHistory&) = delete;
  ~ChangeHistory() = default;

  /// Called at the start and the end of each recorded change.
  void SetViewStateSource(ViewStateSource source) { viewSource_ = std::move(source); }
  void SetChangedHandler(ChangedHandler handler) { changed_ = std::move(handler); }

  /// Forgets every step; the database as it is now is the start (New, Open,
  /// reading from a receiver). `saved`: the start is the saved state, so the
  /// document counts as unmodified there.
  void Clear(bool saved = true);

  /// @name Recording (use HistoryStep rather than the pair directly)
  /// @{
  void BeginStep(std::string_view name);
  void EndStep();
  bool InStep() const { return !open_.empty(); }
  /// @}

  /// Undo and redo are refused while a step is open.
  bool CanUndo() const { return !InStep() && position_ > 0; }
  bool CanRedo() const { return !InStep() && position_ < steps_.size(); }
  /// Name of the step Undo or Redo would take back or do again; empty when none.
  std::string UndoName() const;
  std::string RedoName() const;
  /// Undo puts the database back to the state before the last step, Redo to
  /// the state after the next one; nothing when there is no such step or the
  /// database refused the state.
  std::optional<Restored> Undo();
  std::optional<Restored> Redo();

  /// The document was saved: the current position becomes the save point.
  void MarkSaved();
  /// False exactly at the save point.
  bool IsModified() const { return savePoint_ != position_; }

  size_t UndoCount() const { return position_; }
  size_t RedoCount() const { return steps_.size() - position_; }
  /// Bytes held now: the current state (672 KB, kept from the first step
  /// on) and the steps, which are forgotten as needed to stay within maxBytes.
  size_t MemoryUsed() const;

 private:
  struct Step {
    std::string name;
    StateDelta delta;
    ViewState viewBefore;
    ViewState viewAfter;
    size_t Bytes() const;
  };

  StateDelta DeltaFromState() const;
  void RecordSegment(const std::string& name);
  void AbsorbOutsideChanges();
  void DropRedoSteps();
  void EnforceLimits();
  void DropOldest();
  void DropNewest();
  bool RestoreCurrent();
  ViewState CaptureView() const;
  void RecountBytes();
  void TellChanged() const;

  SettingsDatabase& db_;
  HistoryLimits limits_;
  ViewStateSource viewSource_;
  ChangedHandler changed_;
  /// The database's state at position_, once captured_. Before the first
  /// step there are no steps and the database itself is that state.
  std::vector<uint8_t> state_;
  bool captured_ = false;
  /// steps_[i] leads from position i to position i + 1.
  std::deque<Step> steps_;
  size_t position_ = 0;
  std::optional<size_t> savePoint_;
  size_t stepBytes_ = 0;
  /// Names of the open steps, innermost last, and the view state at the
  /// start of the segment being recorded.
  std::vector<std::string> open_;
  ViewState segmentView_;
};

}  // namespace vq
