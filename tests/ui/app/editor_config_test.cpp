#include "ui/app/config/editor_config.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "ui/app/config/profile_placement.h"

namespace vq {
namespace {

using Profile = std::map<std::string, int32_t>;

EditorConfig LoadFrom(const Profile& profile, std::vector<std::string>* order = nullptr) {
  return LoadEditorConfig([&](std::string_view section, std::string_view key) {
    const std::string name = std::string(section) + "/" + std::string(key);
    if (order) order->push_back(name);
    const auto found = profile.find(name);
    return found == profile.end() ? std::nullopt : std::optional<int32_t>(found->second);
  });
}

TEST(EditorConfigTest, FirstStartGivesTheDefaults) {
  const EditorConfig config = LoadFrom({});
  EXPECT_EQ(config, EditorConfig{});
}

TEST(EditorConfigTest, OutOfRangeValuesAreRepaired) {
  struct Case { const char* key; int32_t stored; int32_t read; };
  const Case cases[] = {
      {"SettingsCOMPort/Timeout", 999, 3000},       {"SettingsCOMPort/Timeout", 60001, 3000},
      {"SettingsCOMPort/Timeout", -1, 3000},        {"SettingsCOMPort/Timeout", 1000, 1000},
      {"SettingsCOMPort/Timeout", 60000, 60000},    {"SettingsLayout/CurrentSettingsItem", 9, 0},
      {"SettingsLayout/CurrentSettingsItem", 8, 8}, {"SettingsGeneral/PostEditAction", 3, 0},
      {"SettingsGeneral/PostEditAction", -1, 0},    {"SettingsGeneral/PostEditAction", 2, 2},
      {"SettingsCOMPort/DataBits", 6, 5},           {"SettingsCOMPort/DataBits", -1, 5},
      {"SettingsCOMPort/DataBits", 4, 4},           {"SettingsCOMPort/Port", 17, 0},
      {"SettingsCOMPort/Port", 16, 16},             {"SettingsCOMPort/Bitrate", 16, 0},
      {"SettingsCOMPort/FlowCtrl", 0x1FF, 0xFF},    {"SettingsLayout/CurrentTab", 4, 0},
      {"SettingsGeneral/ChanPastingModeNoTp", 4, 0}, {"SettingsGeneral/AutoSave", -7, -7},
  };
  for (const Case& c : cases) {
    const EditorConfig config = LoadFrom({{c.key, c.stored}});
    Profile stored;
    StoreEditorConfig(config, [&](std::string_view s, std::string_view k, int32_t v) {
      stored[std::string(s) + "/" + std::string(k)] = v;
    });
    EXPECT_EQ(stored.at(c.key), c.read) << c.key << " stored as " << c.stored;
  }
}

TEST(EditorConfigTest, KeysAreReadAndWrittenInFieldOrder) {
  std::vector<std::string> readOrder, writeOrder;
  EditorConfig config = LoadFrom({}, &readOrder);
  StoreEditorConfig(config, [&](std::string_view s, std::string_view k, int32_t) {
    writeOrder.push_back(std::string(s) + "/" + std::string(k));
  });
  ASSERT_EQ(readOrder.size(), 51u);
  EXPECT_EQ(readOrder, writeOrder);
}

TEST(PlacementTest, AppliedOnlyWhenAllFiveKeysArePresent) {
  FramePlacement placement{FramePlacement::kNormal, 10, 20, 610, 820};
  EXPECT_EQ(PlaceOnScreen(placement, 0, 0, 1920, 1080, 32, 32),
            (PlacementRect{20, 10, 800, 600}));
  placement.Bottom = -1;
  EXPECT_FALSE(PlaceOnScreen(placement, 0, 0, 1920, 1080, 32, 32));
}

TEST(PlacementTest, WindowOnASecondMonitorIsPulledBack) {
  // Stored at x 2500 (a monitor to the right); the work area starts at 0/40.
  const FramePlacement placement{FramePlacement::kMaximized, 1200, 2500, 1900, 3300};
  EXPECT_EQ(PlaceOnScreen(placement, 0, 40, 1920, 1080, 32, 32),
            (PlacementRect{1888, 1048, 800, 700}));
  // Extreme stored values neither overflow nor wrap.
  const FramePlacement wild{FramePlacement::kNormal, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN};
  const auto rect = PlaceOnScreen(wild, 0, 0, 1920, 1080, 32, 32);
  ASSERT_TRUE(rect);
  EXPECT_EQ(rect->x, 1888);
  EXPECT_EQ(rect->width, INT32_MIN);
}

TEST(PlacementTest, FirstStartTakesThePreferredSizeWhereItFits) {
  const PlacementRect preferred{0, 0, 1280, 800};
  EXPECT_EQ(FirstPlacement(preferred, {0, 0, 1920, 1040}), (PlacementRect{320, 120, 1280, 800}));
  // A 1366x768 laptop with a 32-pixel panel: the height does not fit.
  EXPECT_EQ(FirstPlacement(preferred, {0, 32, 1366, 736}), (PlacementRect{43, 69, 1280, 662}));
  // 200 % on 2560x1440 leaves 1280x720 logical pixels.
  EXPECT_EQ(FirstPlacement(preferred, {0, 0, 1280, 720}), (PlacementRect{0, 36, 1280, 648}));
}

TEST(PlacementTest, RestoredRectanglesEndInsideTheAvailableArea) {
  std::mt19937 random(33);
  const auto any = [&random](int32_t low, int32_t high) {
    return std::uniform_int_distribution<int32_t>(low, high)(random);
  };
  for (int i = 0; i < 2000; ++i) {
    const PlacementRect area{any(-3000, 3000), any(-2000, 2000), any(1, 4000), any(1, 3000)};
    const PlacementRect rect{any(INT32_MIN, INT32_MAX), any(INT32_MIN, INT32_MAX),
                             any(INT32_MIN, INT32_MAX), any(INT32_MIN, INT32_MAX)};
    const PlacementRect preferred{0, 0, any(1, 5000), any(1, 5000)};
    for (const PlacementRect& placed : {KeepInside(rect, area), FirstPlacement(preferred, area)}) {
      EXPECT_GE(placed.x, area.x);
      EXPECT_GE(placed.y, area.y);
      EXPECT_LE(int64_t{placed.x} + placed.width, int64_t{area.x} + area.width);
      EXPECT_LE(int64_t{placed.y} + placed.height, int64_t{area.y} + area.height);
    }
    EXPECT_GE(KeepInside(rect, area).width, 1);
    // Inside already: left as it is.
    const PlacementRect inside{area.x + area.width / 4, area.y + area.height / 4, area.width / 2 + 1,
                               area.height / 2 + 1};
    EXPECT_EQ(KeepInside(inside, area), inside);
  }
}

}  // namespace
}  // namespace vq
