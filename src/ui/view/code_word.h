#pragma once
/// @file
/// Recognises a code word typed one letter at a time.

#include <string>
#include <string_view>

namespace vq {

/// Collects letters and compares them with the leading letters of a code
/// word; a mismatch starts over. Matching is case sensitive.
class CodeWordMatcher {
 public:
  explicit CodeWordMatcher(std::string_view word) : word_(word) {}

  /// Adds a letter; true when the collected letters now spell the whole word
  /// (the collection then starts over).
  bool Feed(char letter);
  void Clear() { typed_.clear(); }
  const std::string& Typed() const { return typed_; }

 private:
  std::string word_;
  std::string typed_;
};

}  // namespace vq
