#include "database/position_text.h"

#include <cstdio>

namespace vq {

std::string PositionText(int tenths, char positive, char negative) {
  // Work on the magnitude so that -1..-9 tenths still read "0.xW".
  const long long value = tenths;
  const long long magnitude = value < 0 ? -value : value;
  char text[32];
  std::snprintf(text, sizeof text, "%lld.%lld%c", magnitude / 10, magnitude % 10,
                value < 0 ? negative : positive);
  return text;
}

bool ParsePositionText(std::string_view text, char positive, char negative, int16_t& out) {
  size_t i = 0;
  long whole = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    whole = whole * 10 + (text[i] - '0');
    if (whole > 3276) return false;  // the result would not fit 16 bits
    ++i;
  }
  if (i == 0 || i + 3 != text.size() || text[i] != '.') return false;
  const char digit = text[i + 1];
  const char letter = text[i + 2];
  if (digit < '0' || digit > '9') return false;
  if (letter != positive && letter != negative) return false;
  const long value = whole * 10 + (digit - '0');
  if (value > 32767) return false;
  out = static_cast<int16_t>(letter == positive ? value : -value);
  return true;
}

std::string_view EastWestText(int tenths) { return tenths < 0 ? "West" : "East"; }
std::string_view EastWestShortText(int tenths) { return tenths < 0 ? "W" : "E"; }

}  // namespace vq
