#pragma once
// Orbital positions, longitudes and latitudes stored in tenths of a degree,
// shown as "19.2E" / "5.0W" (or N/S for latitudes).

#include <cstdint>
#include <string>
#include <string_view>

namespace vq {

// The largest magnitudes in tenths of a degree: 180.0 east or west, 90.0
// north or south.
inline constexpr int kMaxLongitudeTenths = 1800;
inline constexpr int kMaxLatitudeTenths = 900;

// "%d.%d%c" of the magnitude, with `positive` for values >= 0 and `negative`
// otherwise.
std::string PositionText(int tenths, char positive, char negative);

// Parses "<digits>.<digit><letter>": the letter must be `positive` or
// `negative`. On success stores the signed tenths in `out` and returns true;
// on any other shape or a value outside the 16-bit range `out` is untouched.
bool ParsePositionText(std::string_view text, char positive, char negative, int16_t& out);

// Satellite positions and longitudes: east positive.
inline std::string EastWestPositionText(int tenths) { return PositionText(tenths, 'E', 'W'); }
// Latitudes: north positive.
inline std::string NorthSouthPositionText(int tenths) { return PositionText(tenths, 'N', 'S'); }

// "East" / "West" and "E" / "W"; negative is west.
std::string_view EastWestText(int tenths);
std::string_view EastWestShortText(int tenths);

}  // namespace vq
