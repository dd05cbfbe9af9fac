#pragma once
/// @file
/// Small, strict readers for the numbers and lines of text files.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

/// Decimal digits only (no sign, no blanks), at most `max`.
bool ParseDecimal(std::string_view text, uint32_t max, uint32_t& out);
/// Hexadecimal digits only, at most `max`.
bool ParseHex(std::string_view text, uint32_t max, uint32_t& out);

/// `text` without leading and trailing blanks (spaces, tabs, CR).
std::string_view Trimmed(std::string_view text);

/// Splits at every `separator`; n separators give n + 1 parts. More than
/// `limit` parts give none (an empty vector), so a line of separators costs
/// nothing.
std::vector<std::string_view> SplitAt(std::string_view text, char separator, size_t limit);

/// Walks the lines of a text file one by one, without their line ends ("\n"
/// or "\r\n"), so a file of many lines is never held as a list of them.
class TextLineWalk {
 public:
  explicit TextLineWalk(std::string_view text) : rest_(text) {}
  /// The next line in `line`; false after the last one.
  bool Next(std::string_view& line);
  /// The number of the line Next gave last, from 1.
  int Number() const { return number_; }

 private:
  std::string_view rest_;
  int number_ = 0;
};

/// A value from a file as a message shows it: at most kShownValueLength
/// bytes (cut at a character), "..." marking a cut.
inline constexpr size_t kShownValueLength = 32;
std::string ShownValue(std::string_view value);

/// `text` without a leading UTF-8 byte order mark.
std::string_view WithoutByteOrderMark(std::string_view text);

/// True when the bytes hold a 0 byte: no text file of ours does.
bool LooksBinary(std::string_view text);

}  // namespace vq
