#pragma once
/// @file
/// The checks that refuse a value typed into the satellite pane.

#include <optional>
#include <string>
#include <string_view>

#include "editing/panes/satellite_draft.h"

namespace vq {

class SettingsDatabase;

/// An oscillator frequency as typed: digits, optionally followed by "MHz"
/// in any case, with spaces allowed around both; none unless 5000..12000.
std::optional<int> ReadOscillatorText(std::string_view text);

/// Each check returns the message that refuses the value, or an empty text
/// and the value is then in the draft.

/// The name must not be empty.
std::string TakeSatelliteName(SatelliteDraft& draft, std::string_view name);
/// The position must read as "19.2E" / "5.0W".
std::string TakePositionText(SatelliteDraft& draft, std::string_view text);
/// An oscillator text; for a universal LNB the high one must stay above
/// the low one.
std::string TakeOscillatorText(SatelliteDraft& draft, SatelliteField oscillator,
                               std::string_view text);
/// A motor index other than 0 must not be used by another satellite (for
/// several satellites, not by more than one of them).
std::string TakeMotorIndex(SatelliteDraft& draft, const SettingsDatabase& db, int index);
/// A predefined channel's frequency must lie in the band of an oscillator
/// in use, for each of the draft's satellites.
std::string TakePredefinedFrequency(SatelliteDraft& draft, const SettingsDatabase& db, int k,
                                    int mhz);

}  // namespace vq
