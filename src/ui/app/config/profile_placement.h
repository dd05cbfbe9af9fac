#pragma once
// The main window placement kept in the profile's "Frame" section.

#include <cstdint>
#include <optional>

namespace vq {

/// Show state and restored rectangle of the main window; −1 marks a key
/// that is absent from the profile.
struct FramePlacement {
  enum ShowState : int32_t { kNormal = 1, kMinimized = 2, kMaximized = 3 };

  int32_t Status = -1;
  int32_t Top = -1;
  int32_t Left = -1;
  int32_t Bottom = -1;
  int32_t Right = -1;
  /// The property pane's width beside the lists, kept apart from the five
  /// keys above: −1 leaves the pane at its default width.
  int32_t PaneWidth = -1;

  /// Placement is applied only when all five keys are present.
  bool IsComplete() const;
  bool operator==(const FramePlacement&) const = default;
};

struct PlacementRect {
  int32_t x = 0, y = 0, width = 0, height = 0;
  bool operator==(const PlacementRect&) const = default;
};

/// Where the window goes: the stored rectangle shifted by the work area's
/// top-left corner, its corner pulled back to at most one icon inside the
/// screen's right and bottom edges. Nothing when the placement is incomplete.
std::optional<PlacementRect> PlaceOnScreen(const FramePlacement& placement,
                                           int32_t workAreaLeft, int32_t workAreaTop,
                                           int32_t screenWidth, int32_t screenHeight,
                                           int32_t iconWidth, int32_t iconHeight);

/// The window at first start: `preferred` (its x and y unused) centred in
/// the screen's available area when it fits there, else 90 % of the area in
/// each direction where the preferred size does not fit, centred.
PlacementRect FirstPlacement(const PlacementRect& preferred, const PlacementRect& available);

/// `rect` moved, and cut to size first where it is larger, so that it lies
/// inside `available`; a rect already inside stays as it is.
PlacementRect KeepInside(const PlacementRect& rect, const PlacementRect& available);

}  // namespace vq
