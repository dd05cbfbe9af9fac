#pragma once
/// @file
/// The values a pane's working copy holds for one or several records.

#include <bitset>
#include <cstddef>
#include <string>
#include <utility>

namespace vq {

/// The inclusive range of values a field takes.
struct FieldRange {
  int minimum;
  int maximum;
};

/// One int per field, with whether every record holds it (known) and
/// whether the user changed it (marked). Built from the first record with
/// Start, then narrowed by Merge for each further record.
template <size_t kCount>
class FieldValues {
 public:
  void Start(size_t field, int value) {
    values_[field] = value;
    known_.set(field);
  }
  /// A further record's value: the field stays known only when it agrees.
  void Merge(size_t field, int value) {
    if (values_[field] != value) known_.reset(field);
  }
  /// The user's value: known and marked from now on.
  void Put(size_t field, int value) {
    values_[field] = value;
    known_.set(field);
    marked_.set(field);
  }
  int Value(size_t field) const { return values_[field]; }
  bool Known(size_t field) const { return known_[field]; }
  bool Marked(size_t field) const { return marked_[field]; }
  bool AnyMarked() const { return marked_.any(); }

 private:
  int values_[kCount] = {};
  std::bitset<kCount> known_;
  std::bitset<kCount> marked_;
};

/// A text field of a working copy, with the same two marks.
struct DraftText {
  std::string text;
  bool known = true;
  bool marked = false;

  void Merge(const std::string& other) { known = known && other == text; }
  void Put(std::string value) {
    text = std::move(value);
    known = marked = true;
  }
};

}  // namespace vq
