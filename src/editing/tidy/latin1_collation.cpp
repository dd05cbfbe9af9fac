#include "editing/tidy/latin1_collation.h"

#include <array>
#include <cstdint>
#include <string>

#include "common/latin1_case.h"

namespace vq {
namespace {

// The base letters of 0xC0..0xFF (capitals and small letters share them);
// an empty entry keeps the byte itself.
constexpr std::array<const char*, 64> kBase = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",   // C0
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",  // D0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",   // E0
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y",   // F0
};

// The text as base letters, lower case.
std::string BaseLetters(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  for (const char ch : text) {
    const auto c = static_cast<uint8_t>(ch);
    if (c >= 0xC0 && kBase[c - 0xC0][0] != '\0')
      out += kBase[c - 0xC0];
    else
      out += static_cast<char>(FoldLatin1Case(c));
  }
  return out;
}

// 0 for a plain letter, 1 for one with an accent: the accents' tie-break.
std::string AccentMarks(std::string_view text) {
  std::string out;
  for (const char ch : text) out += static_cast<uint8_t>(ch) >= 0xC0 ? '1' : '0';
  return out;
}

// Capitals first: a capital scores 0, anything else 1.
std::string CaseMarks(std::string_view text) {
  std::string out;
  for (const char ch : text) {
    const auto c = static_cast<uint8_t>(ch);
    out += FoldLatin1Case(c) != c ? '0' : '1';
  }
  return out;
}

}  // namespace

// Stored names hold no 0 byte (it ends them), so 0 separates the parts and
// sorts a shorter part first.
std::string Latin1SortKey(std::string_view text) {
  std::string key = BaseLetters(text);
  key += '\0';
  key += AccentMarks(text);
  key += '\0';
  key += CaseMarks(text);
  key += '\0';
  key += text;
  return key;
}

int CompareLatin1Names(std::string_view a, std::string_view b) {
  const int c = Latin1SortKey(a).compare(Latin1SortKey(b));
  return (c > 0) - (c < 0);
}

}  // namespace vq
