#pragma once
/// @file
/// The text of a search, prepared once and tested against names and numbers.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/latin1_case.h"

namespace vq {

/// A search text in the stored single-byte characters (Latin-1). It is found
/// in a name as a substring without regard to case, Latin-1 letters included
/// ("ö1" finds "Ö1"); a text of decimal digits (spaces around it allowed) is
/// also a number that equals numeric fields. An empty text finds nothing.
class FindQuery {
 public:
  explicit FindQuery(std::string_view text);

  bool IsEmpty() const { return folded_.empty(); }
  /// True when `text` holds the search text, case folded.
  bool FoundIn(std::string_view text) const;
  /// True when the search text is a number equal to `value`.
  bool Equals(uint32_t value) const { return number_ && *number_ == value; }

 private:
  std::string folded_;
  std::optional<uint32_t> number_;
};

}  // namespace vq
