#include "editing/find/find_query.h"

#include <algorithm>

namespace vq {
namespace {

// Up to nine digits, so every value fits; longer numbers match no field.
constexpr size_t kMaxDigits = 9;

std::optional<uint32_t> ParseNumber(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') + 1 - first);
  if (text.size() > kMaxDigits) return std::nullopt;
  uint32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<uint32_t>(c - '0');
  }
  return value;
}

char Fold(char c) { return static_cast<char>(FoldLatin1Case(static_cast<uint8_t>(c))); }

}  // namespace

FindQuery::FindQuery(std::string_view text) : number_(ParseNumber(text)) {
  folded_.reserve(text.size());
  for (char c : text) folded_.push_back(Fold(c));
}

bool FindQuery::FoundIn(std::string_view text) const {
  if (folded_.empty()) return false;
  return std::search(text.begin(), text.end(), folded_.begin(), folded_.end(),
                     [](char a, char b) { return Fold(a) == b; }) != text.end();
}

}  // namespace vq
