#include "interchange/text_fields.h"

#include <algorithm>

namespace vq {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ParseDigits(std::string_view text, uint32_t base, uint32_t max, uint32_t& out) {
  if (text.empty()) return false;
  uint64_t value = 0;
  for (const char c : text) {
    const int digit = HexDigit(c);
    if (digit < 0 || static_cast<uint32_t>(digit) >= base) return false;
    value = value * base + static_cast<uint64_t>(digit);
    if (value > max) return false;
  }
  out = static_cast<uint32_t>(value);
  return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

bool ParseDecimal(std::string_view text, uint32_t max, uint32_t& out) {
  return ParseDigits(text, 10, max, out);
}

bool ParseHex(std::string_view text, uint32_t max, uint32_t& out) {
  return ParseDigits(text, 16, max, out);
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator, size_t limit) {
  std::vector<std::string_view> parts;
  if (static_cast<size_t>(std::count(text.begin(), text.end(), separator)) >= limit) return parts;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i)
    if (i == text.size() || text[i] == separator) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  return parts;
}

bool TextLineWalk::Next(std::string_view& line) {
  if (rest_.empty()) return false;
  const size_t end = rest_.find('\n');
  line = rest_.substr(0, end);
  rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  ++number_;
  return true;
}

std::string ShownValue(std::string_view value) {
  if (value.size() <= kShownValueLength) return std::string(value);
  size_t end = kShownValueLength;
  // UTF-8 continuation bytes belong to the character before them.
  while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80) --end;
  return std::string(value.substr(0, end)) + "...";
}

std::string_view WithoutByteOrderMark(std::string_view text) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  if (text.substr(0, kMark.size()) == kMark) text.remove_prefix(kMark.size());
  return text;
}

bool LooksBinary(std::string_view text) { return text.find('\0') != std::string_view::npos; }

}  // namespace vq
