#include "vqtool/description_fields.h"

#include <charconv>

namespace vq::tool {

DescriptionFields::DescriptionFields(const std::vector<DescriptionToken>& tokens) {
  for (const DescriptionToken& token : tokens) entries_.push_back({token, false});
}

std::optional<std::string> DescriptionFields::Word(size_t i) {
  for (Entry& entry : entries_) {
    if (!entry.token.key.empty()) continue;
    if (i-- == 0) {
      entry.read = true;
      return entry.token.value;
    }
  }
  return std::nullopt;
}

std::optional<std::string> DescriptionFields::Take(std::string_view key) {
  for (Entry& entry : entries_)
    if (entry.token.key == key) {
      entry.read = true;
      return entry.token.value;
    }
  return std::nullopt;
}

bool DescriptionFields::TakeFlag(std::string_view flag) {
  for (Entry& entry : entries_)
    if (entry.token.key.empty() && !entry.read && entry.token.value == flag) {
      entry.read = true;
      return true;
    }
  return false;
}

std::string DescriptionFields::Unread() const {
  for (const Entry& entry : entries_)
    if (!entry.read) return entry.token.key.empty() ? entry.token.value : entry.token.key;
  return {};
}

std::optional<long> ParseNumber(std::string_view text, long min, long max) {
  long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || value < min || value > max)
    return std::nullopt;
  return value;
}

std::string Normalized(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == ' ' || c == '\t') continue;
    out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
  }
  return out;
}

}  // namespace vq::tool
