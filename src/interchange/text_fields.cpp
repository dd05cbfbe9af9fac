#include "interchange/text_fields.h"

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

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i)
    if (i == text.size() || text[i] == separator) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  return parts;
}

std::vector<std::string_view> TextLines(std::string_view text) {
  std::vector<std::string_view> lines = SplitAt(text, '\n');
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  for (std::string_view& line : lines)
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return lines;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  if (text.substr(0, kMark.size()) == kMark) text.remove_prefix(kMark.size());
  return text;
}

bool LooksBinary(std::string_view text) { return text.find('\0') != std::string_view::npos; }

}  // namespace vq
