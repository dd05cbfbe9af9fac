#pragma once
/// @file
/// The entries of a file that were left out, grouped by reason. A file of a
/// million bad lines costs a few kilobytes: each reason keeps its first line
/// numbers and a count, and only the first few reasons are kept at all.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

/// An entry of a file that was left out, and why. Line 0 ties it to no line.
struct SkippedEntry {
  int line = 0;
  std::string reason;
};

class SkipList {
 public:
  /// Line numbers kept per reason (the lowest ones).
  static constexpr size_t kLinesKept = 100;
  /// Reasons kept; entries of further reasons only count.
  static constexpr size_t kReasonsKept = 32;

  struct Reason {
    std::string text;        ///< a marked text, or one already translated
    size_t count = 0;        ///< entries left out for it
    std::vector<int> lines;  ///< ascending, at most kLinesKept, no 0
  };

  void Add(int line, std::string_view reason);
  /// Adds every entry `other` keeps and its counts.
  void Append(const SkipList& other);

  size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  /// The reasons kept, ordered by their lowest line (reasons without a line
  /// first), ties in the order they were first added.
  std::vector<Reason> Reasons() const;
  /// The kept entries one by one, by line.
  std::vector<SkippedEntry> Entries() const;

 private:
  // The reason's entry, added when there is room; null otherwise.
  Reason* Find(std::string_view reason);

  std::vector<Reason> reasons_;  // in the order first added
  size_t count_ = 0;
};

}  // namespace vq
