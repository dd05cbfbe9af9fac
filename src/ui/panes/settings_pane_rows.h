#pragma once
/// @file
/// The rows of the receiver settings pane: their ids, and for every row
/// that edits one configuration field, its label, kind and accessors.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "database/receiver_config.h"
#include "ui/grid/grid_types.h"

namespace vq::settings_rows {

enum Row : int {
  // One group per category; "Other Settings" has three.
  kTvGroup = 10,
  kLanguageGroup,
  kTimeDateGroup,
  kTimerGroup,
  kParentalGroup,
  kUserInterfaceGroup,
  kPowerGroup,
  kNetworkGroup,
  kVolumeGroup,
  kBaseGroup,
  kOtherGroup,
  kHiddenGroup,

  kScreenType = 30,
  kSignalOutput,
  kScartOutput,
  kUhfChannel,
  kTvSystem,
  kFineTuning,
  kBrightness,
  kContrast,
  kColor,

  kMenuLanguage = 40,
  kSubtitles,
  kPreferred,
  kMainAudio,
  kAlternativeAudio,
  kMainSubtitle,
  kAlternativeSubtitle,

  kClock = 50,
  kGmtOffset,
  kAutoUpdate,

  kAgeLimit = 60,
  kChannelLock,
  kInstallationLock,
  kReceiverLock,
  kLockCode,

  kVolumeIndicator = 70,
  kVolumeTimeout,
  kBannerTimeout,
  kOsdTransparency,
  kFadeInOut,
  kTeletext,
  kCiMessages,
  kChannelListDoubleClick,
  kRcaVolumeControl,

  kPowerState = 80,
  kLnbPower,
  kLnbOffset,

  kLocalIp = 90,
  kSubnetMask,
  kGateway,
  kPort,
  kDhcp,
  kConnectionMode,
  kNetworkId,
  kNetworkPassword,

  kVolumeLevel = 100,
  kMute,
  kLongitude,
  kLatitude,
  kF1Button,

  kDiagnostics = 110,
  kRfOutDisabled,
  kHddInit,
  kHddFormat,
  kNoCard,

  // Timer t (0..7) owns the rows kTimerBase + kTimerRows * t + part.
  kTimerBase = 200,
};

enum TimerPart : int {
  kTimerSub = 0,
  kTimerStart,
  kTimerChannel,
  kTimerButtons,
  kTimerDuration,
  kTimerHddSave,
  kTimerRows = 10
};

constexpr int TimerRow(int t, int part) { return kTimerBase + kTimerRows * t + part; }
/// The timer (0..7) and part of a timer row, or {-1, -1}.
std::pair<int, int> TimerOfRow(int row);

/// A group of a category other than the timers': its label and the text
/// of its value cell ("Settings", "Location" or none).
struct SettingGroup {
  int row;
  const char* label;
  const char* valueText;
};

/// A row that edits one field. Check boxes, option lists and numbers read
/// and write an int (tick, option index or -1 for a value without option,
/// number); texts and date/time rows read and take a text, `refusal` being
/// the message for a text that is refused (none: refused silently).
struct SettingRow {
  int row;
  const char* label;
  int group;
  RowKind kind;
  int minimum = 0;
  int maximum = 0;
  std::vector<std::string> options = {};
  std::function<int(const ReceiverConfig&)> value = {};
  std::function<void(ReceiverConfig, int)> setValue = {};
  std::function<std::string(const ReceiverConfig&)> text = {};
  std::function<bool(ReceiverConfig, const std::string&)> takeText = {};
  int textLimit = 0;
  bool digitsOnly = false;
  const char* format = "";
  const char* refusal = "";
};

/// The groups of a category, top to bottom (none for the timers' own).
std::vector<SettingGroup> SettingGroups(int category);
/// The field rows of a category in the order shown (none for the timers).
std::vector<SettingRow> SettingRows(int category);

/// Options of a timer's mode and of the "GMT Offset" row.
std::vector<std::string> TimerModeOptions();
std::vector<std::string> GmtOffsetOptions();

}  // namespace vq::settings_rows
