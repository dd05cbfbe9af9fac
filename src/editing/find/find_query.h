#pragma once
/// @file
/// The text of a search, prepared once and tested against names and numbers.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vq {

/// The lower-case form of a Latin-1 character: A-Z and the accented capitals
/// (0xC0..0xDE without the multiplication sign) map to their small letters;
/// everything else stays as it is.
constexpr uint8_t FoldLatin1Case(uint8_t c) {
  const bool capital = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
  return capital ? static_cast<uint8_t>(c + 0x20) : c;
}

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
