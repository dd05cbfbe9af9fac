#include "ui/app/profile_placement.h"

#include <algorithm>

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

}  // namespace vq
