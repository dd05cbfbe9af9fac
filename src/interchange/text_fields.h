#pragma once
/// @file
/// Small, strict readers for the numbers and lines of text files.

#include <cstdint>
#include <string_view>
#include <vector>

namespace vq {

/// Decimal digits only (no sign, no blanks), at most `max`.
bool ParseDecimal(std::string_view text, uint32_t max, uint32_t& out);
/// Hexadecimal digits only, at most `max`.
bool ParseHex(std::string_view text, uint32_t max, uint32_t& out);

/// `text` without leading and trailing blanks (spaces, tabs, CR).
std::string_view Trimmed(std::string_view text);

/// Splits at every `separator`; n separators give n + 1 parts.
std::vector<std::string_view> SplitAt(std::string_view text, char separator);

/// The lines of a text file without their line ends ("\n" or "\r\n").
std::vector<std::string_view> TextLines(std::string_view text);

/// `text` without a leading UTF-8 byte order mark.
std::string_view WithoutByteOrderMark(std::string_view text);

/// True when the bytes hold a 0 byte: no text file of ours does.
bool LooksBinary(std::string_view text);

}  // namespace vq
