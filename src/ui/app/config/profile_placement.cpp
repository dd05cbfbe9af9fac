#include "ui/app/config/profile_placement.h"

#include <algorithm>
#include <utility>

namespace vq {

bool FramePlacement::IsComplete() const {
  return Status != -1 && Top != -1 && Left != -1 && Bottom != -1 && Right != -1;
}

std::optional<PlacementRect> PlaceOnScreen(const FramePlacement& placement,
                                           int32_t workAreaLeft, int32_t workAreaTop,
                                           int32_t screenWidth, int32_t screenHeight,
                                           int32_t iconWidth, int32_t iconHeight) {
  if (!placement.IsComplete()) return std::nullopt;
  // Computed in 64 bits: the stored values are whatever the profile held.
  const auto clamp32 = [](int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  };
  PlacementRect rect;
  rect.width = clamp32(int64_t{placement.Right} - placement.Left);
  rect.height = clamp32(int64_t{placement.Bottom} - placement.Top);
  rect.x = clamp32(std::min(int64_t{placement.Left} + workAreaLeft,
                            int64_t{screenWidth} - iconWidth));
  rect.y = clamp32(std::min(int64_t{placement.Top} + workAreaTop,
                            int64_t{screenHeight} - iconHeight));
  return rect;
}

PlacementRect FirstPlacement(const PlacementRect& preferred, const PlacementRect& available) {
  const auto side = [](int32_t wanted, int32_t room) {
    return wanted <= room ? wanted : static_cast<int32_t>(int64_t{room} * 9 / 10);
  };
  PlacementRect rect;
  rect.width = side(preferred.width, available.width);
  rect.height = side(preferred.height, available.height);
  rect.x = static_cast<int32_t>(available.x + (int64_t{available.width} - rect.width) / 2);
  rect.y = static_cast<int32_t>(available.y + (int64_t{available.height} - rect.height) / 2);
  return rect;
}

PlacementRect KeepInside(const PlacementRect& rect, const PlacementRect& available) {
  // In 64 bits: a stored rectangle may hold any values.
  const auto fit = [](int32_t start, int32_t length, int32_t areaStart, int32_t areaLength) {
    const int64_t size = std::clamp<int64_t>(length, std::min(1, areaLength), areaLength);
    const int64_t from = std::clamp<int64_t>(start, areaStart, int64_t{areaStart} + areaLength - size);
    return std::pair{static_cast<int32_t>(from), static_cast<int32_t>(size)};
  };
  const auto [x, width] = fit(rect.x, rect.width, available.x, available.width);
  const auto [y, height] = fit(rect.y, rect.height, available.y, available.height);
  return {x, y, width, height};
}

}  // namespace vq
