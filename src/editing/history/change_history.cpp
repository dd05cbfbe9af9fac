#include "editing/history/change_history.h"

#include "database/settings_database.h"
#include "editing/history/database_state.h"

namespace vq {
namespace {

StateDelta Difference(std::span<const uint8_t> before, std::span<const uint8_t> after) {
  StateDelta delta;
  delta.AddPart(0, before, after);
  delta.Seal();
  return delta;
}

}  // namespace

size_t ChangeHistory::Step::Bytes() const {
  return sizeof(Step) + name.capacity() + delta.ByteSize() + viewBefore.capacity() +
         viewAfter.capacity();
}

ChangeHistory::ChangeHistory(SettingsDatabase& db, HistoryLimits limits)
    : db_(db), limits_(limits) {
  Clear(true);
}

void ChangeHistory::Clear(bool saved) {
  steps_.clear();
  stepBytes_ = 0;
  position_ = 0;
  // The start is captured when the first step begins: a file that is only
  // looked at never pays for the copy.
  state_ = {};
  captured_ = false;
  savePoint_ = saved ? std::optional<size_t>(0) : std::nullopt;
  TellChanged();
}

void ChangeHistory::BeginStep(std::string_view name) {
  if (open_.empty())
    AbsorbOutsideChanges();
  else
    RecordSegment(open_.back());
  open_.emplace_back(name);
  segmentView_ = CaptureView();
}

void ChangeHistory::EndStep() {
  if (open_.empty()) return;
  RecordSegment(open_.back());
  open_.pop_back();
  if (open_.empty()) {
    segmentView_.clear();
    TellChanged();
  } else {
    segmentView_ = CaptureView();
  }
}

std::string ChangeHistory::UndoName() const {
  return CanUndo() ? steps_[position_ - 1].name : std::string();
}

std::string ChangeHistory::RedoName() const {
  return CanRedo() ? steps_[position_].name : std::string();
}

std::optional<ChangeHistory::Restored> ChangeHistory::Undo() {
  if (!CanUndo()) return std::nullopt;
  AbsorbOutsideChanges();
  if (!CanUndo()) return std::nullopt;
  const Step& step = steps_[position_ - 1];
  step.delta.Apply(state_, StateDelta::Side::kBefore);
  if (!RestoreCurrent()) {
    step.delta.Apply(state_, StateDelta::Side::kAfter);
    return std::nullopt;
  }
  --position_;
  TellChanged();
  return Restored{step.name, step.viewBefore};
}

std::optional<ChangeHistory::Restored> ChangeHistory::Redo() {
  if (!CanRedo()) return std::nullopt;
  AbsorbOutsideChanges();
  if (!CanRedo()) return std::nullopt;
  const Step& step = steps_[position_];
  step.delta.Apply(state_, StateDelta::Side::kAfter);
  if (!RestoreCurrent()) {
    step.delta.Apply(state_, StateDelta::Side::kBefore);
    return std::nullopt;
  }
  ++position_;
  TellChanged();
  return Restored{step.name, step.viewAfter};
}

void ChangeHistory::MarkSaved() {
  if (InStep()) {
    RecordSegment(open_.back());
    segmentView_ = CaptureView();
  } else if (captured_) {
    AbsorbOutsideChanges();
  }
  savePoint_ = position_;
  TellChanged();
}

size_t ChangeHistory::MemoryUsed() const {
  return state_.capacity() + stepBytes_ + segmentView_.capacity();
}

StateDelta ChangeHistory::DeltaFromState() const {
  StateDelta delta;
  const DatabaseStateParts parts(db_);
  const std::span<const uint8_t> state(state_);
  for (const StatePart& part : parts.Parts())
    delta.AddPart(part.offset, state.subspan(part.offset, part.bytes.size()), part.bytes);
  delta.Seal();
  return delta;
}

void ChangeHistory::RecordSegment(const std::string& name) {
  StateDelta delta = DeltaFromState();
  if (delta.IsEmpty()) return;
  delta.Apply(state_, StateDelta::Side::kAfter);
  DropRedoSteps();
  steps_.push_back(Step{name, std::move(delta), std::move(segmentView_), CaptureView()});
  segmentView_.clear();
  stepBytes_ += steps_.back().Bytes();
  ++position_;
  EnforceLimits();
}

// The neighbouring steps are recomputed against the state the database now
// holds, so undo and redo still lead to states it really had.
void ChangeHistory::AbsorbOutsideChanges() {
  if (!captured_) {
    // No step yet: the database as it is now is the start, which is what
    // absorbing changes at position 0 comes to.
    state_ = CaptureDatabaseState(db_);
    captured_ = true;
    return;
  }
  if (DatabaseMatchesState(db_, state_)) return;
  std::vector<uint8_t> current = CaptureDatabaseState(db_);
  if (position_ > 0) {
    StateDelta& last = steps_[position_ - 1].delta;
    std::vector<uint8_t> previous = state_;
    last.Apply(previous, StateDelta::Side::kBefore);
    last = Difference(previous, current);
  }
  if (position_ < steps_.size()) {
    StateDelta& next = steps_[position_].delta;
    std::vector<uint8_t> following = state_;
    next.Apply(following, StateDelta::Side::kAfter);
    next = Difference(current, following);
  }
  state_ = std::move(current);
  RecountBytes();
  EnforceLimits();
}

void ChangeHistory::DropRedoSteps() {
  while (steps_.size() > position_) DropNewest();
}

void ChangeHistory::EnforceLimits() {
  while (!steps_.empty() && (steps_.size() > limits_.maxSteps || MemoryUsed() > limits_.maxBytes)) {
    // Undo steps go first, oldest first; redo steps only when none is left.
    if (position_ > 0)
      DropOldest();
    else
      DropNewest();
  }
}

void ChangeHistory::DropOldest() {
  stepBytes_ -= steps_.front().Bytes();
  steps_.pop_front();
  --position_;
  if (savePoint_) {
    if (*savePoint_ == 0)
      savePoint_.reset();
    else
      --*savePoint_;
  }
}

void ChangeHistory::DropNewest() {
  if (savePoint_ == steps_.size()) savePoint_.reset();
  stepBytes_ -= steps_.back().Bytes();
  steps_.pop_back();
}

bool ChangeHistory::RestoreCurrent() { return RestoreDatabaseState(db_, state_); }

ChangeHistory::ViewState ChangeHistory::CaptureView() const {
  return viewSource_ ? viewSource_() : ViewState();
}

void ChangeHistory::RecountBytes() {
  stepBytes_ = 0;
  for (const Step& step : steps_) stepBytes_ += step.Bytes();
}

void ChangeHistory::TellChanged() const {
  if (changed_) changed_();
}

}  // namespace vq
