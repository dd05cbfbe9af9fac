#pragma once
// Letter case of the stored single-byte texts (Latin-1), for matching names
// the way a user reads them: "TÜRKSAT" and "türksat" are the same name.

#include <cstdint>
#include <string_view>

namespace vq {

// The lower-case form of a Latin-1 character: A-Z and the accented capitals
// (0xC0..0xDE without the multiplication sign) map to their small letters;
// everything else stays as it is.
constexpr uint8_t FoldLatin1Case(uint8_t c) {
  const bool capital = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
  return capital ? static_cast<uint8_t>(c + 0x20) : c;
}

// True when `a` and `b` are the same text once both are case folded.
constexpr bool SameLatin1TextIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldLatin1Case(static_cast<uint8_t>(a[i])) != FoldLatin1Case(static_cast<uint8_t>(b[i])))
      return false;
  return true;
}

}  // namespace vq
