#include "interchange/scan_table_names.h"

#include <algorithm>
#include <set>

#include "database/position_text.h"

namespace vq {
namespace {

constexpr size_t kLongestName = 128;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsNameCharacter(char c) {
  return IsLetter(c) || IsDigit(c) || c == '.' || c == '_' || c == '+' || c == '-';
}

}  // namespace

std::optional<int16_t> PositionOfTableName(std::string_view name) {
  if (name.size() < 4 || name.size() > kLongestName) return std::nullopt;
  size_t end = name.size() - 1;
  const char letter = name[end];
  int sign = 0;
  if (letter == 'E' || letter == 'e') sign = 1;
  if (letter == 'W' || letter == 'w') sign = -1;
  if (sign == 0) return std::nullopt;
  int tenths = 0;
  if (end >= 2 && IsDigit(name[end - 1]) && name[end - 2] == '.') {
    tenths = name[end - 1] - '0';
    end -= 2;
  }
  int whole = 0;
  int digits = 0;
  int scale = 1;
  while (end > 0 && IsDigit(name[end - 1]) && digits < 3) {
    whole += (name[end - 1] - '0') * scale;
    scale *= 10;
    ++digits;
    --end;
  }
  if (digits == 0 || end < 2 || (name[end - 1] != '-' && name[end - 1] != '_')) return std::nullopt;
  const std::string_view prefix = name.substr(0, end - 1);
  if (std::none_of(prefix.begin(), prefix.end(), IsLetter)) return std::nullopt;
  const int value = whole * 10 + tenths;
  if (value > kMaxLongitudeTenths) return std::nullopt;
  return static_cast<int16_t>(sign * value);
}

std::vector<std::string> TableNamesInListing(std::string_view listing) {
  std::set<std::string, std::less<>> names;
  size_t i = 0;
  while (i < listing.size() && names.size() < kMaxListedTables) {
    if (!IsNameCharacter(listing[i])) {
      ++i;
      continue;
    }
    const size_t start = i;
    while (i < listing.size() && IsNameCharacter(listing[i])) ++i;
    const std::string_view token = listing.substr(start, i - start);
    if (PositionOfTableName(token)) names.emplace(token);
  }
  return {names.begin(), names.end()};
}

std::vector<std::string> TablesAtPosition(const std::vector<std::string>& names, int16_t position) {
  std::vector<std::string> found;
  for (const std::string& name : names)
    if (PositionOfTableName(name) == position) found.push_back(name);
  std::sort(found.begin(), found.end(), [](const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
  });
  found.erase(std::unique(found.begin(), found.end()), found.end());
  if (found.size() > kMaxTablesPerPosition) found.resize(kMaxTablesPerPosition);
  return found;
}

}  // namespace vq
