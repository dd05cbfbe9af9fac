#pragma once
/// @file
/// A transponder comparison and its application as text for the user.

#include <string>
#include <vector>

#include "interchange/transponder_update.h"

namespace vq {

/// "11494 H 22000 2/3": frequency, polarisation, symbol rate, FEC.
std::string TuningText(const TuningValues& values);

/// "new", "changed" or "vanished".
std::string_view UpdateKindText(UpdateKind kind);

/// "1 channel", "5 channels", "no channels".
std::string ChannelCountText(int channels);

/// One difference, for example "new      11229 V 22000 2/3, DVB-S2 (Astra-1L-19.2E line 12)",
/// "changed  11494 H 22000 Auto to H 27500 3/4, 5 channels (Astra-19.2E line 4)" or
/// "vanished 12188 H 27500 3/4, no channels".
std::string UpdateText(const TransponderUpdate& update);

/// "Satellite 3 "Hot Bird" at 13.0E" (the number as the lists show it).
std::string SatelliteTitle(const SatelliteComparison& satellite);

/// What became of the satellite: "3 differences", "no differences", "no
/// orbital position; left alone", ...
std::string ComparisonStatusText(const SatelliteComparison& satellite);

/// Per satellite its title and status, the tables read, the tables skipped
/// with their reasons, the notes, then one indented line per difference.
std::vector<std::string> ComparisonLines(const TransponderComparison& comparison);

/// "Transponders added: 2, changed: 1, removed: 0 (with 0 channels)", the
/// updates not applied, then the message.
std::vector<std::string> UpdateResultLines(const TransponderUpdateResult& result);

}  // namespace vq
