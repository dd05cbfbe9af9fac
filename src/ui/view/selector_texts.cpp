#include "ui/view/selector_texts.h"

namespace vq {
namespace {

constexpr std::string_view kEmpty = " (----------EMPTY----------)";

std::string Str(int value) { return std::to_string(value); }

}  // namespace

std::string SatelliteChannelsEntry(std::string_view name, int tv, int radio, int data) {
  std::string text(name);
  if (tv + radio + data == 0) return text.append(kEmpty);
  return text + " (TV: " + Str(tv) + ", Radio: " + Str(radio) + ", Data: " + Str(data) + ")";
}

std::string FavoriteGroupEntry(std::string_view name, int tv, int radio) {
  std::string text(name);
  if (tv + radio == 0) return text.append(kEmpty);
  return text + " (TV: " + Str(tv) + ", Radio: " + Str(radio) + ")";
}

std::string SatelliteTranspondersEntry(std::string_view name, int transponders) {
  std::string text(name);
  if (transponders == 0) return text + " ( EMPTY )";
  return text + " ( " + Str(transponders) + " )";
}

std::string SelectionCounterText(int selected, std::string_view selectedNumber, int rows) {
  if (selected <= 0) return "";
  if (selected > 1) return Str(selected) + " channels";
  return std::string(selectedNumber) + " of " + Str(rows);
}

std::string CountOfText(int count, int capacity) { return Str(count) + " of " + Str(capacity); }

}  // namespace vq
