#pragma once
/// @file
/// The difference between two versions of a flat byte state, kept small.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vq {

/// The bytes that differ between a "before" and an "after" version of a flat
/// state, with both versions of each differing run, so one delta leads either
/// way: writing its before side into the after state gives the before state
/// and the other way round.
///
/// Runs are stored one after the other as: gap from the end of the previous
/// run and length (both LEB128), a flags byte, then each side either as its
/// bytes or, when every byte of the run is equal (an erased record is all
/// 0xFF), as that one byte. Runs closer than a few bytes are joined.
class StateDelta {
 public:
  enum class Side { kBefore, kAfter };

  /// Appends the differences of one part of the state starting at `offset`
  /// (both versions of equal size). Parts must be added in increasing offset
  /// order and must not overlap.
  void AddPart(size_t offset, std::span<const uint8_t> before, std::span<const uint8_t> after);
  /// Releases spare capacity once every part is added.
  void Seal() { bytes_.shrink_to_fit(); }

  bool IsEmpty() const { return bytes_.empty(); }
  /// Bytes held, for the history's memory bound.
  size_t ByteSize() const { return bytes_.capacity(); }
  /// Number of differing runs.
  size_t RunCount() const { return runs_; }

  /// Writes one side of every run into `state`. False, with `state`
  /// untouched, when a run would lie outside it.
  bool Apply(std::span<uint8_t> state, Side side) const;

 private:
  void AppendRun(size_t offset, std::span<const uint8_t> before, std::span<const uint8_t> after);
  void AppendNumber(size_t value);
  void AppendSide(std::span<const uint8_t> side, bool fill);
  template <class Visit>
  bool ForEachRun(Visit visit) const;

  std::vector<uint8_t> bytes_;
  size_t end_ = 0;
  size_t runs_ = 0;
};

}  // namespace vq
